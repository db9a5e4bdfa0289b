#pragma once
// The programs' one log: a line has a category (what part of the program
// speaks) and a level. The core writes its transitions here (the mouse found
// or lost, a transfer begun and ended, a hot-plug change); pelmora-cli
// prints what passes PELMORA_LOG on standard error, the window forwards every
// line to Qt's logging categories ("pelmora.device", ...), where
// QT_LOGGING_RULES or PELMORA_LOG choose.
//
// PELMORA_LOG: a level for every category ("debug", "info", "warning"), or
// a list of category=level ("device=debug,bus=info"); unset: warnings only.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

enum class LogCategory : std::uint8_t { Device, Desktop, Files, Bus, Window, Count };
enum class LogLevel : std::uint8_t { Debug, Info, Warning };

// "device", "desktop", "files", "bus", "window".
std::string_view logCategoryName(LogCategory category);
std::string_view logLevelName(LogLevel level);

// Which lines pass: the lowest level of each category.
class LogFilter {
public:
    LogFilter() { lowest_.fill(LogLevel::Warning); }
    // PELMORA_LOG's syntax; null for a text it does not take (the filter is
    // then the default).
    static std::optional<LogFilter> parse(std::string_view text);
    static LogFilter fromEnvironment();
    bool passes(LogCategory category, LogLevel level) const {
        return level >= lowest_[static_cast<std::size_t>(category)];
    }
    LogLevel lowest(LogCategory category) const {
        return lowest_[static_cast<std::size_t>(category)];
    }

private:
    std::array<LogLevel, static_cast<std::size_t>(LogCategory::Count)> lowest_{};
};

using LogSink = std::function<void(LogCategory, LogLevel, std::string_view message)>;
// Where lines go from now on; empty: nowhere. Set once, before the program
// starts any thread.
void setLogSink(LogSink sink);
void logLine(LogCategory category, LogLevel level, std::string_view message);

} // namespace pelmora
