#pragma once
// Reading the settings block back from the JSON object `show` prints.

#include "settings/json_value.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <string>

namespace pelmora::cli {

// Every member must be there with the length and range it has in the block
// (bytes 0..255; key functions 0..15, key mode 0..1, stage switches 0..1,
// lighting mode 0..3, at least one stage on). False with a one-line `error`
// naming the member; `settings` and `firstRunFlag` then stay as they were.
bool readSettingsMembers(const json::Object& object, SettingsBlock& settings,
                         std::uint8_t& firstRunFlag, std::string& error);

} // namespace pelmora::cli
