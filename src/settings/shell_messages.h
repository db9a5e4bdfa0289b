#pragma once
// Messages of the main window that the interface text table does not hold,
// in the four interface languages.

#include "settings/interface_texts.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

enum class ShellMessage : std::uint8_t {
    // OK or Apply while config.bin holds no settings that were loaded: the
    // block in memory is empty and would wipe the mouse and the file.
    SettingsNotLoaded,
    // OK or Apply while no mouse is there.
    NoMouseToSend,
    // The status line while no mouse is there.
    NoMouseStatus,
    // What to do when the mouse is not detected.
    PlugInAdvice,
    Count
};

std::string_view shellMessage(ShellMessage id, Language language);

// Why OK and Apply send and save nothing before they start (another program
// holding the mouse is found, and told, by the transfer itself).
enum class ApplyRefusal : std::uint8_t { NoMouse, SettingsNotLoaded };
std::string_view applyRefusalText(ApplyRefusal refusal, Language language);

// "<file> was not saved: <reason>" in the language.
std::string notSavedText(const std::filesystem::path& file, std::string_view reason,
                         Language language);

// The line after "Config file is not exist.": the file's full path and where
// to restore it from.
std::string configMissingHelp(const std::filesystem::path& file, Language language);

// The line after a failure text the program shows as it stands ("CreateEvent
// failed.", "SETMOUSESPEED failed.", "... Load background image failed!!!"):
// what failed, in the language, and what to do.
enum class FailureHelp : std::uint8_t {
    DeviceEvents, // %1: the reason
    Hotplug,      // %1: the reason
    PointerRead,  // %1: the desktop's reasons
    PointerWrite, // %1: the desktop's reasons
    SkinImage,    // %1: the image's file, %2: the skin folder
    Count
};
std::string failureHelp(FailureHelp help, Language language, std::string_view first,
                        std::string_view second = {});

} // namespace pelmora
