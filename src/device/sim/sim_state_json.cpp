#include "device/sim/sim_state_json.h"

#include "base/record_fields.h"

#include <array>
#include <cstddef>
#include <type_traits>

namespace pelmora::sim {

namespace {

constexpr RecordField number(std::string_view name, std::size_t offset) {
    return {.name = name, .offset = offset};
}
constexpr RecordField hex(std::string_view name, std::size_t offset, std::size_t size) {
    return {.name = name, .offset = offset, .form = FieldForm::Hex, .size = size};
}
constexpr RecordField hexRows(std::string_view name, std::size_t offset, std::size_t count,
                              std::size_t size) {
    return {
        .name = name, .offset = offset, .form = FieldForm::HexRows, .size = size, .count = count};
}

// Single bytes as numbers, byte groups as lower-case hex strings.
constexpr std::array kStateFields{
    number("sensorType", offsetof(SimMouseState, sensorType)),
    number("reportRate", offsetof(SimMouseState, reportRate)),
    number("option1", offsetof(SimMouseState, option1)),
    number("option2", offsetof(SimMouseState, option2)),
    number("reportInterval", offsetof(SimMouseState, reportInterval)),
    number("effect", offsetof(SimMouseState, effect)),
    number("effectOption1", offsetof(SimMouseState, effectOption1)),
    number("effectOption2", offsetof(SimMouseState, effectOption2)),
    hex("colourPage0", offsetof(SimMouseState, colourPage0), 3),
    hex("colourPage1", offsetof(SimMouseState, colourPage1), 3),
    hex("dpiColours", offsetof(SimMouseState, dpiColours), 24),
    hex("dpiStages", offsetof(SimMouseState, dpiStages), 8),
    hexRows("keyMatrices", offsetof(SimMouseState, keyMatrices), 4, 64),
    hexRows("macroSlots", offsetof(SimMouseState, macroSlots), kMacroSlotCount, kMacroSlotSize),
};

static_assert(std::is_trivially_copyable_v<SimMouseState> && alignof(SimMouseState) == 1);
static_assert(kStateFields.back().offset + fieldBytes(kStateFields.back()) ==
              sizeof(SimMouseState));

std::span<std::uint8_t> bytesOf(SimMouseState& state) {
    return {reinterpret_cast<std::uint8_t*>(&state), sizeof state};
}

} // namespace

std::string simStateToJson(const SimMouseState& state) {
    ordered_json object = ordered_json::object();
    writeFields(kStateFields,
                std::span(reinterpret_cast<const std::uint8_t*>(&state), sizeof state), object);
    return jsonText(object);
}

bool simStateFromJson(std::string_view text, SimMouseState& state, std::string& error) {
    ordered_json root;
    if (!parseJson(text, root, error)) {
        return false;
    }
    SimMouseState next = state;
    if (!readFields(kStateFields, root, bytesOf(next), MissingMember::Kept, error)) {
        return false;
    }
    state = next;
    return true;
}

} // namespace pelmora::sim
