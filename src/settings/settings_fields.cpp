#include "settings/settings_fields.h"

#include <algorithm>

namespace pelmora {

namespace {

using FileBytes = std::array<std::uint8_t, 1 + kSettingsBlockSize>;

} // namespace

ordered_json settingsToJson(const SettingsBlock& settings, std::uint8_t firstRunFlag) {
    FileBytes file{};
    file[0] = firstRunFlag;
    std::ranges::copy(settings.bytes(), file.begin() + 1);
    ordered_json object = ordered_json::object();
    writeFields(settings_fields::kConfigFields, file, object);
    return object;
}

bool settingsFromJson(const ordered_json& object, SettingsBlock& settings,
                      std::uint8_t& firstRunFlag, std::string& error) {
    FileBytes file{};
    if (!readFields(settings_fields::kConfigFields, object, file, MissingMember::Refused, error)) {
        return false;
    }
    SettingsBlock read{};
    std::copy(file.begin() + 1, file.end(), read.bytes().begin());
    if (std::ranges::none_of(read.dpiStageOn, [](std::uint8_t on) { return on != 0; })) {
        error = "dpiStageOn: at least one DPI stage must be on";
        return false;
    }
    settings = read;
    firstRunFlag = file[0];
    return true;
}

} // namespace pelmora
