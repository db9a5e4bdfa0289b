#pragma once
// A small JSON reader: objects, arrays, strings, whole numbers, true, false
// and null, nested at most 16 deep. Enough for the simulated mouse's state
// file and pelmora-cli's profiles.

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora::json {

struct Value;
using Object = std::map<std::string, Value, std::less<>>;
using Array = std::vector<Value>;
struct Value {
    std::variant<std::monostate, long long, std::string, std::shared_ptr<Array>,
                 std::shared_ptr<Object>, bool>
        data;
};

// Parses a whole document; false with `error` (what and where) otherwise.
bool parse(std::string_view text, Value& out, std::string& error);

} // namespace pelmora::json
