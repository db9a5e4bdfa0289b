#include "device/sim/sim_control.h"

#include <charconv>
#include <vector>

namespace pelmora::sim {

namespace {
std::optional<std::uint8_t> byteNumber(std::string_view text) {
    unsigned value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value > 255) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}
} // namespace

std::optional<SimControlCommand> parseSimControlLine(std::string_view line, std::string& error) {
    const auto w = controlLineWords(line);
    if (w.size() == 1 && w[0] == "unplug") {
        return SimControlCommand{SimControlCommand::Kind::Unplug};
    }
    if (w.size() == 1 && w[0] == "plug") {
        return SimControlCommand{SimControlCommand::Kind::Plug};
    }
    if (w.size() == 3 && w[0] == "event") {
        const auto type = byteNumber(w[1]);
        const auto value = byteNumber(w[2]);
        if (type && value) {
            return SimControlCommand{SimControlCommand::Kind::Event, *type, *value};
        }
        error = "event TYPE VALUE takes two numbers from 0 to 255";
        return std::nullopt;
    }
    error = "unknown control line \"" + std::string(line) +
            "\" (expected: event TYPE VALUE, unplug, plug)";
    return std::nullopt;
}

std::vector<std::string_view> controlLineWords(std::string_view line) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            ++i;
        }
        if (i > start) {
            out.push_back(line.substr(start, i - start));
        }
    }
    return out;
}

} // namespace pelmora::sim
