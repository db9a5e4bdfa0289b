// Paints the skins the program ships: every image of a skin folder, for each
// skin in its own colours. The backgrounds carry the pages' and dialogs'
// fixed decoration (panels, frames, empty tick boxes, captions) exactly where
// the layout puts the controls, from the same constants the windows use.
//
//   make-skins <Skins folder>

#include "ui/pages/page_layout.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/rect.h"
#include "ui/skin/skin_image_names.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

namespace pelmora {
namespace {

namespace L = layout;
namespace D = dialog_layout;
namespace img = skin_image;

struct Palette {
    std::string_view skin;
    QColor base;      // window surface
    QColor bar;       // title and bottom bars
    QColor panel;     // group panels
    QColor well;      // fields, tracks, empty cells
    QColor edge;      // 1-pixel edges
    QColor edgeLight; // edges under the mouse
    QColor accent;    // the skin's one accent colour
    QColor text;      // captions painted into pictures
    QColor textDim;
    QColor danger; // close button under the mouse, record dot
};

constexpr int kPalettes = 2;
const std::array<Palette, kPalettes>& palettes() {
    static const std::array<Palette, kPalettes> table = {{
        {"Default", QColor(0x12, 0x15, 0x1a), QColor(0x0c, 0x0e, 0x12), QColor(0x19, 0x1d, 0x24),
         QColor(0x0e, 0x11, 0x15), QColor(0x2b, 0x31, 0x3b), QColor(0x4a, 0x54, 0x62),
         QColor(0x1f, 0xc8, 0xf0), QColor(0xe4, 0xe8, 0xee), QColor(0x8a, 0x94, 0xa3),
         QColor(0xe5, 0x48, 0x4d)},
        {"Ember", QColor(0x15, 0x13, 0x12), QColor(0x0e, 0x0c, 0x0b), QColor(0x1e, 0x1a, 0x18),
         QColor(0x10, 0x0e, 0x0d), QColor(0x36, 0x2d, 0x29), QColor(0x5c, 0x4c, 0x44),
         QColor(0xff, 0x7a, 0x1c), QColor(0xee, 0xe6, 0xe0), QColor(0xa0, 0x92, 0x88),
         QColor(0xe5, 0x48, 0x4d)},
    }};
    return table;
}

QRect q(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}
Rect grown(const Rect& r, int by) {
    return {r.left - by, r.top - by, r.right + by, r.bottom + by};
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t));
}

QFont captionFont(int px, bool bold = false) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// A crisp 1-pixel outline just inside r.
void outline(QPainter& p, const Rect& r, const QColor& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(c, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.left, r.top, r.width() - 1, r.height() - 1);
    p.restore();
}

void fill(QPainter& p, const Rect& r, const QColor& c) {
    p.fillRect(q(r), c);
}

void hline(QPainter& p, int x1, int x2, int y, const QColor& c) {
    p.fillRect(QRect(x1, y, x2 - x1, 1), c);
}

// A rounded box with a 1-pixel edge, drawn antialiased on half pixels so the
// straight parts stay crisp.
void roundedBox(QPainter& p, const QRectF& r, double radius, const QBrush& brush,
                const QColor& edge) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(edge, 1));
    p.setBrush(brush);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.restore();
}

void text(QPainter& p, const Rect& r, const QString& s, int flags, const QFont& f,
          const QColor& c) {
    p.save();
    p.setFont(f);
    p.setPen(c);
    p.drawText(q(r), flags | Qt::TextSingleLine, s);
    p.restore();
}

// A group panel: surface, 1-pixel edge and a short accent mark at its top.
void panel(QPainter& p, const Palette& c, const Rect& r) {
    fill(p, r, c.panel);
    outline(p, r, c.edge);
    p.fillRect(QRect(r.left + 1, r.top + 1, 3, 24), c.accent);
}

void chevronDown(QPainter& p, QPointF centre, double half, const QColor& colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    path.moveTo(centre.x() - half, centre.y() - half / 2);
    path.lineTo(centre.x(), centre.y() + half / 2);
    path.lineTo(centre.x() + half, centre.y() - half / 2);
    p.drawPath(path);
    p.restore();
}

