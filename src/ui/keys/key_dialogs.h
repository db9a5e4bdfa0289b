#pragma once
// The key dialogs the key settings run for functions 8..13 ("Windows",
// "Multimedia", "Fire Key", "Single Key", "Combo Key", "Macro Key"), behind
// one seam so that the page can be tested without modal windows.

#include "keys/key_settings.h"

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

// The program's skinned dialogs. Their messages appear as message boxes over
// the owner; the macro key dialog lists the macros of the macro file.
class SkinnedKeyDialogs final : public KeyDialogs {
public:
    void setMacroFile(std::filesystem::path file) { macroFile_ = std::move(file); }
    std::optional<KeyDialogResult> run(std::uint8_t function, QWidget& owner) override;

private:
    std::filesystem::path macroFile_;
};

} // namespace pelmora
