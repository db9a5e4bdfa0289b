#include "base/log.h"

#include "base/environment.h"

#include <array>

namespace pelmora {

namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(LogCategory::Count)> kCategoryNames{
    "device", "desktop", "files", "bus", "window"};
constexpr std::array<std::string_view, 3> kLevelNames{"debug", "info", "warning"};

std::optional<LogLevel> levelNamed(std::string_view name) {
    for (std::size_t i = 0; i < kLevelNames.size(); ++i) {
        if (kLevelNames[i] == name) {
            return static_cast<LogLevel>(i);
        }
    }
    return std::nullopt;
}

std::optional<LogCategory> categoryNamed(std::string_view name) {
    for (std::size_t i = 0; i < kCategoryNames.size(); ++i) {
        if (kCategoryNames[i] == name) {
            return static_cast<LogCategory>(i);
        }
    }
    return std::nullopt;
}

LogSink& sink() {
    static LogSink installed;
    return installed;
}

} // namespace

std::string_view logCategoryName(LogCategory category) {
    const auto i = static_cast<std::size_t>(category);
    return i < kCategoryNames.size() ? kCategoryNames[i] : std::string_view{};
}

std::string_view logLevelName(LogLevel level) {
    const auto i = static_cast<std::size_t>(level);
    return i < kLevelNames.size() ? kLevelNames[i] : std::string_view{};
}

std::optional<LogFilter> LogFilter::parse(std::string_view text) {
    LogFilter filter;
    if (const auto all = levelNamed(text)) {
        filter.lowest_.fill(*all);
        return filter;
    }
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const auto category = categoryNamed(item.substr(0, equals));
        const auto level = levelNamed(item.substr(equals + 1));
        if (!category || !level) {
            return std::nullopt;
        }
        filter.lowest_[static_cast<std::size_t>(*category)] = *level;
    }
    return filter;
}

LogFilter LogFilter::fromEnvironment() {
    return parse(environmentValue("PELMORA_LOG")).value_or(LogFilter{});
}

void setLogSink(LogSink newSink) {
    sink() = std::move(newSink);
}

void logLine(LogCategory category, LogLevel level, std::string_view message) {
    if (const LogSink& s = sink()) {
        s(category, level, message);
    }
}

} // namespace pelmora