// A field frame: a dark well with a 1-pixel edge one pixel outside r.
void well(QPainter& p, const Palette& c, const Rect& r) {
    fill(p, grown(r, 1), c.well);
    outline(p, grown(r, 2), c.edge);
}

// A drop-down header frame with its arrow at the right end.
void dropHeader(QPainter& p, const Palette& c, const Rect& r) {
    well(p, c, r);
    chevronDown(p, QPointF(r.right - 8, (r.top + r.bottom) / 2.0), 3.5, c.accent);
}

void emptyTickBox(QPainter& p, const Palette& c, int x, int y) {
    fill(p, {x, y, x + 16, y + 16}, c.well);
    outline(p, {x, y, x + 16, y + 16}, c.edgeLight);
}

// --- small images -----------------------------------------------------------

// The scale being painted: 1, then 2 for the "@2x" images of screens with
// twice the pixels. Every painter works in the same (unscaled) coordinates.
int gScale = 1;

QImage blank(int w, int h) {
    QImage image(w * gScale, h * gScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(gScale);
    return image;
}

QImage canvas(int w, int h) {
    QImage image = blank(w, h);
    image.fill(Qt::transparent);
    return image;
}

QImage button(const Palette& c, bool over) {
    QImage image = canvas(105, 21);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 21);
    g.setColorAt(0, over ? mix(c.panel, c.accent, 0.30) : mix(c.panel, c.edgeLight, 0.25));
    g.setColorAt(1, over ? mix(c.panel, c.accent, 0.18) : c.panel);
    roundedBox(p, QRectF(0, 0, 105, 21), 3, g, over ? c.accent : c.edgeLight);
    return image;
}

QImage dropdownBox(const Palette& c, bool over) {
    QImage image = canvas(211, 21);
    QPainter p(&image);
    roundedBox(p, QRectF(0, 0, 211, 21), 2, over ? mix(c.well, c.accent, 0.12) : c.well,
               over ? c.accent : c.edge);
    p.fillRect(QRect(L::kKeyBoxNumberWidth - 2, 4, 1, 13), over ? c.accent : c.edge);
    chevronDown(p, QPointF(200, 10.5), 4, over ? c.accent : c.textDim);
    return image;
}

// The three glyph buttons of the title bar, 18 x 18.
enum class Glyph { Close, Minimise, Skins };

QImage glyphButton(const Palette& c, Glyph glyph, bool over) {
    QImage image = canvas(18, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (over) {
        roundedBox(p, QRectF(0, 0, 18, 18), 3, glyph == Glyph::Close ? c.danger : c.accent,
                   glyph == Glyph::Close ? c.danger : c.accent);
    }
    const QColor ink = over ? c.bar : c.text;
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Close:
        p.drawLine(QPointF(5, 5), QPointF(13, 13));
        p.drawLine(QPointF(13, 5), QPointF(5, 13));
        break;
    case Glyph::Minimise:
        p.drawLine(QPointF(5, 12.5), QPointF(13, 12.5));
        break;
    case Glyph::Skins: // a palette: a drop of colour in a ring
        p.drawEllipse(QPointF(9, 9), 5, 5);
        p.setPen(Qt::NoPen);
        p.setBrush(over ? c.bar : c.accent);
        p.drawEllipse(QPointF(9, 9), 2.2, 2.2);
        break;
    }
    return image;
}

// Page tabs, 40 x 40: the basic page shows a mouse, the advanced page a set
// of sliders.
QImage pageTab(const Palette& c, bool advanced, bool over) {
    QImage image = canvas(40, 40);
    QPainter p(&image);
    roundedBox(p, QRectF(0, 0, 40, 40), 5, over ? mix(c.panel, c.accent, 0.22) : c.panel,
               over ? c.accent : c.edge);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = over ? c.text : c.textDim;
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    if (!advanced) {
        p.drawRoundedRect(QRectF(13, 8, 14, 24), 7, 7);
        p.drawLine(QPointF(20, 8.5), QPointF(20, 16));
        p.setPen(QPen(c.accent, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 11), QPointF(20, 13));
    } else {
        for (int i = 0; i < 3; ++i) {
            const double y = 12 + 8 * i;
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(9, y), QPointF(31, y));
            p.setPen(Qt::NoPen);
            p.setBrush(c.accent);
            p.drawEllipse(QPointF(i == 1 ? 24 : (i == 0 ? 15 : 19), y), 3, 3);
            p.setBrush(Qt::NoBrush);
        }
    }
    return image;
}

