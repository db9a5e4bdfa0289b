#include "ui/skin/keyboard_focus.h"

#include "ui/skin/drop_down_list.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>

#include <algorithm>

namespace pelmora {

namespace {

Rect boundsOf(const SkinControl& c) {
    Rect r = c.rect;
    for (const Rect& s : c.steps) {
        r = {std::min(r.left, s.left), std::min(r.top, s.top), std::max(r.right, s.right),
             std::max(r.bottom, s.bottom)};
    }
    return r;
}

} // namespace

FocusRing::FocusRing(SkinControls& controls) : QWidget(&controls.window()), controls_(controls) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::follow() {
    const auto id = controls_.focused();
    const auto c = id ? controls_.find(*id) : std::nullopt;
    if (!controls_.focusShown() || !c) {
        hide();
        return;
    }
    // Two pixels round the control, in the window's pixels.
    setGeometry(toQRect(boundsOf(*c)).adjusted(-3, -3, 3, 3));
    show();
    raise();
    update();
}

void FocusRing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(skinState().textColour(), 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

KeyboardNavigator::KeyboardNavigator(SkinControls& controls) : controls_(controls) {
    controls_.window().installEventFilter(this);
}

KeyboardNavigator::~KeyboardNavigator() {
    if (filtering_) {
        qApp->removeEventFilter(this);
    }
}

bool KeyboardNavigator::eventFilter(QObject* watched, QEvent* event) {
    QWidget& window = controls_.window();
    const QEvent::Type type = event->type();
    if (watched == &window && (type == QEvent::Show || type == QEvent::Hide)) {
        // Taken ahead of the window's own key handling, which hides the
        // window on Enter and Escape, and after it again at every showing.
        if (filtering_) {
            qApp->removeEventFilter(this);
        }
        filtering_ = type == QEvent::Show;
        if (filtering_) {
            qApp->installEventFilter(this);
        }
    } else if (type == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == &window && window.isVisible() &&
            keyPressed(*static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::optional<SkinControl> KeyboardNavigator::current() const {
    // A field or list the user clicked into has the focus, whatever was focused before.
    const QWidget* focus = QApplication::focusWidget();
    for (SkinControl& c : controls_.controls()) {
        if (c.widget != nullptr && c.widget == focus) {
            return std::move(c);
        }
    }
    const auto id = controls_.focused();
    return id ? controls_.find(*id) : std::nullopt;
}

void KeyboardNavigator::controlsChanged() {
    if (ring_) {
        ring_->follow();
    }
}

bool KeyboardNavigator::keyPressed(const QKeyEvent& key) {
    if (controls_.keysCaptured()) {
        return false;
    }
    const bool ctrl = key.modifiers().testFlag(Qt::ControlModifier);
    const int k = key.key();
    if (ctrl && (k == Qt::Key_Tab || k == Qt::Key_PageDown || k == Qt::Key_Backtab ||
                 k == Qt::Key_PageUp)) {
        controls_.switchPage(k == Qt::Key_Tab || k == Qt::Key_PageDown ? 1 : -1);
        return true;
    }
    if (listKey(key)) {
        return true;
    }
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
        moveFocus(k == Qt::Key_Tab ? 1 : -1);
        return true;
    }
    const auto c = current();
    if (!c || c->widget != nullptr || !controls_.focusShown()) {
        return false;
    }
    const SkinControls::Id id = SkinControls::idOf(*c);
    if (k == Qt::Key_Space) {
        controls_.press(id);
        return true;
    }
    if (c->role == QAccessible::Slider &&
        (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up || k == Qt::Key_Down)) {
        const int delta = k == Qt::Key_Right || k == Qt::Key_Up ? 1 : -1;
        controls_.pressStep(id,
                            std::clamp(c->step + delta, 0, static_cast<int>(c->steps.size()) - 1));
        return true;
    }
    return false;
}

bool KeyboardNavigator::listKey(const QKeyEvent& key) {
    DropDownList* list = nullptr;
    DropDownList* side = nullptr;
    for (const SkinControl& c : controls_.controls()) {
        if (c.list != nullptr && c.list->isOpen()) {
            list = c.list;
            side = c.sideList != nullptr && c.sideList->isOpen() ? c.sideList : nullptr;
            break;
        }
    }
    if (list == nullptr) {
        inSideList_ = false;
        return false;
    }
    inSideList_ = inSideList_ && side != nullptr;
    DropDownList* target = inSideList_ ? side : list;
    switch (key.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        target->moveSelection(key.key() == Qt::Key_Up ? -1 : 1);
        break;
    case Qt::Key_Right:
    case Qt::Key_Left:
        inSideList_ = key.key() == Qt::Key_Right && side != nullptr;
        if (inSideList_ && side->list() != nullptr && side->list()->currentRow() < 0) {
            side->moveSelection(1);
        }
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        inSideList_ = false;
        target->choose(target->list() != nullptr ? target->list()->currentRow() : -1);
        break;
    case Qt::Key_Escape:
        inSideList_ = false;
        if (side != nullptr) {
            side->close();
        }
        list->close();
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Leaving the box closes its list.
        if (side != nullptr) {
            side->close();
        }
        list->close();
        return false;
    default:
        return false;
    }
    controls_.changed();
    return true;
}

void KeyboardNavigator::moveFocus(int delta) {
    std::vector<SkinControl> all = controls_.controls();
    std::erase_if(all, [](const SkinControl& c) { return !takesFocus(c); });
    if (all.empty()) {
        return;
    }
    const auto now = current();
    const int count = static_cast<int>(all.size());
    int index = delta > 0 ? 0 : count - 1;
    if (now && controls_.focusShown()) {
        const SkinControls::Id id = SkinControls::idOf(*now);
        for (int i = 0; i < count; ++i) {
            if (SkinControls::idOf(all[static_cast<std::size_t>(i)]) == id) {
                index = (i + delta + count) % count;
                break;
            }
        }
    }
    const SkinControl& next = all[static_cast<std::size_t>(index)];
    if (next.widget != nullptr) {
        next.widget->setFocus(delta > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    } else {
        controls_.window().setFocus(Qt::TabFocusReason);
    }
    controls_.setFocused(SkinControls::idOf(next), true);
    if (!ring_) {
        ring_ = new FocusRing(controls_); // owned by the window
    }
    ring_->follow();
}

} // namespace pelmora
