#pragma once
// Messages of the core as one line each on stderr.

#include "settings/message_sink.h"

#include <ostream>
#include <string>

namespace pelmora::cli {

class StderrSink final : public MessageSink {
public:
    explicit StderrSink(std::ostream& err) : err_(err) {}
    void showMessage(std::string_view text, std::string_view caption) override {
        std::string line(text);
        while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) {
            line.pop_back();
        }
        std::string title(caption);
        while (!title.empty() && title.back() == ' ') {
            title.pop_back();
        }
        err_ << "pelmora-cli: " << title << ": " << line << '\n';
    }

private:
    std::ostream& err_;
};

} // namespace pelmora::cli
