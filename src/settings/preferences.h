#pragma once
// The program's own preferences in str.ini: the language code, the skin, the
// colour of the interface texts (section "Skins") and the sixteen button
// labels (one section per language, see labelSectionName).

#include "settings/interface_texts.h"
#include "settings/settings_block.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

inline constexpr std::string_view kSkinsSection = "Skins";
inline constexpr std::string_view kLanguageKey = "Lan";
inline constexpr std::string_view kSkinPathKey = "Path";
inline constexpr std::string_view kRedKey = "RColor";
inline constexpr std::string_view kGreenKey = "GColor";
inline constexpr std::string_view kBlueKey = "BColor";

// The texts shown for the mouse buttons, eight per key mode.
struct ButtonLabels {
    std::array<std::string, kButtonCount> modeA;
    std::array<std::string, kButtonCount> modeB;

    std::array<std::string, kButtonCount>& forMode(KeyMode mode) {
        return mode == KeyMode::A ? modeA : modeB;
    }
    const std::array<std::string, kButtonCount>& forMode(KeyMode mode) const {
        return mode == KeyMode::A ? modeA : modeB;
    }
    bool operator==(const ButtonLabels&) const = default;
};

// The key of a label: "Item1".."Item8" in key mode A, "Item13".."Item83" in B.
std::string labelKey(KeyMode mode, std::size_t button);

struct TextColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const TextColour&) const = default;
};

// The text colour before the preferences are read.
inline constexpr TextColour kInitialTextColour{0, 255, 0};

// One colour component from its text: the leading decimal number, 0 for empty
// or non-numeric text, held to 0..255.
std::uint8_t colourComponentFromText(std::string_view text);

struct Preferences {
    ButtonLabels labels;
    std::string redText; // "RColor" as stored
    std::string greenText;
    std::string blueText;
    std::string skinPath; // "Path": the skin folder's name under Skins/

    // The colour of the interface texts. A file that names none of the three
    // components (missing, or without them) keeps the initial colour rather
    // than black text on the dark skins.
    TextColour textColour() const {
        if (redText.empty() && greenText.empty() && blueText.empty()) {
            return kInitialTextColour;
        }
        return {colourComponentFromText(redText), colourComponentFromText(greenText),
                colourComponentFromText(blueText)};
    }
};

// "Lan" of "Skins"; empty when the file or the key is missing.
std::string readLanguageCode(const std::filesystem::path& strIni);

// The labels of the language's section, then the colour and the skin name.
// Missing file or keys give empty texts.
Preferences readPreferences(const std::filesystem::path& strIni, std::string_view languageCode);

// Writes the sixteen labels into the language's section, "Item1".."Item8",
// then "Item13".."Item83". False (with `error`) when the file cannot be
// read or replaced; the old file then stays as it was.
bool writeLabels(const std::filesystem::path& strIni, std::string_view languageCode,
                 const ButtonLabels& labels, std::string* error = nullptr);

// Writes "RColor", "GColor", "BColor" as decimal numbers and "Path".
bool writeSkinPreferences(const std::filesystem::path& strIni, const TextColour& colour,
                          std::string_view skinPath, std::string* error = nullptr);

// The labels a first run sets in both key modes: the first five function
// names in the language, "DPI Loop", "Key Off", "Key Off".
ButtonLabels firstRunLabels(Language language);

} // namespace pelmora
