#include "settings/settings_fields.h"

#include <gtest/gtest.h>

#include <cstring>

namespace pelmora {
namespace {

// Each byte gets a value of its field's range that tells it from its neighbours.
void fill(std::span<const RecordField> fields, std::size_t base, std::span<std::uint8_t> file) {
    for (const RecordField& field : fields) {
        if (field.form == FieldForm::Group) {
            fill(field.group, base + field.offset, file);
            continue;
        }
        for (std::size_t i = 0; i < fieldBytes(field); ++i) {
            const std::size_t at = base + field.offset + i;
            file[at] = static_cast<std::uint8_t>((at * 7) % (field.max + 1u));
        }
    }
}

TEST(SettingsFieldsTest, EveryByteRoundTripsAndOutOfRangeNamesItsMember) {
    std::array<std::uint8_t, 1 + kSettingsBlockSize> file{};
    fill(settings_fields::kConfigFields, 0, file);
    SettingsBlock settings{};
    std::memcpy(&settings, file.data() + 1, kSettingsBlockSize);
    settings.dpiStageOn[2] = 1;
    const ordered_json json = settingsToJson(settings, file[0]);

    SettingsBlock read{};
    std::uint8_t flag = 0xFF;
    std::string error;
    ASSERT_TRUE(settingsFromJson(json, read, flag, error)) << error;
    EXPECT_EQ(read, settings);
    EXPECT_EQ(flag, file[0]);

    // A value past the range, the wrong length or kind, or nothing at all.
    const std::vector<std::tuple<std::string, std::string, ordered_json>> bad = {
        {"/firstRunFlag", "firstRunFlag must be a number from 0 to 1", 2},
        {"/keyModeB/keyFunctionB/3", "keyFunctionB must be a list of 8 numbers from 0 to 15", 16},
        {"/dpiLevel", "dpiLevel must be a list of 4 numbers", {1, 2, 3}},
        {"/dpiColour/1/2", "dpiColour must be a list of 4 lists of 3 numbers", -1},
        {"/lightMode", "lightMode must be a number from 0 to 3", "1"},
        {"/macroData/11", "macroData must be a list of 12 hex strings of 128 bytes", "00"},
        {"/keyModeA", "keyModeA must be an object", ordered_json::array()},
        {"/dpiStageOn", "at least one DPI stage must be on", {0, 0, 0, 0}},
    };
    for (const auto& [pointer, message, value] : bad) {
        ordered_json damaged = json;
        damaged[ordered_json::json_pointer(pointer)] = value;
        EXPECT_FALSE(settingsFromJson(damaged, read, flag, error)) << pointer;
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
    ordered_json missing = json;
    missing["keyModeA"].erase("macroNumberA");
    EXPECT_FALSE(settingsFromJson(missing, read, flag, error));
    EXPECT_EQ(error, "macroNumberA is missing");
    EXPECT_EQ(read, settings); // refusals leave it as it was
}

} // namespace
} // namespace pelmora
