#pragma once
// config.bin's fields by name: the one table behind `show`, a profile's
// "record" and its import. Names, order and ranges are what `show` prints
// and what profiles hold, so they stay as they are.

#include "base/record_fields.h"
#include "settings/settings_block.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace pelmora {

namespace settings_fields {

constexpr std::size_t at(std::size_t blockOffset) {
    return 1 + blockOffset;
} // after the flag

constexpr RecordField buttons(std::string_view name, std::size_t offset, std::uint8_t max = 255) {
    return {.name = name,
            .offset = offset,
            .form = FieldForm::Numbers,
            .size = kButtonCount,
            .max = max};
}
constexpr RecordField number(std::string_view name, std::size_t offset, std::uint8_t max = 255) {
    return {.name = name, .offset = at(offset), .max = max};
}
constexpr RecordField numbers(std::string_view name, std::size_t offset, std::size_t size,
                              std::uint8_t max = 255) {
    return {
        .name = name, .offset = at(offset), .form = FieldForm::Numbers, .size = size, .max = max};
}

// One key mode's block; in the file the names end in A or B.
inline constexpr std::array kKeyBlockFields{
    buttons("keyFunction", offsetof(KeyBlock, keyFunction), 15),
    buttons("mediaChoice", offsetof(KeyBlock, mediaChoice)),
    buttons("mediaCode", offsetof(KeyBlock, mediaCode)),
    buttons("launchChoice", offsetof(KeyBlock, launchChoice)),
    buttons("launchUsageLow", offsetof(KeyBlock, launchUsageLow)),
    buttons("launchUsageHigh", offsetof(KeyBlock, launchUsageHigh)),
    buttons("fireKeyChoice", offsetof(KeyBlock, fireKeyChoice)),
    buttons("fireKeyCode", offsetof(KeyBlock, fireKeyCode)),
    buttons("fireKeyParam2", offsetof(KeyBlock, fireKeyParam2)),
    buttons("fireKeyParam3", offsetof(KeyBlock, fireKeyParam3)),
    buttons("singleKeyCode", offsetof(KeyBlock, singleKeyCode)),
    buttons("comboModifier", offsetof(KeyBlock, comboModifier)),
    buttons("comboKey1", offsetof(KeyBlock, comboKey1)),
    buttons("comboKey2", offsetof(KeyBlock, comboKey2)),
    buttons("macroNumber", offsetof(KeyBlock, macroNumber)),
    buttons("macroLoopMode", offsetof(KeyBlock, macroLoopMode)),
};

constexpr RecordField keyBlock(std::string_view name, std::size_t offset, std::string_view suffix) {
    return {.name = name,
            .offset = at(offset),
            .form = FieldForm::Group,
            .group = kKeyBlockFields,
            .suffix = suffix};
}

// The flag byte, then the settings block, offsets from the file's start.
inline constexpr std::array kConfigFields{
    RecordField{.name = "firstRunFlag", .offset = 0, .max = 1},
    keyBlock("keyModeA", offsetof(SettingsBlock, keyBlockA), "A"),
    numbers("reserved080", offsetof(SettingsBlock, reserved080), 5),
    number("reportInterval", offsetof(SettingsBlock, reportInterval)),
    number("reserved086", offsetof(SettingsBlock, reserved086)),
    numbers("dpiLevel", offsetof(SettingsBlock, dpiLevel), kDpiStageCount),
    numbers("dpiStageOn", offsetof(SettingsBlock, dpiStageOn), kDpiStageCount, 1),
    RecordField{.name = "dpiColour",
                .offset = at(offsetof(SettingsBlock, dpiColour)),
                .form = FieldForm::NumberRows,
                .size = 3,
                .count = kDpiStageCount},
    number("lightMode", offsetof(SettingsBlock, lightMode), 3),
    number("lightLevel1", offsetof(SettingsBlock, lightLevel1)),
    number("lightLevel2", offsetof(SettingsBlock, lightLevel2)),
    number("lightLevel3", offsetof(SettingsBlock, lightLevel3)),
    number("lightColourMode1", offsetof(SettingsBlock, lightColourMode1)),
    number("lightColourMode2", offsetof(SettingsBlock, lightColourMode2)),
    number("lightColourMode3", offsetof(SettingsBlock, lightColourMode3)),
    number("reserved0A2", offsetof(SettingsBlock, reserved0A2)),
    RecordField{.name = "macroData",
                .offset = at(offsetof(SettingsBlock, macroData)),
                .form = FieldForm::HexRows,
                .size = kMacroSlotSize,
                .count = kMacroSlotCount},
    number("pointerPrecision", offsetof(SettingsBlock, pointerPrecision)),
    number("scrollByScreen", offsetof(SettingsBlock, scrollByScreen)),
    number("pointerSpeedLevel", offsetof(SettingsBlock, pointerSpeedLevel)),
    number("scrollLines", offsetof(SettingsBlock, scrollLines)),
    number("doubleClickLevel", offsetof(SettingsBlock, doubleClickLevel)),
    number("keyMode", offsetof(SettingsBlock, keyMode), 1),
    keyBlock("keyModeB", offsetof(SettingsBlock, keyBlockB), "B"),
    numbers("dpiSwitchParamA", offsetof(SettingsBlock, dpiSwitchParamA), kButtonCount),
    numbers("dpiSwitchParamB", offsetof(SettingsBlock, dpiSwitchParamB), kButtonCount),
};

// Every byte of the file is one field's, in order.
constexpr bool coversTheFile() {
    std::size_t next = 0;
    for (const RecordField& field : kConfigFields) {
        if (field.offset != next) {
            return false;
        }
        next += fieldBytes(field);
    }
    return next == 1 + kSettingsBlockSize;
}
static_assert(coversTheFile());
static_assert(fieldBytes(keyBlock("", 0, "")) == sizeof(KeyBlock));

} // namespace settings_fields

// The flag byte and the block as one JSON object, a member per field.
ordered_json settingsToJson(const SettingsBlock& settings, std::uint8_t firstRunFlag);

// Every member must be there with the length and range of its field (and at
// least one DPI stage on). False with a one-line `error` naming the member;
// `settings` and `firstRunFlag` then stay as they were.
bool settingsFromJson(const ordered_json& object, SettingsBlock& settings,
                      std::uint8_t& firstRunFlag, std::string& error);

} // namespace pelmora
