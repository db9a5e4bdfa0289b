#pragma once
// How core code tells the user something: the GUI shows a message box, the
// command line writes a line to stderr, tests record. Core code never talks
// to a window itself.

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Caption of messages that carry "the application's name".
inline constexpr std::string_view kAppName = "Pelmora";

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(std::string_view text, std::string_view caption) = 0;
};

// Keeps every message; for tests and for callers that decide later.
class RecordingMessageSink final : public MessageSink {
public:
    struct Message {
        std::string text;
        std::string caption;
    };
    void showMessage(std::string_view text, std::string_view caption) override {
        messages.push_back({std::string(text), std::string(caption)});
    }
    // The last message told; empty when none was.
    std::string lastText() const { return messages.empty() ? std::string() : messages.back().text; }
    std::vector<Message> messages;
};

} // namespace pelmora
