#pragma once
// The key dialogs the key settings run for functions 8..13 ("Windows",
// "Multimedia", "Fire Key", "Single Key", "Combo Key", "Macro Key"), behind
// one seam so that the page can be tested without modal windows.

#include "keys/key_settings.h"
#include "settings/message_sink.h"

#include <cstdint>
#include <filesystem>
#include <optional>

class QWidget;

namespace pelmora {

class KeyDialogs {
public:
    KeyDialogs() = default;
    KeyDialogs(const KeyDialogs&) = delete;
    KeyDialogs& operator=(const KeyDialogs&) = delete;
    virtual ~KeyDialogs() = default;

    // Runs the dialog of the function modally over owner. Its result after
    // OK; nothing after Cancel, and for a function without a dialog.
    virtual std::optional<KeyDialogResult> run(std::uint8_t function, QWidget& owner) = 0;
};

// The program's skinned dialogs.
class SkinnedKeyDialogs final : public KeyDialogs {
public:
    // The macro key dialog offers the macros of macroFile (record.ini).
    SkinnedKeyDialogs(MessageSink& messages, std::filesystem::path macroFile)
        : messages_(messages), macroFile_(std::move(macroFile)) {}
    std::optional<KeyDialogResult> run(std::uint8_t function, QWidget& owner) override;

private:
    MessageSink& messages_;
    std::filesystem::path macroFile_;
};

} // namespace pelmora
