#include "desktop/pointer_actions.h"

#include "desktop/pointer_levels.h"
#include "settings/interface_texts.h"
#include "settings/shell_messages.h"

#include <array>
#include <optional>
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

// Each text as the program has it; with a language, a second line says what
// the desktop answered and what to do.
template <std::size_t N>
void showFailures(const PointerReport& report, const std::array<SettingMessage, N>& table,
                  MessageSink& messages, std::optional<Language> language, FailureHelp help) {
    std::string_view last;
    for (const SettingMessage& m : table) {
        if (!report.failed(m.setting) || m.text == last) {
            continue;
        }
        last = m.text;
        if (!language) {
            messages.showMessage(m.text, kWarningCaption);
            continue;
        }
        std::string reasons;
        for (const PointerReport::Failure& f : report.failures) {
            if (f.setting == m.setting && reasons.find(f.reason) == std::string::npos) {
                reasons += (reasons.empty() ? "" : "; ") + f.reason;
            }
        }
        messages.showMessage(std::string(m.text) + '\n' + failureHelp(help, *language, reasons),
                             kWarningCaption);
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

PointerReport write(PointerSettings& desktop, const PointerValues& values, MessageSink& messages,
                    std::optional<Language> language) {
    PointerReport report;
    const PointerValues v = forDesktop(desktop, values);
    if (v != PointerValues{}) {
        desktop.write(v, report);
    }
    showFailures(report, kWriteFailures, messages, language, FailureHelp::PointerWrite);
    return report;
}

} // namespace

PointerReport readDesktopPointerSettings(PointerSettings& desktop, SettingsBlock& settings,
                                         MessageSink& messages, std::optional<Language> language) {
    PointerReport report;
    const PointerValues v = forDesktop(desktop, desktop.read(report));
    storePointerValues(v, settings);
    showFailures(report, kReadFailures, messages, language, FailureHelp::PointerRead);
    return report;
}

PointerReport applyDesktopPointerSettings(PointerSettings& desktop, const SettingsBlock& settings,
                                          MessageSink& messages, std::optional<Language> language) {
    return write(desktop, pointerValuesToWrite(settings), messages, language);
}

PointerReport writeDesktopPointerDefaults(PointerSettings& desktop, SettingsBlock& settings,
                                          MessageSink& messages, std::optional<Language> language) {
    PointerReport report = write(desktop, defaultPointerValues(), messages, language);
    setDefaultPointerLevels(settings);
    return report;
}

} // namespace pelmora
