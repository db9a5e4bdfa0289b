#pragma once
// Messages of the core as one line each on stderr.

#include "settings/message_sink.h"

#include <algorithm>
#include <ostream>
#include <string>

namespace pelmora::cli {

class StderrSink final : public MessageSink {
public:
    explicit StderrSink(std::ostream& err) : err_(err) {}
    // The program's own name as a caption would only repeat the prefix; a
    // message of several lines (a text and what to do about it) keeps one
    // line each.
    void showMessage(std::string_view text, std::string_view caption) override {
        std::string title(caption);
        while (!title.empty() && title.back() == ' ') {
            title.pop_back();
        }
        const std::string prefix =
            "pelmora-cli: " + (title.empty() || title == kAppName ? std::string() : title + ": ");
        std::string_view rest = text;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            std::string line(rest.substr(0, end));
            while (!line.empty() && line.back() == ' ') {
                line.pop_back();
            }
            if (!line.empty()) {
                err_ << prefix << line << '\n';
            }
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }

private:
    std::ostream& err_;
};

} // namespace pelmora::cli
