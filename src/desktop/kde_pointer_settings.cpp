#include "desktop/kde_pointer_settings.h"

#include "base/ini_file.h"
#include "desktop/kde_change_notice.h"

#include <charconv>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr std::string_view kGroup = "KDE";
constexpr std::string_view kWheelKey = "WheelScrollLines";
constexpr std::string_view kDoubleClickKey = "DoubleClickInterval";

// KDE reads a value that is no number as its default.
int numberOr(const IniFile& ini, std::string_view key, int fallback) {
    const std::optional<std::string> text = ini.value(kGroup, key);
    if (!text) {
        return fallback;
    }
    int value = 0;
    const char* end = text->data() + text->size();
    const auto [rest, ec] = std::from_chars(text->data(), end, value);
    return ec == std::errc() && rest == end ? value : fallback;
}

} // namespace

KdePointerSettings::KdePointerSettings(std::filesystem::path configHome, std::string busAddress)
    : configHome_(std::move(configHome)), busAddress_(std::move(busAddress)) {}

bool KdePointerSettings::has(PointerSetting setting) const {
    return setting == PointerSetting::WheelLines || setting == PointerSetting::DoubleClick;
}

bool KdePointerSettings::writable(PointerSetting setting) const {
    // The file is replaced as a whole: its folder must take a new file.
    return has(setting) && ::access(configHome_.c_str(), W_OK) == 0;
}

PointerValues KdePointerSettings::read(PointerReport& report) {
    IniFile ini;
    std::string error;
    PointerValues v;
    if (!IniFile::load(file(), ini, error)) {
        report.failures.push_back({PointerSetting::WheelLines, error});
        report.failures.push_back({PointerSetting::DoubleClick, error});
        return v;
    }
    v.wheelLines = numberOr(ini, kWheelKey, kKdeDefaultWheelLines);
    v.doubleClickMs = numberOr(ini, kDoubleClickKey, kKdeDefaultDoubleClickMs);
    return v;
}

void KdePointerSettings::write(const PointerValues& v, PointerReport& report) {
    if (!v.wheelLines && !v.doubleClickMs) {
        return;
    }
    std::string error;
    std::error_code ec;
    std::filesystem::create_directories(configHome_, ec);
    const bool saved = editIniFile(file(), error, [&](IniFile& ini) {
        if (v.wheelLines && !ini.setValue(kGroup, kWheelKey, std::to_string(*v.wheelLines))) {
            return false;
        }
        return !v.doubleClickMs ||
               ini.setValue(kGroup, kDoubleClickKey, std::to_string(*v.doubleClickMs));
    });
    if (!saved) {
        const std::string reason = file().string() + ": " + error;
        if (v.wheelLines) {
            report.failures.push_back({PointerSetting::WheelLines, reason});
        }
        if (v.doubleClickMs) {
            report.failures.push_back({PointerSetting::DoubleClick, reason});
        }
        return;
    }
    if (!notifyKdeMouseSettingsChanged(busAddress_, error)) {
        report.notes.push_back("KDE applications were not told of the change: " + error);
    }
}

} // namespace pelmora
