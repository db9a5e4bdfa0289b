#pragma once
// A small streaming JSON writer: enough for flat objects of numbers, strings
// and byte arrays, pretty-printed with two-space indentation.

#include <cstdint>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::cli {

// Lower-case hex digits of the bytes, no separators.
std::string hexString(std::span<const std::uint8_t> bytes);

class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    // Members of an object take a name; elements of an array pass {}.
    void beginObject(std::string_view name = {});
    void endObject();
    void beginArray(std::string_view name = {});
    void endArray();
    void number(std::string_view name, long long value);
    void string(std::string_view name, std::string_view value);
    void bytes(std::string_view name, std::span<const std::uint8_t> values); // array of numbers

private:
    void prefix(std::string_view name);
    void newline();
    void close(char bracket);

    struct Level {
        bool first = true;
        bool array = false;
    };
    std::ostream& out_;
    std::vector<Level> levels_;
};

std::string jsonEscape(std::string_view text);

} // namespace pelmora::cli
