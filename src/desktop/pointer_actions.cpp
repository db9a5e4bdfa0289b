#include "desktop/pointer_actions.h"

#include "settings/interface_texts.h"
#include "desktop/pointer_levels.h"

#include <array>
#include <string_view>

namespace pelmora {

namespace {

struct SettingMessage {
    PointerSetting setting;
    std::string_view text;
};

// In the order the settings are read and written; a text shows once even
// when two settings share it.
constexpr std::array<SettingMessage, 3> kReadFailures = {{
    {PointerSetting::Speed, "GETMOUSESPEED failed."},
    {PointerSetting::WheelLines, "GETWHEELSCROLLLINES failed."},
    {PointerSetting::DoubleClick, "GetDoubleClickTime failed."},
}};

constexpr std::array<SettingMessage, 5> kWriteFailures = {{
    {PointerSetting::Precision, "SETMOUSE failed."},
    {PointerSetting::Speed, "SETMOUSESPEED failed."},
    {PointerSetting::WheelLines, "SETWHEELSCROLLLINES failed."},
    {PointerSetting::ScrollByScreen, "SETWHEELSCROLLLINES failed."},
    {PointerSetting::DoubleClick, "SPI_SETDOUBLECLICKTIME failed."},
}};

template <std::size_t N>
void showFailures(const PointerReport& report, const std::array<SettingMessage, N>& table,
                  MessageSink& messages) {
    std::string_view last;
    for (const SettingMessage& m : table) {
        if (report.failed(m.setting) && m.text != last) {
            messages.showMessage(m.text, kWarningCaption);
            last = m.text;
        }
    }
}

// Only what this desktop has goes out.
PointerValues forDesktop(const PointerSettings& desktop, PointerValues v) {
    if (!desktop.has(PointerSetting::Precision)) {
        v.precision.reset();
    }
    if (!desktop.has(PointerSetting::Speed)) {
        v.speed.reset();
    }
    if (!desktop.has(PointerSetting::WheelLines)) {
        v.wheelLines.reset();
    }
    if (!desktop.has(PointerSetting::ScrollByScreen)) {
        v.scrollByScreen.reset();
    }
    if (!desktop.has(PointerSetting::DoubleClick)) {
        v.doubleClickMs.reset();
    }
    return v;
}

PointerReport write(PointerSettings& desktop, const PointerValues& values, MessageSink& messages) {
    PointerReport report;
    const PointerValues v = forDesktop(desktop, values);
    if (v != PointerValues{}) {
        desktop.write(v, report);
    }
    showFailures(report, kWriteFailures, messages);
    return report;
}

} // namespace

PointerReport readDesktopPointerSettings(PointerSettings& desktop, SettingsBlock& settings,
                                         MessageSink& messages) {
    PointerReport report;
    const PointerValues v = forDesktop(desktop, desktop.read(report));
    storePointerValues(v, settings);
    showFailures(report, kReadFailures, messages);
    return report;
}

PointerReport applyDesktopPointerSettings(PointerSettings& desktop, const SettingsBlock& settings,
                                          MessageSink& messages) {
    return write(desktop, pointerValuesToWrite(settings), messages);
}

PointerReport writeDesktopPointerDefaults(PointerSettings& desktop, SettingsBlock& settings,
                                          MessageSink& messages) {
    PointerReport report = write(desktop, defaultPointerValues(), messages);
    setDefaultPointerLevels(settings);
    return report;
}

} // namespace pelmora
