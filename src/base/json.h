#pragma once
// JSON through nlohmann::ordered_json (members keep their order): parsing
// without exceptions, with a message that says what is wrong and where, and
// the text every JSON document of the program is written as.

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

using nlohmann::ordered_json;

// The whole text as one JSON value; false with `error` ("line L, column C:
// ...") when it is none.
bool parseJson(std::string_view text, ordered_json& out, std::string& error);

// Two-space indentation, arrays of plain values on one line, and a final
// newline. Text that is no valid UTF-8 gets U+FFFD in place of the bad bytes.
std::string jsonText(const ordered_json& value);

// The value when it is a whole number from 0 to `max`.
std::optional<unsigned> smallNumber(const ordered_json& value, unsigned max);

} // namespace pelmora
