#pragma once
// Printing the settings block and the key matrices.

#include "keys/key_matrix.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <iosfwd>

namespace pelmora::cli {

class JsonWriter;

// One JSON object, a member per field of the settings block (plus firstRunFlag).
void writeSettingsJson(std::ostream& out, const SettingsBlock& settings, std::uint8_t firstRunFlag);
// The same members into an object the writer has open.
void writeSettingsMembers(JsonWriter& json, const SettingsBlock& settings,
                          std::uint8_t firstRunFlag);
// Four lines "matrix M: E0 .. E15", each entry eight hex digits in wire order.
void writeMatrices(std::ostream& out, const KeyMatrices& matrices);

} // namespace pelmora::cli
