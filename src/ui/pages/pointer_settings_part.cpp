#include "ui/pages/pointer_settings_part.h"

#include "base/log.h"
#include "desktop/pointer_actions.h"
#include "desktop/pointer_backend.h"
#include "desktop/pointer_levels.h"
#include "settings/pointer_texts.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"
#include "ui/skin/sliders.h"

#include <QPainter>

#include <array>

namespace pelmora {

namespace L = layout;
namespace img = skin_image;

namespace {

// What the page says of a setting this desktop does not take, drawn and read.
QString lacksSettingRemark() {
    return QString::fromUtf8(desktopLacksSettingText(languageFromCode(skinState().language())));
}

constexpr std::array<PageCaption, 5> kCaptions = {{
    {L::kMouseSpeedCaption, TextId::MouseSpeed},
    {L::kScrollSpeedCaption, TextId::ScrollingSpeed},
    {L::kDoubleClickCaption, TextId::DoubleClickSpeed},
    {L::tickBoxText(L::kPrecisionBox), TextId::EnhancePointerPrecision, TextAlign::Left},
    {L::tickBoxText(L::kScrollScreenBox), TextId::ScrollOneScreen, TextAlign::Left},
}};

// A row's remark goes on its caption's line, right of the caption; a box's
// under the box's label.
constexpr int kRemarkRight = 418;
constexpr Rect remarkBeside(const Rect& caption) {
    return {caption.right + 8, caption.top, kRemarkRight, caption.bottom};
}
constexpr Rect remarkUnder(const Rect& label) {
    return {label.left, label.bottom + 1, kRemarkRight, label.bottom + 17};
}
constexpr std::array<Rect, 3> kRowCaptions = {L::kMouseSpeedCaption, L::kScrollSpeedCaption,
                                              L::kDoubleClickCaption};
// The rows from the top of the page.
constexpr std::array<PointerRow, 3> kRows = {PointerRow::Speed, PointerRow::WheelLines,
                                             PointerRow::DoubleClick};

// The whole rows, numbers included, for a redraw of one row.
Rect rowArea(int row) {
    const Rect first = L::speedTick(row, 1);
    const Rect number = L::speedTickNumber(L::speedTick(row, L::kSpeedSteps));
    return {first.left, first.top, number.right, number.bottom};
}

} // namespace

PointerSettingsPart::PointerSettingsPart(PageFrame& frame, SettingsBlock& settings,
                                         MessageSink& messages)
    : frame_(frame), settings_(settings), messages_(messages) {
    default_ = {L::kPointerDefaultButton, img::kButtonNormal, img::kButtonOver, {}, {}};
}

PointerSettingsPart::~PointerSettingsPart() = default;

void PointerSettingsPart::setDesktop(std::unique_ptr<PointerSettings> desktop) {
    desktop_ = std::move(desktop);
}

PointerSettings& PointerSettingsPart::desktop() {
    if (!desktop_) {
        std::string note;
        desktop_ = makePointerSettings(PointerEnvironment::fromProcess(), note);
        logLine(LogCategory::Desktop, LogLevel::Info, note);
    }
    return *desktop_;
}

void PointerSettingsPart::log(const PointerReport& report) const {
    for (const PointerReport::Failure& f : report.failures) {
        logLine(LogCategory::Desktop, LogLevel::Warning, "pointer settings: " + f.reason);
    }
    for (const std::string& note : report.notes) {
        logLine(LogCategory::Desktop, LogLevel::Info, "pointer settings: " + note);
    }
}

void PointerSettingsPart::applyToDesktop() {
    log(applyDesktopPointerSettings(desktop(), settings_, messages_,
                                    languageFromCode(skinState().language())));
}

void PointerSettingsPart::enter() {
    default_.caption = pageText(TextId::RestoreDefaults, skinState().language());
    // The desktop's values replace the stored levels once per run.
    if (!read_) {
        read_ = true;
        log(readDesktopPointerSettings(desktop(), settings_, messages_,
                                       languageFromCode(skinState().language())));
    }
}

void PointerSettingsPart::drawRow(QPainter* p, int row) const {
    // Levels beyond the row (a desktop value past its ends) light what fits.
    const int level = pointerRowLevel(settings_, kRows[static_cast<std::size_t>(row)]);
    StepSlider(L::speedTick(row, 1)).draw(p, std::min(level, L::kSpeedSteps));
    for (int i = 1; i <= L::kSpeedSteps; ++i) {
        drawTextLine(p, L::speedTickNumber(L::speedTick(row, i)), QString::number(i),
                     TextAlign::TopCentre, frame_.textFont(), skinState().textColour());
    }
}

void PointerSettingsPart::drawBox(QPainter* p, const Rect& box, bool ticked) const {
    drawSkinImage(p, ticked ? img::kPaneTicked : img::kPane, box.left, box.top);
}

void PointerSettingsPart::drawRemarks(QPainter* p) {
    const QString remark = lacksSettingRemark();
    QColor colour = skinState().textColour();
    colour.setAlpha(170);
    PointerSettings& d = desktop();
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        if (desktopLacks(d, kRows[row])) {
            drawTextLine(p, remarkBeside(kRowCaptions[row]), remark, TextAlign::Left,
                         frame_.textFont(), colour);
        }
    }
    // A box whose row the desktop has, but not the box's own setting.
    if (desktopLacks(d, PointerBox::Precision)) {
        drawTextLine(p, remarkUnder(L::tickBoxText(L::kPrecisionBox)), remark, TextAlign::Left,
                     frame_.textFont(), colour);
    }
    if (desktopLacks(d, PointerBox::ScrollByScreen)) {
        drawTextLine(p, remarkUnder(L::tickBoxText(L::kScrollScreenBox)), remark, TextAlign::Left,
                     frame_.textFont(), colour);
    }
}

