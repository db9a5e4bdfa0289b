#pragma once
// Messages of the main window that the interface text table does not hold,
// in the four interface languages.

#include "settings/interface_texts.h"

#include <array>
#include <string_view>

namespace pelmora {

enum class ShellMessage : std::uint8_t {
    // OK or Apply while config.bin holds no settings that were loaded: the
    // block in memory is empty and would wipe the mouse and the file.
    SettingsNotLoaded,
    Count
};

std::string_view shellMessage(ShellMessage id, Language language);

} // namespace pelmora
