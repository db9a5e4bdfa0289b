#pragma once
// A record of every HID operation of the command collection, one line each:
// "set HEX" (frame sent), "get HEX" (answer frame), "out HEX" (chunk
// written), "in HEX" (chunk read), "sleep MS" (one pause). Hex is lower case
// without spaces.

#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void traceLine(std::string_view line) = 0;
};

// The lines on a stream as they happen, from any thread (the window traces
// its transfers and its reads on two).
class StreamTraceSink final : public TraceSink {
public:
    explicit StreamTraceSink(std::ostream& out) : out_(out) {}
    void traceLine(std::string_view line) override {
        std::lock_guard lock(mutex_);
        out_ << line << std::endl;
    }

private:
    std::mutex mutex_;
    std::ostream& out_;
};

class RecordingTraceSink final : public TraceSink {
public:
    void traceLine(std::string_view line) override { lines.emplace_back(line); }
    std::vector<std::string> lines;
};

} // namespace pelmora