QImage tickBox(const Palette& c, bool ticked) {
    QImage image = canvas(16, 16);
    QPainter p(&image);
    if (!ticked) {
        emptyTickBox(p, c, 0, 0);
        return image;
    }
    fill(p, {0, 0, 16, 16}, c.accent);
    outline(p, {0, 0, 16, 16}, c.accent);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(c.bar, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3.5, 8.5);
    tick.lineTo(6.5, 11.5);
    tick.lineTo(12.5, 4.5);
    p.drawPath(tick);
    return image;
}

// A slider cell of w x h with a gap of `gap` pixels at its right end.
QImage cell(const Palette& c, int w, int h, int gap, bool light) {
    QImage image = canvas(w, h);
    QPainter p(&image);
    const Rect body{0, 0, w - gap, h};
    if (light) {
        fill(p, body, c.accent);
        hline(p, 0, w - gap, 0, c.accent.lighter(135));
    } else {
        fill(p, body, c.well);
        outline(p, body, c.edge);
    }
    return image;
}

// --- main window backgrounds --------------------------------------------------

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

// --- dialog backgrounds -------------------------------------------------------

// Titles and captions are drawn by the program in the active language: the
// pictures carry no text.
QImage dialogBase(const Palette& c, int height = D::kHeight) {
    QImage image = blank(D::kWidth, height);
    QPainter p(&image);
    p.fillRect(QRect(0, 0, D::kWidth, height), c.base);
    fill(p, {0, 0, D::kWidth, 30}, c.bar);
    hline(p, 0, D::kWidth, 30, c.edge);
    p.fillRect(QRect(14, 10, 3, 11), c.accent);
    // The dialog's fields sit on one panel above the buttons.
    fill(p, {D::kPanelLeft, 42, D::kPanelRight, D::kOkButton.top - 10}, c.panel);
    outline(p, {D::kPanelLeft, 42, D::kPanelRight, D::kOkButton.top - 10}, c.edge);
    outline(p, {0, 0, D::kWidth, height}, c.edgeLight);
    return image;
}

QImage singleKeyBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    well(p, c, D::kCenteredField);
    return image;
}

QImage comboKeyBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    dropHeader(p, c, D::kUpperHeader);
    well(p, c, D::kFirstField);
    well(p, c, D::kSecondField);
    return image;
}

QImage fireKeyBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    dropHeader(p, c, D::kUpperHeader);
    well(p, c, D::kFirstField);
    well(p, c, D::kSecondField);
    return image;
}

QImage delayBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    well(p, c, D::kCenteredField);
    return image;
}

QImage choiceBackground(const Palette& c, int height = D::kHeight) {
    QImage image = dialogBase(c, height);
    QPainter p(&image);
    dropHeader(p, c, D::kChoiceHeader);
    return image;
}

QImage macroKeyBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    dropHeader(p, c, D::kChoiceHeader);
    for (const Rect& box : {D::kMacroLoopTick1, D::kMacroLoopTick2, D::kMacroLoopTick3}) {
        emptyTickBox(p, c, box.left, box.top);
    }
    p.fillRect(QRect(200, 60, 1, 150), c.edge);
    return image;
}

QImage skinsBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    outline(p, grown(D::kSkinColourBox, 2), c.edgeLight);
    dropHeader(p, c, D::kSkinHeader);
    return image;
}

// --- the image table ------------------------------------------------------------

using Painter = std::function<QImage(const Palette&)>;

struct ImageRecipe {
    std::string_view name;
    Painter paint;
};

