#pragma once
// The words of the named profiles in the window, the tray and the short
// message after a switch, in the four languages.

#include "settings/interface_texts.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

enum class ProfileText : std::uint8_t {
    Profiles,     // the tray's sub-menu
    ShowSwitches, // its tick: the short message after a switch
    Switched,     // "Profile: %1"
    Count
};

std::string_view profileText(ProfileText id, Language language);
// "Profile: NAME" in the language.
std::string profileSwitchedText(std::string_view name, Language language);

} // namespace pelmora
