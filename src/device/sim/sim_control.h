#pragma once
// Lines a script sends to the simulated mouse (--sim-control):
// "event TYPE VALUE", "unplug", "plug".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora::sim {

struct SimControlCommand {
    enum class Kind { Event, Unplug, Plug } kind = Kind::Event;
    std::uint8_t type = 0;  // event only
    std::uint8_t value = 0; // event only
};

// Null (with `error`) for anything else; numbers are decimal 0..255.
// Surrounding blanks and a trailing carriage return are ignored.
std::optional<SimControlCommand> parseSimControlLine(std::string_view line, std::string& error);

// The blank-separated words of a control line (blanks, tabs and carriage
// returns separate), for programs that add lines of their own.
std::vector<std::string_view> controlLineWords(std::string_view line);

} // namespace pelmora::sim
