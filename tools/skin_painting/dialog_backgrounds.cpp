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

} // namespace

// The single key and delay dialogs: one centred field.
QImage singleKeyBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    well(p, c, D::kCenteredField);
    return image;
}

// The combo key and fire key dialogs: a drop-down header over two fields.
QImage comboKeyBackground(const Palette& c) {
    QImage image = dialogBase(c);
    QPainter p(&image);
    dropHeader(p, c, D::kUpperHeader);
    well(p, c, D::kFirstField);
    well(p, c, D::kSecondField);
    return image;
}

QImage choiceBackground(const Palette& c, int height) {
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

} // namespace pelmora::skins
