#pragma once
// A strict JSON syntax check for tests of printed output.

#include <string>
#include <string_view>

namespace pelmora::testing {

// True when `text` is exactly one JSON value (surrounding white space allowed);
// otherwise false with the position and reason in `error`.
bool isValidJson(std::string_view text, std::string* error = nullptr);

} // namespace pelmora::testing
