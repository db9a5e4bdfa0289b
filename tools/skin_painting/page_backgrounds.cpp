#include "skin_painting/skin_paint.h"

#include "ui/pages/page_layout.h"
#include "ui/skin/dialog_layout.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>

namespace pelmora::skins {

namespace L = layout;
namespace D = dialog_layout;

namespace {

void frame(QPainter& p, const Palette& c, bool advanced) {
    p.fillRect(QRect(0, 0, L::kWindowWidth, L::kWindowHeight), c.base);
    // Title bar with the program's name.
    fill(p, {0, 0, L::kWindowWidth, 30}, c.bar);
    hline(p, 0, L::kWindowWidth, 30, c.edge);
    p.fillRect(QRect(14, 10, 3, 11), c.accent);
    text(p, {22, 0, 300, 30}, "PELMORA", Qt::AlignLeft | Qt::AlignVCenter, captionFont(13, true),
         c.text);
    // Page header: the tabs and the title; the current page's tab is marked.
    hline(p, 0, L::kWindowWidth, 112, c.edge);
    QLinearGradient glow(0, 0, 420, 0);
    glow.setColorAt(0, c.accent);
    glow.setColorAt(1, QColor(c.accent.red(), c.accent.green(), c.accent.blue(), 0));
    p.fillRect(QRect(0, 112, 420, 1), glow);
    const Rect tab = advanced ? L::kAdvancedTab : L::kBasicTab;
    p.fillRect(QRect(tab.left + 4, tab.bottom + 5, tab.width() - 8, 2), c.accent);
    p.fillRect(QRect(L::kPageTitle.left - 8, L::kPageTitle.top + 8, 1, 24), c.edge);
    // The profile chooser, on both pages.
    dropHeader(p, c, L::kProfileBox);
    // Bottom bar with the web link and OK, Apply, Cancel.
    fill(p, {0, 610, L::kWindowWidth, L::kWindowHeight}, c.bar);
    hline(p, 0, L::kWindowWidth, 610, c.edge);
    outline(p, {0, 0, L::kWindowWidth, L::kWindowHeight}, c.edgeLight);
}

// The mouse beside the key list, its buttons numbered like the drop-downs.
void mouseDrawing(QPainter& p, const Palette& c) {
    const Rect area{22, 150, 228, 598};
    panel(p, c, area);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(66, 214, 104, 212);
    QLinearGradient g(body.topLeft(), body.bottomRight());
    g.setColorAt(0, mix(c.panel, c.edgeLight, 0.35));
    g.setColorAt(1, c.well);
    p.setPen(QPen(c.edgeLight, 1.2));
    p.setBrush(g);
    p.drawRoundedRect(body, 52, 60);
    p.setPen(QPen(c.edgeLight, 1.2));
    p.drawLine(QPointF(118, 215), QPointF(118, 300));
    p.drawLine(QPointF(68, 300), QPointF(168, 300));
    p.setBrush(c.well);
    p.drawRoundedRect(QRectF(112, 238, 12, 28), 6, 6); // wheel
    p.setBrush(c.accent);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(115, 276, 6, 12), 3, 3); // DPI button
    p.setBrush(mix(c.well, c.accent, 0.25));
    p.setPen(QPen(c.edgeLight, 1));
    p.drawRoundedRect(QRectF(61, 318, 8, 26), 3, 3); // forward
    p.drawRoundedRect(QRectF(61, 350, 8, 26), 3, 3); // backward
    // Accent glow under the body.
    p.setPen(Qt::NoPen);
    p.setBrush(c.accent);
    p.drawRoundedRect(QRectF(104, 414, 28, 3), 1.5, 1.5);

    struct Callout {
        int n;
        QPointF from;
        QPointF to;
    };
    const std::array<Callout, 6> callouts = {{{1, {88, 250}, {40, 196}},
                                              {2, {150, 250}, {204, 196}},
                                              {3, {118, 244}, {118, 182}},
                                              {4, {62, 330}, {40, 330}},
                                              {5, {62, 362}, {40, 400}},
                                              {6, {121, 282}, {204, 300}}}};
    for (const Callout& k : callouts) {
        p.setPen(QPen(c.textDim, 1));
        p.drawLine(k.from, k.to);
        p.setPen(QPen(c.accent, 1.2));
        p.setBrush(c.panel);
        p.drawEllipse(k.to, 8, 8);
        p.setPen(c.text);
        p.setFont(captionFont(10, true));
        p.drawText(QRectF(k.to.x() - 8, k.to.y() - 8, 16, 16), Qt::AlignCenter,
                   QString::number(k.n));
    }
    p.restore();
}

} // namespace

