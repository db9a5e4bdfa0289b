// Apply's last step: the desktop's pointer settings.
#include "cli/desktop_pointer.h"

#include "desktop/pointer_actions.h"
#include "desktop/pointer_backend.h"
#include "desktop/pointer_levels.h"
#include "settings/message_sink.h"
#include "settings/pointer_texts.h"
#include "words/setting_words.h"

#include <array>
#include <ostream>

namespace pelmora::cli {

namespace {

// The setting name of what the desktop refused.
std::string_view nameOf(PointerSetting setting) {
    for (PointerRow row : {PointerRow::Speed, PointerRow::WheelLines, PointerRow::DoubleClick}) {
        if (desktopSettingOf(row) == setting) {
            return settingName(row);
        }
    }
    return settingName(setting == PointerSetting::Precision ? PointerBox::Precision
                                                            : PointerBox::ScrollByScreen);
}

// The page's remarks, for what this Apply would write: a row whose value
// (or, for the wheel, the one-screen box's) goes out, a box whose own does.
void showRemarks(CliContext& ctx, const PointerSettings& desktop, const PointerValues& v) {
    const auto remark = [&](std::string_view name) {
        ctx.err << "pelmora-cli: " << name << ": " << desktopLacksSettingText(Language::English)
                << " (desktop: " << desktop.name() << ")\n";
    };
    const std::array<std::pair<PointerRow, bool>, 3> rows = {{
        {PointerRow::Speed, v.speed.has_value()},
        {PointerRow::WheelLines, v.wheelLines.has_value() || v.scrollByScreen.has_value()},
        {PointerRow::DoubleClick, v.doubleClickMs.has_value()},
    }};
    for (const auto& [row, written] : rows) {
        if (written && desktopLacks(desktop, row)) {
            remark(settingName(row));
        }
    }
    const std::array<std::pair<PointerBox, bool>, 2> boxes = {{
        {PointerBox::Precision, v.precision.has_value()},
        {PointerBox::ScrollByScreen, v.scrollByScreen.has_value()},
    }};
    for (const auto& [box, written] : boxes) {
        if (written && desktopLacks(desktop, box)) {
            remark(settingName(box));
        }
    }
}

class NoMessages final : public MessageSink {
public:
    void showMessage(std::string_view, std::string_view) override {}
};

} // namespace

int writePointerSettings(CliContext& ctx, PointerSettings& desktop, const SettingsBlock& settings) {
    showRemarks(ctx, desktop, pointerValuesToWrite(settings));
    // The page's message boxes name the failed call; here each failure names
    // the setting and the desktop's reason instead.
    NoMessages messages;
    const PointerReport report = applyDesktopPointerSettings(desktop, settings, messages);
    for (const std::string& note : report.notes) {
        ctx.err << "pelmora-cli: pointer settings: " << note << '\n';
    }
    for (const PointerReport::Failure& f : report.failures) {
        ctx.err << "pelmora-cli: " << nameOf(f.setting) << " was not written to the desktop ("
                << desktop.name() << "): " << f.reason << '\n';
    }
    return report.failures.empty() ? kOkStatus : kFailedStatus;
}

int writePointerSettings(CliContext& ctx, const SettingsBlock& settings) {
    std::string note;
    const auto desktop = makePointerSettings(PointerEnvironment::fromProcess(), note);
    return writePointerSettings(ctx, *desktop, settings);
}

} // namespace pelmora::cli
