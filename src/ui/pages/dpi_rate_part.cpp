#include "ui/pages/dpi_rate_part.h"

#include "settings/control_names.h"
#include "settings/dpi_rate_settings.h"
#include "settings/dpi_tables.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_controls.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"
#include "ui/skin/sliders.h"

namespace pelmora {

namespace L = layout;
namespace img = skin_image;

namespace {

constexpr std::array<PageCaption, 2> kCaptions = {{
    {L::kReportRateCaption, TextId::ReportRateSetting},
    {L::kDpiSettingCaption, TextId::DpiSetting},
}};

// Draws a skin image at r after restoring the background under it, so
// images with soft edges never pile up on one another.
void drawFresh(QPainter* painter, std::string_view image, const Rect& r) {
    restoreSkinImagePart(painter, img::kBasicBackground, r);
    drawSkinImage(painter, image, r.left, r.top);
}

Rect columnCells(int stage, int levelCount) {
    const Rect bottom = L::dpiLevelCell(stage, 1);
    return {bottom.left, L::dpiLevelCell(stage, levelCount).top, bottom.right, bottom.bottom};
}

} // namespace

DpiRatePart::DpiRatePart(PageFrame& frame, SettingsBlock& settings,
                         std::function<std::uint8_t()> sensorType)
    : frame_(frame), settings_(settings), sensorType_(std::move(sensorType)) {}

void DpiRatePart::draw(QPainter* p) {
    drawCaptions(p, kCaptions, frame_.textFont());
    const QColor& colour = skinState().textColour();
    const QFont& font = frame_.textFont();

    // Report rate: four steps, the stored one lit, labels under them.
    const std::size_t lit = litRateStep(settings_.reportInterval);
    for (std::size_t i = 0; i < kRateStepCount; ++i) {
        const Rect& step = L::kReportRateSteps[i];
        drawFresh(p, i == lit ? img::kSliderRateLight : img::kSliderRateDark, step);
        drawTextLine(p, L::reportRateLabel(step), QString::number(kRateStepReportsPerSecond[i]),
                     TextAlign::TopCentre, font, colour);
    }

    // DPI stages: the level labels of the mouse's table, then each column.
    const std::uint8_t sensor = sensorType();
    const int levels = dpiShownLevelCount(sensor);
    const std::uint8_t labels = dpiLabelSensorType(sensor);
    for (int k = 1; k <= levels; ++k) {
        const std::string_view value = dpiValueText(labels, static_cast<std::size_t>(k - 1));
        drawTextLine(p, L::dpiLevelLabel(k, levels), QString::fromUtf8(value), TextAlign::Right,
                     font, colour);
    }
    drawTextLine(p, L::kSelectLabel, QStringLiteral("Select"), TextAlign::Right, font, colour);
    for (int s = 0; s < static_cast<int>(kDpiStageCount); ++s) {
        drawTick(p, s);
        drawCells(p, s, dpiLitCells(settings_, static_cast<std::size_t>(s), sensor));
        drawTextLine(p, L::dpiStageNumber(s), QString::number(s + 1), TextAlign::TopCentre, font,
                     colour);
    }
}

void DpiRatePart::drawCells(QPainter* p, int stage, int lit) const {
    const int levels = dpiShownLevelCount(sensorType());
    restoreSkinImagePart(p, img::kBasicBackground, columnCells(stage, levels));
    LevelSlider(L::dpiLevelCell(stage, 1), img::kSliderDpiLight, img::kSliderDpiDark)
        .draw(p, lit, levels);
}

void DpiRatePart::drawTick(QPainter* p, int stage) const {
    const bool on = settings_.dpiStageOn[static_cast<std::size_t>(stage)] == 1;
    drawFresh(p, on ? img::kPaneTicked : img::kPane, L::dpiStageTick(stage));
}

void DpiRatePart::describe(std::vector<SkinControl>& out) {
    const std::string& code = skinState().language();
    const std::size_t lit = litRateStep(settings_.reportInterval);
    const Rect firstStep = L::kReportRateSteps.front();
    out.push_back(
        {.rect = {firstStep.left, firstStep.top, L::kReportRateSteps.back().right,
                  firstStep.bottom},
         .role = QAccessible::Slider,
         .name = pageText(TextId::ReportRateSetting, code),
         .value = controlNameText(ControlName::ReportRateValue).arg(kRateStepReportsPerSecond[lit]),
         .steps = {L::kReportRateSteps.begin(), L::kReportRateSteps.end()},
         .step = static_cast<int>(lit),
         .stepValues = {kRateStepReportsPerSecond.begin(), kRateStepReportsPerSecond.end()}});
    // Each stage's column from the bottom up: levels, colour, tick box.
    const std::uint8_t sensor = sensorType();
    const std::uint8_t labels = dpiLabelSensorType(sensor);
    const int levels = dpiShownLevelCount(sensor);
    const QString stageName = controlNameText(ControlName::DpiStage);
    std::vector<int> dpis;
    for (int k = 1; k <= levels; ++k) {
        const std::string_view dpi = dpiValueText(labels, static_cast<std::size_t>(k - 1));
        dpis.push_back(QString::fromUtf8(dpi.data(), static_cast<qsizetype>(dpi.size())).toInt());
    }
    for (int s = 0; s < static_cast<int>(kDpiStageCount); ++s) {
        const auto stage = static_cast<std::size_t>(s);
        const int level = dpiLitCells(settings_, stage, sensor);
        const QString value = level > 0 ? controlNameText(ControlName::DpiValue)
                                              .arg(dpis[static_cast<std::size_t>(level - 1)])
                                        : QString();
        std::vector<Rect> cells;
        for (int k = 1; k <= levels; ++k) {
            cells.push_back(L::dpiLevelCell(s, k));
        }
        const bool on = settings_.dpiStageOn[stage] == 1;
        out.push_back({.rect = columnCells(s, levels),
                       .role = QAccessible::Slider,
                       .name = level > 0 ? stageName.arg(s + 1) + QStringLiteral(": ") + value
                                         : controlNameText(ControlName::DpiStageOff).arg(s + 1),
                       .value = value,
                       .steps = std::move(cells),
                       .step = level - 1,
                       .stepValues = dpis});
        const auto& rgb = settings_.dpiColour[stage];
        out.push_back(
            {.rect = L::dpiSwatch(s),
             .name = colourControlName(controlNameText(ControlName::DpiStageColour).arg(s + 1),
                                       QColor(rgb[0], rgb[1], rgb[2])),
             .disabled = !on});
        out.push_back({.rect = L::dpiStageTick(s),
                       .role = QAccessible::CheckBox,
                       .name = stageName.arg(s + 1),
                       .checked = on});
    }
}

bool DpiRatePart::press(const QPoint& p) {
    return pressRateStep(p) || pressStageTick(p) || pressLevelCell(p);
}

bool DpiRatePart::pressRateStep(const QPoint& p) {
    for (std::size_t i = 0; i < kRateStepCount; ++i) {
        if (!contains(L::kReportRateSteps[i], p)) {
            continue;
        }
        const std::size_t lit = litRateStep(settings_.reportInterval);
        if (setReportRateStep(settings_, i)) {
            CMemDC dc(frame_.canvas());
            drawFresh(dc.painter(), img::kSliderRateLight, L::kReportRateSteps[i]);
            drawFresh(dc.painter(), img::kSliderRateDark, L::kReportRateSteps[lit]);
        }
        return true;
    }
    return false;
}

bool DpiRatePart::pressStageTick(const QPoint& p) {
    for (int s = 0; s < static_cast<int>(kDpiStageCount); ++s) {
        if (!contains(L::dpiStageTick(s), p)) {
            continue;
        }
        const StageToggle result = toggleDpiStage(settings_, static_cast<std::size_t>(s));
        CMemDC dc(frame_.canvas());
        if (result != StageToggle::KeptLastStage) {
            drawTick(dc.painter(), s);
            drawCells(dc.painter(), s,
                      dpiLitCells(settings_, static_cast<std::size_t>(s), sensorType()));
        }
        return true;
    }
    return false;
}

bool DpiRatePart::pressLevelCell(const QPoint& p) {
    const std::uint8_t sensor = sensorType();
    const int levels = dpiShownLevelCount(sensor);
    for (int s = 0; s < static_cast<int>(kDpiStageCount); ++s) {
        const int k = LevelSlider(L::dpiLevelCell(s, 1)).hit(p, levels);
        if (k == 0) {
            continue;
        }
        if (!setDpiLevel(settings_, static_cast<std::size_t>(s), k, sensor)) {
            // A cell this sensor does not offer: nothing happens.
            return true;
        }
        // Lit up to the click even on a disabled stage, until the page is
        // drawn again.
        CMemDC dc(frame_.canvas());
        drawCells(dc.painter(), s, k);
        return true;
    }
    return false;
}

} // namespace pelmora
