// Settings in words, through the key page's, DPI page's and lighting's own functions.
#include "words/setting_words.h"

#include "base/nearest_word.h"
#include "base/typed_text.h"
#include "desktop/pointer_levels.h"
#include "keys/button_text.h"
#include "keys/key_settings.h"
#include "settings/dpi_rate_settings.h"
#include "settings/dpi_tables.h"
#include "settings/lighting_settings.h"
#include "words/button_words.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

namespace pelmora {

namespace {

// Which setting of a family a name is: the group (key mode, pointer row or
// tick box; 0 for the others) and the index within the family (button or
// DPI stage, 0-based).
struct Slot {
    std::size_t group;
    std::size_t index;
};
using Getter = std::string (*)(const SettingsEdit&, Slot);
using Setter = std::string (*)(SettingsEdit&, std::string_view name, Slot, std::string_view);

// What get prints for a state the lists cannot choose ("Off", "none", the
// "RGB Effect" of modes 1 and 2) is taken back as it stands, changing nothing.
bool showsAsIs(const SettingsEdit& edit, Getter get, Slot slot, std::string_view value) {
    return lower(get(edit, slot)) == lower(value);
}

std::string button(const SettingsEdit& edit, Slot slot) {
    return buttonFunctionText(edit.settings, {static_cast<KeyMode>(slot.group), slot.index});
}

std::string setButton(SettingsEdit& edit, std::string_view name, Slot slot,
                      std::string_view value) {
    return setButtonWord(edit, name, {static_cast<KeyMode>(slot.group), slot.index}, value);
}

std::string keyMode(const SettingsEdit& edit, Slot) {
    return activeKeyMode(edit.settings) == KeyMode::A ? "A" : "B";
}

std::string setKeyMode(SettingsEdit& edit, std::string_view, Slot, std::string_view value) {
    const std::string v = loose(value);
    if (v != "a" && v != "b" && v != "modea" && v != "modeb") {
        return "key-mode: \"" + std::string(value) + "\" is not A or B";
    }
    setActiveKeyMode(edit.settings, v.back() == 'a' ? KeyMode::A : KeyMode::B);
    return {};
}

std::string reportRate(const SettingsEdit& edit, Slot) {
    return std::to_string(kRateStepReportsPerSecond[litRateStep(edit.settings.reportInterval)]);
}

std::string setReportRate(SettingsEdit& edit, std::string_view, Slot, std::string_view value) {
    const auto rate = wholeNumber(value);
    const auto step = rate ? rateStepOf(static_cast<int>(*rate)) : std::nullopt;
    if (!step) {
        return "report-rate: \"" + std::string(value) +
               "\" is not 125, 250, 500 or 1000 (reports per second)";
    }
    setReportRateStep(edit.settings, *step);
    return {};
}

std::string dpiStage(const SettingsEdit& edit, Slot slot) {
    const SettingsBlock& s = edit.settings;
    const std::uint8_t level = s.dpiLevel[slot.index];
    if (!s.dpiStageOn[slot.index]) {
        return "off (level " + std::to_string(level + 1) + ")";
    }
    std::string value = std::to_string(level + 1);
    const auto dpi = dpiValueText(dpiLabelSensorType(edit.sensorType), level);
    return dpi.empty() ? value : value + " (" + std::string(dpi) + " DPI)";
}

// The highest level a stage of the sensor type can be given.
int highestClickableLevel(std::uint8_t sensorType) {
    int level = dpiShownLevelCount(sensorType);
    while (level > 1 && !dpiLevelCellClickable(sensorType, level)) {
        --level;
    }
    return level;
}

std::string setDpiStage(SettingsEdit& edit, std::string_view name, Slot slot,
                        std::string_view value) {
    // "3 (1000 DPI)" as get prints it: the comment is left out.
    value = trim(value.substr(0, value.find('(')));
    if (lower(value) == "on" || lower(value) == "off") {
        if (!setDpiStageOn(edit.settings, slot.index, lower(value) == "on")) {
            return std::string(name) + ": the last stage that is on stays on";
        }
        return {};
    }
    const auto level = wholeNumber(value);
    if (!level || *level < 1 || *level > dpiShownLevelCount(edit.sensorType) ||
        !setDpiLevel(edit.settings, slot.index, static_cast<int>(*level), edit.sensorType)) {
        return std::string(name) + ": \"" + std::string(value) +
               "\" is not on, off or a level 1.." +
               std::to_string(highestClickableLevel(edit.sensorType)) + " of sensor type " +
               std::to_string(dpiLabelSensorType(edit.sensorType));
    }
    return {};
}

std::string dpiColour(const SettingsEdit& edit, Slot slot) {
    const auto& rgb = edit.settings.dpiColour[slot.index];
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02x%02x%02x", rgb[0], rgb[1], rgb[2]);
    return colour;
}

std::string setDpiColour(SettingsEdit& edit, std::string_view name, Slot slot,
                         std::string_view value) {
    value = trim(value);
    unsigned rgb = 0;
    const bool hex = value.size() == 7 && value[0] == '#' &&
                     std::all_of(value.begin() + 1, value.end(), [](char c) {
                         return std::isxdigit(static_cast<unsigned char>(c));
                     });
    if (!hex) {
        return std::string(name) + ": \"" + std::string(value) +
               "\" is not a colour #rrggbb (six hex digits)";
    }
    std::from_chars(value.data() + 1, value.data() + value.size(), rgb, 16);
    edit.settings.dpiColour[slot.index] = {static_cast<std::uint8_t>(rgb >> 16),
                                           static_cast<std::uint8_t>(rgb >> 8),
                                           static_cast<std::uint8_t>(rgb)};
    return {};
}

std::string lightName(std::optional<TextId> id) {
    return id ? std::string(text(*id, Language::English)) : std::string("none");
}

std::string lightMode(const SettingsEdit& edit, Slot) {
    return lightName(lightingStatus(edit.settings).mode);
}

std::string setLightMode(SettingsEdit& edit, std::string_view, Slot slot, std::string_view value) {
    if (showsAsIs(edit, lightMode, slot, value)) {
        return {};
    }
    const auto i =
        findIn(kLightModeListTexts, value, [](TextId id) { return text(id, Language::English); });
    if (!i) {
        return "light-mode: unknown mode \"" + std::string(value) +
               "\" (accepted: Standard, Respiration, Neon)";
    }
    chooseLightMode(edit.settings, *i);
    return {};
}

std::string lightParameter(const SettingsEdit& edit, Slot) {
    const auto parameter = lightingStatus(edit.settings).parameter;
    return parameter.empty() ? "none" : std::string(parameter);
}

std::string setLightParameter(SettingsEdit& edit, std::string_view, Slot slot,
                              std::string_view value) {
    if (showsAsIs(edit, lightParameter, slot, value)) {
        return {};
    }
    const std::uint8_t mode = edit.settings.lightMode;
    if (mode < kLightModeStandard || mode > kLightModeNeon) {
        return "light-parameter: choose light-mode first (Standard, Respiration or Neon)";
    }
    const auto list = lightParameterList(mode);
    const auto i = findIn(list, value, [](std::string_view t) { return t; });
    if (!i) {
        return "light-parameter: \"" + std::string(value) + "\" is not offered in " +
               lightName(lightModeText(mode)) +
               " mode (accepted: " + joined(list, [](std::string_view t) { return t; }) + ")";
    }
    chooseLightParameter(edit.settings, *i);
    return {};
}

std::string lightEffect(const SettingsEdit& edit, Slot) {
    return lightName(lightingStatus(edit.settings).effect);
}

std::string setLightEffect(SettingsEdit& edit, std::string_view, Slot slot,
                           std::string_view value) {
    if (showsAsIs(edit, lightEffect, slot, value)) {
        return {};
    }
    if (effectBoxAction(edit.settings.lightMode) != EffectBoxAction::OpenList) {
        return "light-effect: the colour effect is chosen in Neon mode only "
               "(set light-mode=Neon first)";
    }
    const auto i =
        findIn(kLightEffectListTexts, value, [](TextId id) { return text(id, Language::English); });
    if (!i) {
        return "light-effect: unknown effect \"" + std::string(value) +
               "\" (accepted: RGB Flash, RGB Fixed On)";
    }
    chooseLightEffect(edit.settings, *i);
    return {};
}

// A row's level as get prints it: the tick, the double-click time beside
// it; "none" when the desktop was never read, a level beyond the ticks as it
// stands (Apply leaves such a desktop value alone).
std::string pointerRow(const SettingsEdit& edit, Slot slot) {
    const auto row = static_cast<PointerRow>(slot.group);
    const int level = pointerRowLevel(edit.settings, row);
    if (level == 0) {
        return "none";
    }
    std::string value = std::to_string(level);
    if (!isPointerLevel(level)) {
        return value + " (beyond the ticks)";
    }
    if (row == PointerRow::DoubleClick) {
        value += " (" + std::to_string(doubleClickForLevel(level)) + " ms)";
    }
    return value;
}

std::string setPointerRow(SettingsEdit& edit, std::string_view name, Slot slot,
                          std::string_view value) {
    if (showsAsIs(edit, pointerRow, slot, value)) {
        return {};
    }
    const auto row = static_cast<PointerRow>(slot.group);
    // "6 (550 ms)" as get prints it: the comment is left out.
    const auto tick = wholeNumber(value.substr(0, value.find('(')));
    if (!tick || !pickPointerTick(edit.settings, row, static_cast<int>(*tick))) {
        std::string accepted = "a level 1.." + std::to_string(kPointerSteps) + ", one per tick";
        if (row == PointerRow::DoubleClick) {
            accepted += " (1: " + std::to_string(doubleClickForLevel(1)) + " ms .. " +
                        std::to_string(kPointerSteps) + ": " +
                        std::to_string(doubleClickForLevel(kPointerSteps)) + " ms)";
        }
        return std::string(name) + ": \"" + std::string(value) + "\" is not " + accepted;
    }
    return {};
}

std::string pointerBox(const SettingsEdit& edit, Slot slot) {
    return pointerBoxTicked(edit.settings, static_cast<PointerBox>(slot.group)) ? "on" : "off";
}

std::string setPointerBoxWord(SettingsEdit& edit, std::string_view name, Slot slot,
                              std::string_view value) {
    if (showsAsIs(edit, pointerBox, slot, value)) {
        return {};
    }
    const std::string v = lower(value);
    if (v != "on" && v != "off") {
        return std::string(name) + ": \"" + std::string(value) + "\" is not on or off";
    }
    setPointerBox(edit.settings, static_cast<PointerBox>(slot.group), v == "on");
    return {};
}

// One setting, or a numbered family of them: PREFIX1SUFFIX .. PREFIXnSUFFIX.
struct SettingWord {
    std::string_view prefix;
    std::string_view suffix;
    std::size_t count; // 0: the name is the prefix alone
    std::size_t group;
    Getter get;
    Setter set;