QImage basicBackground(const Palette& c) {
    QImage image = blank(L::kWindowWidth, L::kWindowHeight);
    QPainter p(&image);
    frame(p, c, false);
    mouseDrawing(p, c);

    // Key settings: the drop-downs, the mode switch and Default.
    panel(p, c, {240, 150, 476, 598});
    hline(p, 252, 464, L::kKeySettingCaption.bottom + 8, c.edge);
    fill(p,
         grown({L::kModeAButton.left, L::kModeAButton.top, L::kModeBButton.right,
                L::kModeBButton.bottom},
               2),
         c.well);

    // Report rate: a track behind the four steps.
    panel(p, c, {490, 150, 866, 262});
    hline(p, 504, 852, L::kReportRateCaption.bottom + 8, c.edge);
    const Rect rateTrack{L::kReportRateSteps[0].left, L::kReportRateSteps[0].top,
                         L::kReportRateSteps[3].right, L::kReportRateSteps[3].bottom};
    outline(p, grown(rateTrack, 3), c.edge);

    // DPI stages: a track behind each column holding every level cell a
    // sensor can have (twelve); the rule under the caption stays above it.
    panel(p, c, {482, 268, 674, 598});
    const int trackTop = L::dpiLevelCell(0, L::kDpiMaxLevels).top - 2;
    hline(p, 494, 662, std::min(L::kDpiSettingCaption.bottom + 8, trackTop - 3), c.edge);
    for (int s = 0; s < 4; ++s) {
        const Rect bottom = L::dpiLevelCell(s, 1);
        const Rect track{bottom.left - 2, trackTop, bottom.right + 2, bottom.bottom + 2};
        fill(p, track, c.well);
        outline(p, track, c.edge);
        outline(p, grown(L::dpiSwatch(s), 1), c.edgeLight);
    }

    // Lighting: three boxes with their arrows.
    panel(p, c, {684, 268, 866, 598});
    hline(p, 696, 854, L::kDpiEffectCaption.bottom + 8, c.edge);
    for (const Rect& box : L::kLightingBoxes) {
        fill(p, grown(box, 1), c.well);
        outline(p, grown(box, 2), c.edge);
        chevronDown(p, QPointF(box.right - 8, (box.top + box.bottom) / 2.0), 3, c.accent);
    }
    return image;
}

QImage advancedBackground(const Palette& c) {
    QImage image = blank(L::kWindowWidth, L::kWindowHeight);
    QPainter p(&image);
    frame(p, c, true);

    // Pointer settings: three sections with a track behind each tick row.
    panel(p, c, {26, 150, 432, 604});
    for (int row = 0; row < 3; ++row) {
        const Rect first = L::speedTick(row, 1);
        const Rect last = L::speedTick(row, L::kSpeedSteps);
        outline(p, grown({first.left, first.top, last.right, last.bottom}, 3), c.edge);
        if (row > 0) {
            hline(p, 38, 420, first.top - 56, c.edge);
        }
        hline(p, 38, 420, first.top - 17, mix(c.panel, c.edge, 0.6));
    }
    emptyTickBox(p, c, L::kPrecisionBox.left, L::kPrecisionBox.top);
    emptyTickBox(p, c, L::kScrollScreenBox.left, L::kScrollScreenBox.top);

    // Macro editor: headings, the two list frames and the recording column.
    panel(p, c, {448, 150, 882, 604});
    const Rect headings{L::kMacroColumnHeadings[0].left, L::kMacroColumnHeadings[0].top,
                        L::kMacroColumnHeadings[2].right, L::kMacroColumnHeadings[2].bottom};
    fill(p, headings, mix(c.panel, c.edgeLight, 0.22));
    hline(p, headings.left, headings.right, headings.bottom - 1, c.accent);
    for (int i = 1; i < 3; ++i) {
        p.fillRect(QRect(L::kMacroColumnHeadings[i].left, headings.top + 5, 1, 14), c.edge);
    }
    for (const Rect& list : {L::kMacroNameList, L::kEventList}) {
        fill(p, list, QColor(4, 5, 6));
        outline(p, grown(list, 1), c.edge);
    }
    // Record and stop buttons.
    for (const Rect& b : {L::kStartRecordButton, L::kStopRecordButton}) {
        roundedBox(p, QRectF(q(b)), 4, c.well, c.edgeLight);
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(c.danger);
    p.drawEllipse(QPointF(L::kStartRecordButton.left + 14.5, L::kStartRecordButton.top + 14.5), 6,
                  6);
    p.setBrush(c.text);
    p.drawRoundedRect(QRectF(L::kStopRecordButton.left + 9, L::kStopRecordButton.top + 9, 11, 11),
                      1.5, 1.5);
    p.restore();
    well(p, c, L::kMacroNameField);
    well(p, c, L::kLoopTimesField);
    dropHeader(p, c, L::kMouseEventBox);
    return image;
}

} // namespace pelmora::skins
