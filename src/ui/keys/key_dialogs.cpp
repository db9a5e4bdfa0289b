// Running the key dialogs and taking their results.
#include "ui/keys/key_dialogs.h"

namespace pelmora {

std::optional<KeyDialogResult> SkinnedKeyDialogs::run(std::uint8_t function, QWidget& owner) {
    static_cast<void>(function);
    static_cast<void>(owner);
    return std::nullopt;
}

} // namespace pelmora