    std::string name(std::size_t index) const {
        return count == 0 ? std::string(prefix)
                          : std::string(prefix) + std::to_string(index + 1) + std::string(suffix);
    }
    // The index of `text` in the family.
    std::optional<std::size_t> indexOf(std::string_view text) const {
        if (count == 0) {
            return text == prefix ? std::optional<std::size_t>(0) : std::nullopt;
        }
        if (text.size() != prefix.size() + 1 + suffix.size() || !text.starts_with(prefix) ||
            !text.ends_with(suffix)) {
            return std::nullopt;
        }
        const char digit = text[prefix.size()];
        if (digit < '1' || digit > static_cast<char>('0' + count)) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(digit - '1');
    }
};

constexpr auto group(auto value) {
    return static_cast<std::size_t>(value);
}

// Every setting in the order get prints them.
constexpr std::array kSettingWords{
    SettingWord{"a", "", kShownButtons, group(KeyMode::A), button, setButton},
    SettingWord{"b", "", kShownButtons, group(KeyMode::B), button, setButton},
    SettingWord{"key-mode", "", 0, 0, keyMode, setKeyMode},
    SettingWord{"report-rate", "", 0, 0, reportRate, setReportRate},
    SettingWord{"dpi", "", kDpiStageCount, 0, dpiStage, setDpiStage},
    SettingWord{"dpi", "-colour", kDpiStageCount, 0, dpiColour, setDpiColour},
    SettingWord{"light-mode", "", 0, 0, lightMode, setLightMode},
    SettingWord{"light-parameter", "", 0, 0, lightParameter, setLightParameter},
    SettingWord{"light-effect", "", 0, 0, lightEffect, setLightEffect},
    SettingWord{"pointer-speed", "", 0, group(PointerRow::Speed), pointerRow, setPointerRow},
    SettingWord{"scroll-lines", "", 0, group(PointerRow::WheelLines), pointerRow, setPointerRow},
    SettingWord{"double-click", "", 0, group(PointerRow::DoubleClick), pointerRow, setPointerRow},
    SettingWord{"pointer-precision", "", 0, group(PointerBox::Precision), pointerBox,
                setPointerBoxWord},
    SettingWord{"scroll-one-screen", "", 0, group(PointerBox::ScrollByScreen), pointerBox,
                setPointerBoxWord},
};

constexpr std::string_view kDefaultWord = "default";

std::string_view pointerSettingName(Getter get, std::size_t which) {
    for (const auto& word : kSettingWords) {
        if (word.get == get && word.group == which) {
            return word.prefix;
        }
    }
    return {};
}

} // namespace

std::string_view settingName(PointerRow row) {
    return pointerSettingName(pointerRow, group(row));
}

std::string_view settingName(PointerBox box) {
    return pointerSettingName(pointerBox, group(box));
}

std::string_view settingNamesText() {
    static const std::string text = [] {
        std::string names;
        for (const auto& word : kSettingWords) {
            names += names.empty() ? "" : ", ";
            names +=
                word.count == 0 ? word.name(0) : word.name(0) + ".." + word.name(word.count - 1);
        }
        return names;
    }();
    return text;
}

std::vector<std::string> settingNames() {
    std::vector<std::string> names;
    for (const auto& word : kSettingWords) {
        for (std::size_t i = 0; i < std::max<std::size_t>(word.count, 1); ++i) {
            names.push_back(word.name(i));
        }
    }
    names.emplace_back(kDefaultWord);
    return names;
}

std::string applySettingWord(SettingsEdit& edit, std::string_view word) {
    const auto eq = word.find('=');
    const std::string name = lower(trim(word.substr(0, eq)));
    if (eq == std::string_view::npos) {
        if (name == kDefaultWord) {
            restoreDefaultKeys({edit.settings, edit.labels, edit.language});
            return {};
        }
        return "\"" + std::string(word) +
               "\" is not NAME=VALUE or default (names: " + std::string(settingNamesText()) + ")";
    }
    const std::string_view value = trim(word.substr(eq + 1));
    for (const auto& setting : kSettingWords) {
        if (const auto index = setting.indexOf(name)) {
            return setting.set(edit, name, {setting.group, *index}, value);
        }
    }
    return "unknown setting \"" + name + "\"" + didYouMean(name, settingNames()) +
           " (accepted: " + std::string(settingNamesText()) + ", default)";
}

std::string applySettingWords(SettingsEdit& edit, const std::vector<std::string>& words) {
    const SettingsBlock before = edit.settings;
    for (const auto& word : words) {
        if (std::string problem = applySettingWord(edit, word); !problem.empty()) {
            return problem;
        }
    }
    if (const auto stage = colourChangedWhileOff(before, edit.settings)) {
        const std::string dpi = "dpi" + std::to_string(*stage + 1);
        return dpi + "-colour: the colour of a DPI stage that is off cannot be changed (set " +
               dpi + " to a level or on)";
    }
    return {};
}

std::vector<std::pair<std::string, std::string>> settingWords(const SettingsEdit& edit) {
    std::vector<std::pair<std::string, std::string>> words;
    for (const auto& word : kSettingWords) {
        for (std::size_t i = 0; i < std::max<std::size_t>(word.count, 1); ++i) {
            words.emplace_back(word.name(i), word.get(edit, {word.group, i}));
        }
    }
    return words;
}

} // namespace pelmora
