#pragma once
// The preferences the shell reads and writes through str.ini: language, skin,
// text colour and the sixteen button labels.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>

namespace pelmora {

struct ShellPreferences {
    std::string languageCode; // "Lan"
    std::string skinName;     // "Path"
    std::array<std::uint8_t, 3> textColour{0, 255, 0};
    std::array<std::string, 16> labels{}; // buttons 1..8 of mode A, then of mode B
};

// "Lan" of section "Skins".
std::string readLanguageCode(const std::filesystem::path& preferencesFile);
// Labels, colour and skin of the language's label section.
void readShellPreferences(const std::filesystem::path& preferencesFile, ShellPreferences& prefs);
void writeShellLabels(const std::filesystem::path& preferencesFile, const ShellPreferences& prefs);
// First-run labels of both key modes in the active language.
void setDefaultLabels(ShellPreferences& prefs);

} // namespace pelmora