void PointerSettingsPart::draw(QPainter* p) {
    drawCaptions(p, kCaptions, frame_.textFont());
    for (int row = 0; row < 3; ++row) {
        drawRow(p, row);
    }
    drawBox(p, L::kPrecisionBox, pointerBoxTicked(settings_, PointerBox::Precision));
    drawBox(p, L::kScrollScreenBox, pointerBoxTicked(settings_, PointerBox::ScrollByScreen));
    drawHotArea(p, default_, false, frame_.textFont());
    drawRemarks(p);
}

void PointerSettingsPart::collectHotAreas(std::vector<HotArea*>& areas) {
    areas.push_back(&default_);
}

bool PointerSettingsPart::press(const QPoint& p) {
    if (contains(L::kPrecisionBox, p)) {
        redrawBox(L::kPrecisionBox, togglePointerBox(settings_, PointerBox::Precision));
        return true;
    }
    if (contains(L::kScrollScreenBox, p)) {
        redrawBox(L::kScrollScreenBox, togglePointerBox(settings_, PointerBox::ScrollByScreen));
        return true;
    }
    if (default_.contains(p)) {
        restoreDefaults();
        return true;
    }
    for (int row = 0; row < 3; ++row) {
        if (const int tick = StepSlider(L::speedTick(row, 1)).hit(p); tick != 0) {
            pickTick(row, tick);
            return true;
        }
    }
    return false;
}

void PointerSettingsPart::describe(std::vector<SkinControl>& out) {
    const std::string& code = skinState().language();
    constexpr std::array<TextId, 3> kRowNames = {TextId::MouseSpeed, TextId::ScrollingSpeed,
                                                 TextId::DoubleClickSpeed};
    constexpr std::array<std::pair<Rect, PointerBox>, 2> boxes = {
        std::pair{L::kPrecisionBox, PointerBox::Precision},
        std::pair{L::kScrollScreenBox, PointerBox::ScrollByScreen}};
    constexpr std::array<TextId, 2> kBoxNames = {TextId::EnhancePointerPrecision,
                                                 TextId::ScrollOneScreen};
    // What the page says of a setting this desktop lacks is read after it.
    PointerSettings& d = desktop();
    const QString remark = lacksSettingRemark();
    const auto remarkIf = [&out, &remark](bool lacks, const Rect& r) {
        if (lacks) {
            out.push_back({.rect = r, .role = QAccessible::StaticText, .name = remark});
        }
    };
    constexpr std::array<Rect, 2> boxRemarks = {remarkUnder(L::tickBoxText(L::kPrecisionBox)),
                                                remarkUnder(L::tickBoxText(L::kScrollScreenBox))};
    for (std::size_t row = 0; row < kRows.size(); ++row) {
        const int r = static_cast<int>(row);
        const int level = std::min<int>(pointerRowLevel(settings_, kRows[row]), L::kSpeedSteps);
        std::vector<Rect> ticks;
        for (int i = 1; i <= L::kSpeedSteps; ++i) {
            ticks.push_back(L::speedTick(r, i));
        }
        out.push_back({.rect = rowArea(r),
                       .role = QAccessible::Slider,
                       .name = pageText(kRowNames[row], code),
                       .value = QString::number(level),
                       .steps = std::move(ticks),
                       .step = level - 1});
        remarkIf(desktopLacks(d, kRows[row]), remarkBeside(kRowCaptions[row]));
        if (row < kBoxNames.size()) {
            out.push_back({.rect = boxes[row].first,
                           .role = QAccessible::CheckBox,
                           .name = pageText(kBoxNames[row], code),
                           .checked = pointerBoxTicked(settings_, boxes[row].second)});
            remarkIf(desktopLacks(d, boxes[row].second), boxRemarks[row]);
        }
    }
    out.push_back({.rect = default_.rect, .name = default_.caption});
}

void PointerSettingsPart::redrawBox(const Rect& box, bool ticked) {
    CMemDC dc(frame_.canvas(), toQRect(box));
    drawBox(dc.painter(), box, ticked);
}

void PointerSettingsPart::pickTick(int row, int tick) {
    if (pickPointerTick(settings_, kRows[static_cast<std::size_t>(row)], tick)) {
        redrawRow(row);
    }
}

void PointerSettingsPart::redrawRow(int row) {
    // From the background up, so the numbers' soft edges do not pile up.
    CMemDC dc(frame_.canvas(), toQRect(rowArea(row)));
    drawSkinImage(dc.painter(), img::kAdvancedBackground, 0, 0);
    drawRow(dc.painter(), row);
}

void PointerSettingsPart::restoreDefaults() {
    log(writeDesktopPointerDefaults(desktop(), settings_, messages_,
                                    languageFromCode(skinState().language())));
    redrawBox(L::kPrecisionBox, false);
    redrawBox(L::kScrollScreenBox, false);
    for (int row = 0; row < 3; ++row) {
        redrawRow(row);
    }
}

} // namespace pelmora
