// Running the key dialogs and taking their results.
#include "ui/keys/key_dialogs.h"

namespace pelmora {

std::optional<KeyDialogResult> SkinnedKeyDialogs::run(std::uint8_t function, QWidget& owner) {
    // The dialogs come with the key dialogs' own change.
    static_cast<void>(function);
    static_cast<void>(owner);
    static_cast<void>(messages_);
    return std::nullopt;
}

} // namespace pelmora
