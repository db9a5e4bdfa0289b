#include "device/sim/sim_state_json.h"

#include "base/hex_text.h"
#include "settings/json_value.h"

#include <cctype>
#include <map>
#include <memory>
#include <sstream>
#include <variant>
#include <vector>

namespace pelmora::sim {

namespace {

using json::Array;
using json::Object;
using json::Value;

bool readByte(const Object& object, std::string_view name, std::uint8_t& out, std::string& error) {
    const auto it = object.find(name);
    if (it == object.end()) {
        return true;
    }
    const auto* number = std::get_if<long long>(&it->second.data);
    if (!number || *number < 0 || *number > 255) {
        error = std::string(name) + " must be a number from 0 to 255";
        return false;
    }
    out = static_cast<std::uint8_t>(*number);
    return true;
}

template <std::size_t N>
bool hexInto(const Value& value, std::string_view name, std::array<std::uint8_t, N>& out,
             std::string& error) {
    const auto* text = std::get_if<std::string>(&value.data);
    const auto bytes = text ? fromHex(*text) : std::nullopt;
    if (!bytes || bytes->size() != N) {
        error = std::string(name) + " must be a hex string of " + std::to_string(N) + " bytes";
        return false;
    }
    std::copy(bytes->begin(), bytes->end(), out.begin());
    return true;
}

template <std::size_t N>
bool readHex(const Object& object, std::string_view name, std::array<std::uint8_t, N>& out,
             std::string& error) {
    const auto it = object.find(name);
    return it == object.end() || hexInto(it->second, name, out, error);
}

template <std::size_t N, std::size_t Count>
bool readHexList(const Object& object, std::string_view name,
                 std::array<std::array<std::uint8_t, N>, Count>& out, std::string& error) {
    const auto it = object.find(name);
    if (it == object.end()) {
        return true;
    }
    const auto* list = std::get_if<std::shared_ptr<Array>>(&it->second.data);
    if (!list || (*list)->size() != Count) {
        error = std::string(name) + " must be a list of " + std::to_string(Count) + " hex strings";
        return false;
    }
    for (std::size_t i = 0; i < Count; ++i) {
        if (!hexInto((**list)[i], name, out[i], error)) {
            return false;
        }
    }
    return true;
}

void writeHexList(std::ostringstream& out, std::string_view name, const auto& list) {
    out << "  \"" << name << "\": [";
    for (std::size_t i = 0; i < list.size(); ++i) {
        out << (i ? ",\n    \"" : "\n    \"") << toHex(list[i]) << '"';
    }
    out << "\n  ]";
}

} // namespace

std::string simStateToJson(const SimMouseState& s) {
    std::ostringstream out;
    out << "{\n";
    auto number = [&out](std::string_view name, int value) {
        out << "  \"" << name << "\": " << value << ",\n";
    };
    auto hex = [&out](std::string_view name, std::span<const std::uint8_t> bytes) {
        out << "  \"" << name << "\": \"" << toHex(bytes) << "\",\n";
    };
    number("sensorType", s.sensorType);
    number("reportRate", s.reportRate);
    number("option1", s.option1);
    number("option2", s.option2);
    number("reportInterval", s.reportInterval);
    number("effect", s.effect);
    number("effectOption1", s.effectOption1);
    number("effectOption2", s.effectOption2);
    hex("colourPage0", s.colourPage0);
    hex("colourPage1", s.colourPage1);
    hex("dpiColours", s.dpiColours);
    hex("dpiStages", s.dpiStages);
    writeHexList(out, "keyMatrices", s.keyMatrices);
    out << ",\n";
    writeHexList(out, "macroSlots", s.macroSlots);
    out << "\n}\n";
    return out.str();
}

bool simStateFromJson(std::string_view text, SimMouseState& state, std::string& error) {
    Value root;
    if (!json::parse(text, root, error)) {
        return false;
    }
    const auto* object = std::get_if<std::shared_ptr<Object>>(&root.data);
    if (!object) {
        error = "the state must be a JSON object";
        return false;
    }
    const Object& o = **object;
    SimMouseState next = state;
    const bool ok = readByte(o, "sensorType", next.sensorType, error) &&
                    readByte(o, "reportRate", next.reportRate, error) &&
                    readByte(o, "option1", next.option1, error) &&
                    readByte(o, "option2", next.option2, error) &&
                    readByte(o, "reportInterval", next.reportInterval, error) &&
                    readByte(o, "effect", next.effect, error) &&
                    readByte(o, "effectOption1", next.effectOption1, error) &&
                    readByte(o, "effectOption2", next.effectOption2, error) &&
                    readHex(o, "colourPage0", next.colourPage0, error) &&
                    readHex(o, "colourPage1", next.colourPage1, error) &&
                    readHex(o, "dpiColours", next.dpiColours, error) &&
                    readHex(o, "dpiStages", next.dpiStages, error) &&
                    readHexList(o, "keyMatrices", next.keyMatrices, error) &&
                    readHexList(o, "macroSlots", next.macroSlots, error);
    if (ok) {
        state = next;
    }
    return ok;
}

} // namespace pelmora::sim
