#pragma once
// The words of the named profiles in the window, the tray and the short
// message after a switch, in the four languages.

#include "settings/interface_texts.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

enum class ProfileText : std::uint8_t {
    Profiles,     // the tray's sub-menu, the window's chooser, its messages' title
    ShowSwitches, // the tray's tick: the short message after a switch
    Switched,     // "Profile: %1"
    NoProfile,    // the chooser while no profile is active
    Save,
    SaveAs,
    Rename,
    Delete,
    Unsaved,     // %1: the active profile
    UnsavedNone, // no profile is active
    Discard,
    NameLabel,
    DeleteAsk,  // %1: the profile
    ReplaceAsk, // %1: the profile
    Replace,
    NotActivated,       // %1: the profile; the reason follows
    NotChanged,         // the reason follows
    AutomaticSwitching, // the tray's tick
    UseForApplication,  // the chooser's row
    ChooseApplications, // %1: the profile
    NoApplicationSeen,
    HeldForEdits,     // %1: the profile
    FocusUnavailable, // no mechanism on this desktop
    ExtensionOff,     // %1: the command that enables it
    Count
};

std::string_view profileUiText(ProfileText id, Language language);
// A text with its %1 replaced by `name` ("Profile: NAME").
std::string profileUiText(ProfileText id, Language language, std::string_view name);

} // namespace pelmora
