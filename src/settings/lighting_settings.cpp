#include "settings/lighting_settings.h"

namespace pelmora {

namespace {

using namespace std::string_view_literals;

constexpr std::array kStandardLevels{"5%"sv,  "15%"sv, "25%"sv, "35%"sv, "45%"sv,
                                     "55%"sv, "65%"sv, "75%"sv, "85%"sv, "100%"sv};
constexpr std::array kRespirationTimes{"8S"sv, "7S"sv, "6S"sv, "5S"sv, "4S"sv};
constexpr std::array kNeonTimes{"0.5S"sv,  "1S"sv,  "1.5S"sv,  "2S"sv,  "2.5S"sv,  "3S"sv,
                                "3.5S"sv,  "4S"sv,  "4.5S"sv,  "5S"sv,  "5.5S"sv,  "6S"sv,
                                "6.5S"sv,  "7S"sv,  "7.5S"sv,  "8S"sv,  "8.5S"sv,  "9S"sv,
                                "9.5S"sv,  "10S"sv, "10.5S"sv, "11S"sv, "11.5S"sv, "12S"sv,
                                "12.5S"sv, "13S"sv, "13.5S"sv, "14S"sv, "14.5S"sv, "15S"sv};
static_assert(kNeonTimes.size() == 30);

constexpr std::array<TextId, 4> kModeTexts = {TextId::EffectOff, TextId::EffectStandard,
                                              TextId::EffectRespiration, TextId::EffectNeon};
constexpr std::array<TextId, 4> kEffectTexts = {TextId::ColourNonDisplay, TextId::ColourRgbEffect,
                                                TextId::ColourRgbFlash, TextId::ColourRgbFixedOn};

bool hasLevel(std::uint8_t mode) {
    return mode >= kLightModeStandard && mode <= kLightModeNeon;
}

// The level byte of modes 1..3; null in any other mode.
template <typename Block> auto* levelField(Block& settings, std::uint8_t mode) {
    const std::array fields = {&settings.lightLevel1, &settings.lightLevel2, &settings.lightLevel3};
    return hasLevel(mode) ? fields[mode - 1u] : nullptr;
}

} // namespace

std::optional<TextId> lightModeText(std::uint8_t mode) {
    if (mode >= kModeTexts.size()) {
        return std::nullopt;
    }
    return kModeTexts[mode];
}

std::optional<TextId> lightEffectText(std::uint8_t value) {
    if (value >= kEffectTexts.size()) {
        return std::nullopt;
    }
    return kEffectTexts[value];
}

std::span<const std::string_view> lightParameterList(std::uint8_t mode) {
    switch (mode) {
    case kLightModeStandard:
        return kStandardLevels;
    case kLightModeRespiration:
        return kRespirationTimes;
    default:
        return kNeonTimes;
    }
}

std::string_view lightParameterText(std::uint8_t mode, std::uint8_t level) {
    if (!hasLevel(mode)) {
        return {};
    }
    const auto list = lightParameterList(mode);
    return level < list.size() ? list[level] : std::string_view{};
}

LightingStatus lightingStatus(const SettingsBlock& settings) {
    LightingStatus status;
    const std::uint8_t mode = settings.lightMode;
    // With no mode chosen, Apply sends no lighting: the mouse keeps whatever
    // lighting it has (another program's too), and the box says so instead
    // of claiming that the lighting is off.
    status.mode = mode == kLightModeOff ? TextId::LightingKeptByMouse : lightModeText(mode);
    if (!hasLevel(mode)) {
        return status;
    }
    status.parameter = lightParameterText(mode, *levelField(settings, mode));
    const std::array<std::uint8_t, 3> shownEffect = {
        settings.lightColourMode1, settings.lightColourMode2, settings.lightColourMode3};
    status.effect = lightEffectText(shownEffect[mode - 1u]);
    return status;
}

std::optional<LightingStatus> chooseLightMode(SettingsBlock& settings, std::size_t choice) {
    if (choice >= kLightModeListTexts.size()) {
        return std::nullopt;
    }
    const auto mode = static_cast<std::uint8_t>(choice + 1);
    settings.lightMode = mode;
    LightingStatus status;
    status.mode = kLightModeListTexts[choice];
    status.parameter = lightParameterText(mode, *levelField(settings, mode));
    status.effect = mode == kLightModeNeon ? lightEffectText(settings.lightColourMode3)
                                           : std::optional<TextId>(TextId::ColourRgbEffect);
    return status;
}

std::string_view chooseLightParameter(SettingsBlock& settings, std::size_t choice) {
    const std::uint8_t mode = settings.lightMode;
    const auto list = lightParameterList(mode);
    if (choice >= list.size()) {
        return {};
    }
    if (std::uint8_t* level = levelField(settings, mode)) {
        *level = static_cast<std::uint8_t>(choice);
    }
    return list[choice];
}

EffectBoxAction effectBoxAction(std::uint8_t mode) {
    switch (mode) {
    case kLightModeStandard:
    case kLightModeRespiration:
        return EffectBoxAction::ShowRgbEffect;
    case kLightModeNeon:
        return EffectBoxAction::OpenList;
    default:
        return EffectBoxAction::Nothing;
    }
}

std::optional<TextId> chooseLightEffect(SettingsBlock& settings, std::size_t choice) {
    if (choice >= kLightEffectListTexts.size()) {
        return std::nullopt;
    }
    settings.lightColourMode3 = static_cast<std::uint8_t>(choice + 2);
    return kLightEffectListTexts[choice];
}

bool stageColourChangeable(const SettingsBlock& settings, std::size_t stage) {
    return stage < kDpiStageCount && settings.dpiStageOn[stage] == 1;
}

std::optional<std::size_t> colourChangedWhileOff(const SettingsBlock& before,
                                                 const SettingsBlock& after) {
    for (std::size_t stage = 0; stage < kDpiStageCount; ++stage) {
        if (after.dpiColour[stage] != before.dpiColour[stage] &&
            !stageColourChangeable(after, stage)) {
            return stage;
        }
    }
    return std::nullopt;
}

} // namespace pelmora
