// Running the key dialogs and taking their results.
#include "ui/keys/key_dialogs.h"

#include "keys/key_function.h"
#include "ui/keys/combo_dialog.h"
#include "ui/keys/single_dialog.h"

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

} // namespace

std::optional<KeyDialogResult> SkinnedKeyDialogs::run(std::uint8_t function, QWidget& owner) {
    switch (static_cast<KeyFunction>(function)) {
    case KeyFunction::SingleKey:
        return runSingleKey(owner, messages_);
    case KeyFunction::ComboKey:
        return runComboKey(owner, messages_);
    default:
        return std::nullopt;
    }
}

} // namespace pelmora