std::vector<ImageRecipe> recipes() {
    return {
        {img::kBasicBackground, basicBackground},
        {img::kAdvancedBackground, advancedBackground},
        {img::kButtonNormal, [](const Palette& c) { return button(c, false); }},
        {img::kButtonOver, [](const Palette& c) { return button(c, true); }},
        {img::kCloseNormal, [](const Palette& c) { return glyphButton(c, Glyph::Close, false); }},
        {img::kCloseOver, [](const Palette& c) { return glyphButton(c, Glyph::Close, true); }},
        {img::kMinNormal, [](const Palette& c) { return glyphButton(c, Glyph::Minimise, false); }},
        {img::kMinOver, [](const Palette& c) { return glyphButton(c, Glyph::Minimise, true); }},
        {img::kSkinsNormal, [](const Palette& c) { return glyphButton(c, Glyph::Skins, false); }},
        {img::kSkinsOver, [](const Palette& c) { return glyphButton(c, Glyph::Skins, true); }},
        {img::kPrePageNormal, [](const Palette& c) { return pageTab(c, false, false); }},
        {img::kPrePageOver, [](const Palette& c) { return pageTab(c, false, true); }},
        {img::kNextPageNormal, [](const Palette& c) { return pageTab(c, true, false); }},
        {img::kNextPageOver, [](const Palette& c) { return pageTab(c, true, true); }},
        {img::kDropdownNormal, [](const Palette& c) { return dropdownBox(c, false); }},
        {img::kDropdownOver, [](const Palette& c) { return dropdownBox(c, true); }},
        {img::kPane, [](const Palette& c) { return tickBox(c, false); }},
        {img::kPaneTicked, [](const Palette& c) { return tickBox(c, true); }},
        {img::kSliderLight, [](const Palette& c) { return cell(c, 24, 11, 2, true); }},
        {img::kSliderDark, [](const Palette& c) { return cell(c, 24, 11, 2, false); }},
        {img::kSliderDpiLight, [](const Palette& c) { return cell(c, 16, 16, 0, true); }},
        {img::kSliderDpiDark, [](const Palette& c) { return cell(c, 16, 16, 0, false); }},
        {img::kSliderRateLight, [](const Palette& c) { return cell(c, 70, 11, 0, true); }},
        {img::kSliderRateDark, [](const Palette& c) { return cell(c, 70, 11, 0, false); }},
        {img::kComboKeyBackground, comboKeyBackground},
        {img::kDelayTimeBackground, delayBackground},
        {img::kFireKeyBackground, fireKeyBackground},
        {img::kMacroKeyBackground, macroKeyBackground},
        {img::kMediaKeyBackground, [](const Palette& c) { return choiceBackground(c); }},
        {img::kSingleKeyBackground, singleKeyBackground},
        // Its list reaches further down than the other dialogs' lists.
        {img::kWindowsKeyBackground, [](const Palette& c) { return choiceBackground(c, 310); }},
        {img::kSkinsBackground, skinsBackground},
    };
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace
} // namespace pelmora

int main(int argc, char** argv) {
    using namespace pelmora;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-skins <Skins folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const std::vector<ImageRecipe> table = recipes();
    for (std::string_view skin : kShippedSkins) {
        const auto match = std::find_if(palettes().begin(), palettes().end(),
                                        [&](const Palette& pal) { return pal.skin == skin; });
        if (match == palettes().end()) {
            std::fprintf(stderr, "make-skins: no colours for %s\n", qPrintable(qs(skin)));
            return 1;
        }
        const Palette& palette = *match;
        const QString folder = root + "/" + qs(palette.skin);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "make-skins: cannot create %s\n", qPrintable(folder));
            return 1;
        }
        for (std::string_view name : kSkinImageNames) {
            const auto recipe = std::find_if(table.begin(), table.end(),
                                             [&](const ImageRecipe& r) { return r.name == name; });
            if (recipe == table.end()) {
                std::fprintf(stderr, "make-skins: no recipe for %s\n", qPrintable(qs(name)));
                return 1;
            }
            for (const int scale : {1, 2}) {
                gScale = scale;
                QString path = folder + qs(name);
                if (scale > 1) {
                    path.insert(path.size() - 4, QStringLiteral("@%1x").arg(scale));
                }
                if (!recipe->paint(palette).save(path, "PNG")) {
                    std::fprintf(stderr, "make-skins: cannot write %s\n", qPrintable(path));
                    return 1;
                }
            }
        }
    }
    return 0;
}
