// Running the key dialogs and taking their results.
#include "ui/keys/key_dialogs.h"

#include "keys/key_function.h"
#include "macros/macro_store.h"
#include "ui/keys/fire_key_dialog.h"
#include "ui/keys/media_dialog.h"
#include "ui/keys/windows_dialog.h"
#include "ui/macros/macro_dialog.h"
#include "ui/skin/message_box_sink.h"

namespace pelmora {

std::optional<KeyDialogResult> SkinnedKeyDialogs::run(std::uint8_t function, QWidget& owner) {
    MessageBoxSink messages(&owner);
    switch (static_cast<KeyFunction>(function)) {
    case KeyFunction::Launch: {
        CWindowsDialog dialog(messages, &owner);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return LaunchKeyResult{static_cast<std::size_t>(dialog.choicePosition),
                               dialog.chosenText.toStdString()};
    }
    case KeyFunction::Multimedia: {
        CMediaDialog dialog(messages, &owner);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return MediaKeyResult{static_cast<std::size_t>(dialog.choicePosition),
                              dialog.chosenText.toStdString()};
    }
    case KeyFunction::FireKey: {
        CFireKeyDialog dialog(messages, &owner);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return FireKeyResult{static_cast<std::size_t>(dialog.keyPosition), dialog.speed,
                             dialog.times, dialog.chosenKeyText.toStdString()};
    }
    case KeyFunction::MacroKey: {
        const MacroStore store(macroFile_);
        CMacroDialog dialog(store, messages, &owner);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return MacroKeyResult{static_cast<std::uint8_t>(dialog.selectedMacroIndex), dialog.loopMode,
                              dialog.selectedMacroName.toStdString()};
    }
    default:
        // The single and combo key dialogs come with the key capture.
        return std::nullopt;
    }
}

} // namespace pelmora
