// Running the key dialogs and taking their results.
#include "ui/keys/key_dialogs.h"

#include "keys/key_function.h"
#include "macros/macro_store.h"
#include "ui/keys/combo_dialog.h"
#include "ui/keys/fire_key_dialog.h"
#include "ui/keys/media_dialog.h"
#include "ui/keys/single_dialog.h"
#include "ui/keys/windows_dialog.h"
#include "ui/macros/macro_dialog.h"

namespace pelmora {

namespace {

std::optional<KeyDialogResult> runSingleKey(QWidget& owner, MessageSink& messages) {
    CSingleDialog dialog(&owner, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return SingleKeyResult{dialog.capturedKeyName};
}

std::optional<KeyDialogResult> runComboKey(QWidget& owner, MessageSink& messages) {
    CComboDialog dialog(&owner, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return ComboKeyResult{dialog.modifierName, dialog.firstKeyName, dialog.secondKeyName};
}

std::optional<KeyDialogResult> runLaunchKey(QWidget& owner, MessageSink& messages) {
    CWindowsDialog dialog(&owner, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return LaunchKeyResult{static_cast<std::size_t>(dialog.choicePosition),
                           dialog.chosenText.toStdString()};
}

std::optional<KeyDialogResult> runMediaKey(QWidget& owner, MessageSink& messages) {
    CMediaDialog dialog(&owner, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return MediaKeyResult{static_cast<std::size_t>(dialog.choicePosition),
                          dialog.chosenText.toStdString()};
}

std::optional<KeyDialogResult> runFireKey(QWidget& owner, MessageSink& messages) {
    CFireKeyDialog dialog(&owner, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return FireKeyResult{static_cast<std::size_t>(dialog.keyPosition), dialog.speed, dialog.times,
                         dialog.chosenKeyText.toStdString()};
}

std::optional<KeyDialogResult> runMacroKey(QWidget& owner, MessageSink& messages,
                                           const std::filesystem::path& macroFile) {
    const MacroStore store(macroFile);
    CMacroDialog dialog(store, &owner, messages);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return MacroKeyResult{static_cast<std::uint8_t>(dialog.selectedMacroIndex), dialog.loopMode,
                          dialog.selectedMacroName.toStdString()};
}

} // namespace

std::optional<KeyDialogResult> SkinnedKeyDialogs::run(std::uint8_t function, QWidget& owner) {
    switch (static_cast<KeyFunction>(function)) {
    case KeyFunction::Launch:
        return runLaunchKey(owner, messages_);
    case KeyFunction::Multimedia:
        return runMediaKey(owner, messages_);
    case KeyFunction::FireKey:
        return runFireKey(owner, messages_);
    case KeyFunction::SingleKey:
        return runSingleKey(owner, messages_);
    case KeyFunction::ComboKey:
        return runComboKey(owner, messages_);
    case KeyFunction::MacroKey:
        return runMacroKey(owner, messages_, macroFile_);
    default:
        return std::nullopt;
    }
}

} // namespace pelmora
