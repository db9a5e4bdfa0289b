#pragma once
// The DPI indicator's lighting as the basic page edits it: the texts each
// mode, parameter and colour effect shows, the entries of the three lists,
// and what a choice stores. Plain functions on the settings block, shared by
// the page and the CLI.

#include "settings/interface_texts.h"
#include "settings/settings_block.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pelmora {

inline constexpr std::uint8_t kLightModeOff = 0;
inline constexpr std::uint8_t kLightModeStandard = 1;
inline constexpr std::uint8_t kLightModeRespiration = 2;
inline constexpr std::uint8_t kLightModeNeon = 3;

// The mode list, in list order: choice n stores mode n + 1.
inline constexpr std::array<TextId, 3> kLightModeListTexts = {
    TextId::EffectStandard, TextId::EffectRespiration, TextId::EffectNeon};
// The effect list of Neon mode: choice n stores colour effect n + 2.
inline constexpr std::array<TextId, 2> kLightEffectListTexts = {TextId::ColourRgbFlash,
                                                                TextId::ColourRgbFixedOn};

// "Off", "Standard", "Respiration", "Neon" for modes 0..3; nothing otherwise.
std::optional<TextId> lightModeText(std::uint8_t mode);
// "Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On" for 0..3.
std::optional<TextId> lightEffectText(std::uint8_t value);

// The parameter list the page opens in a mode: Standard's ten brightness
// steps, Respiration's five times, and Neon's thirty times in every other
// mode (also when no mode is chosen yet).
std::span<const std::string_view> lightParameterList(std::uint8_t mode);
// The parameter text of a stored level in modes 1..3; empty in any other
// mode and for a level outside the mode's list.
std::string_view lightParameterText(std::uint8_t mode, std::uint8_t level);

// The three status texts beside the boxes.
struct LightingStatus {
    std::optional<TextId> mode;
    std::string_view parameter;
    std::optional<TextId> effect;
};

// As the page shows them when it is entered: the mode's text (with no mode
// chosen, that the mouse keeps its own lighting), and for
// modes 1..3 the stored parameter and the colour effect shown for the mode
// (lightColourMode1, 2 or 3); the other two are empty in any other mode.
LightingStatus lightingStatus(const SettingsBlock& settings);

// Choice n of the mode list: lightMode = n + 1. The status shows the new
// mode, its stored parameter, and "RGB Effect" in modes 1 and 2 or the
// stored Neon effect in mode 3. Nothing for a choice outside the list.
std::optional<LightingStatus> chooseLightMode(SettingsBlock& settings, std::size_t choice);

// Choice n of the parameter list the current mode opened: stored as the
// level of modes 1..3; in any other mode only the text changes. Returns the
// chosen entry's text (empty for a choice outside the list).
std::string_view chooseLightParameter(SettingsBlock& settings, std::size_t choice);

// What a click on the effect box does when its list is not open.
enum class EffectBoxAction {
    ShowRgbEffect, // modes 1 and 2: the status becomes "RGB Effect", nothing stored
    OpenList,      // mode 3: the "RGB Flash" / "RGB Fixed On" list
    Nothing        // any other mode
};
EffectBoxAction effectBoxAction(std::uint8_t mode);

// Choice n of the effect list: lightColourMode3 = n + 2; the chosen text.
std::optional<TextId> chooseLightEffect(SettingsBlock& settings, std::size_t choice);

// A stage's colour changes only while the stage is on: the page opens no
// colour chooser under a stage that is off.
bool stageColourChangeable(const SettingsBlock& settings, std::size_t stage);
// The first stage whose colour `after` changes from `before` although the
// stage is off in `after`; nothing when every change keeps that rule.
std::optional<std::size_t> colourChangedWhileOff(const SettingsBlock& before,
                                                 const SettingsBlock& after);

} // namespace pelmora
