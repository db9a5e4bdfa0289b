#pragma once
// What one control of a skinned window is for the keyboard and for screen
// readers. Page parts and dialogs describe their controls as a list of these
// in reading order; one accessible interface and one keyboard navigator serve
// them all (skin_controls.h).

#include "ui/skin/rect.h"

#include <QAccessible>
#include <QString>

#include <vector>

class QWidget;

namespace pelmora {

class DropDownList;

struct SkinControl {
    Rect rect{};
    // PushButton, PageTab, CheckBox, RadioButton, ComboBox, Slider, Link;
    // Heading and StaticText, which only read; EditableText without a widget
    // is a read-only field. A control that is a real child widget keeps that
    // widget's own role.
    QAccessible::Role role = QAccessible::PushButton;
    // The visible text, or a short description of a picture.
    QString name{};
    // A box's or field's shown text, a slider's level in its units.
    QString value{};
    bool checked = false; // tick boxes, mode buttons, the shown page's tab
    bool disabled = false;
    // The list the control opens, and the list beside it (the DPI switch list).
    DropDownList* list = nullptr;
    DropDownList* sideList = nullptr;
    // A slider's cells, the lowest first, and the index of the lit one (-1:
    // none). Pressing cell i is what a click on it does.
    std::vector<Rect> steps{};
    int step = -1;
    // What each cell stands for (a number of DPI, of reports per second), the
    // lowest first; empty: the cells count 1, 2, 3...
    std::vector<int> stepValues{};
    // A real child control (edit field, list box) standing at rect: it takes
    // the keyboard focus and speaks for itself.
    QWidget* widget = nullptr;
};

// Whether Tab stops at the control: texts and headings are read, not worked.
inline bool takesFocus(const SkinControl& c) {
    return !c.disabled && c.role != QAccessible::Heading && c.role != QAccessible::StaticText &&
           c.role != QAccessible::Notification && (c.role != QAccessible::EditableText || c.widget);
}

} // namespace pelmora
