#pragma once
// The controls of one skinned window (a page window or a dialog) as its owner
// describes them, in reading order, and what can be done with them without
// the mouse: pressing one (a click at its centre, through the window's own
// dispatcher), a slider's cell, a list's row. Screen readers see the controls
// through accessible_skin.h, the keyboard through keyboard_focus.h; both are
// set up by creating one of these as a child of the window.
//
// On the map (docs/ARCHITECTURE.md): src/ui/skin, the lowest of the window's
// layers; every page part and dialog describes its controls here.

#include "settings/control_names.h"
#include "ui/skin/skin_control.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QAccessibleInterface;
class QWidget;

namespace pelmora {

class KeyboardNavigator;

class SkinControls : public QObject {
    Q_OBJECT
public:
    using Id = quint64;
    using Describe = std::function<void(std::vector<SkinControl>&)>;
    using PressAt = std::function<void(const QPoint&)>;

    // `describe` lists the controls shown now; `press` is a left click at a
    // point of the client area.
    SkinControls(QWidget& window, Describe describe, PressAt press);
    ~SkinControls() override;

    // The controls object of a window, if it has one.
    static SkinControls* of(const QObject* window);

    QWidget& window() const { return window_; }
    std::vector<SkinControl> controls() const;
    // A control's identity: its place and role (the same frame button on
    // both pages is the same control).
    static Id idOf(const SkinControl& control);
    std::optional<SkinControl> find(Id id) const;

    // What a click does: on the control, on cell `step` of a slider, on row
    // `row` of the control's list (opened first, as a click would). Runs at
    // once; the accessible actions queue them (a dialog may open).
    void press(Id id);
    void pressStep(Id id, int step);
    void choose(Id id, int row);

    // The control the focus indicator is on; shown after the first Tab.
    std::optional<Id> focused() const { return focused_; }
    bool focusShown() const { return focusShown_; }
    void setFocused(std::optional<Id> id, bool shown);

    // True while every key is input (a key capture dialog, a macro
    // recording): no key moves the focus then.
    void setKeysCaptured(std::function<bool()> captured) { captured_ = std::move(captured); }
    bool keysCaptured() const { return captured_ && captured_(); }
    // Ctrl+Tab, Ctrl+PageDown (+1) and Ctrl+PageUp (-1); windows with pages.
    void setPageSwitch(std::function<void(int)> switcher) { pageSwitch_ = std::move(switcher); }
    void switchPage(int delta) const;

    // Something may have changed: the differences are announced to
    // assistive technology once the event loop is idle.
    void changed();
    // A short message for screen readers to speak without moving the focus
    // (the end of a transfer, the page shown): the window's notification,
    // which stays readable until the next one.
    void announceText(const QString& text);

    // The interface of a control (row -1) or of row `row` of its list; kept
    // until the controls object goes.
    QAccessibleInterface* interfaceFor(Id id, int row = -1);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Announced {
        QString name;
        QString value;
        quint64 state = 0;
    };
    void announce();

    QWidget& window_;
    Describe describe_;
    PressAt press_;
    std::function<bool()> captured_;
    std::function<void(int)> pageSwitch_;
    std::optional<Id> focused_;
    bool focusShown_ = false;
    std::map<std::pair<Id, int>, QAccessible::Id> interfaces_;
    std::map<Id, Announced> announced_;
    QString announcement_;
    bool announcementFresh_ = false;
    QTimer announceTimer_;
    std::unique_ptr<KeyboardNavigator> keyboard_;
};

// A control's name in the active language.
QString controlNameText(ControlName name);
// The name of a button that shows a colour, with the colour said in a word
// and as its hex code: "DPI stage 1 colour: red #ff0000".
QString colourControlName(const QString& name, const QColor& colour);

// The accessible state of a control, as the interfaces report it.
QAccessible::State controlState(const SkinControl& control, bool focused);

} // namespace pelmora
