#include "ui/skin/accessible_skin.h"

#include "ui/skin/drop_down_list.h"
#include "ui/skin/qt_rect.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

namespace pelmora {

namespace {

using Id = SkinControls::Id;

// The window: its children are the described controls, in reading order.
class SkinWindowInterface final : public QAccessibleWidget {
public:
    SkinWindowInterface(QWidget* window, SkinControls& controls)
        : QAccessibleWidget(window, window->isWindow() && qobject_cast<QDialog*>(window)
                                        ? QAccessible::Dialog
                                        : QAccessible::Window),
          controls_(&controls) {}

    int childCount() const override {
        return controls_ ? static_cast<int>(controls_->controls().size()) : 0;
    }

    QAccessibleInterface* child(int index) const override {
        if (!controls_) {
            return nullptr;
        }
        const auto all = controls_->controls();
        if (index < 0 || index >= static_cast<int>(all.size())) {
            return nullptr;
        }
        const SkinControl& c = all[static_cast<std::size_t>(index)];
        return c.widget != nullptr ? QAccessible::queryAccessibleInterface(c.widget)
                                   : controls_->interfaceFor(SkinControls::idOf(c));
    }

    int indexOfChild(const QAccessibleInterface* iface) const override {
        if (iface == nullptr) {
            return -1;
        }
        for (int i = 0; i < childCount(); ++i) {
            if (child(i) == iface) {
                return i;
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i) {
            QAccessibleInterface* c = child(i);
            if (c != nullptr && c->rect().contains(x, y)) {
                return c;
            }
        }
        return nullptr;
    }

    QString text(QAccessible::Text t) const override {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty()) {
            s = widget()->windowTitle();
            if (s.isEmpty()) {
                s = controlNameText(ControlName::WindowName);
            }
        }
        return s;
    }

    QAccessibleInterface* focusChild() const override {
        if (controls_ && controls_->focusShown() && controls_->focused()) {
            const auto c = controls_->find(*controls_->focused());
            if (c && c->widget == nullptr) {
                return controls_->interfaceFor(*controls_->focused());
            }
        }
        return QAccessibleWidget::focusChild();
    }

private:
    QPointer<SkinControls> controls_;
};

// A control, or (row >= 0) a row of its list.
class SkinControlInterface final : public QAccessibleInterface,
                                   public QAccessibleActionInterface,
                                   public QAccessibleValueInterface,
                                   public QAccessibleTextInterface {
public:
    SkinControlInterface(SkinControls& controls, Id id, int row)
        : controls_(&controls), id_(id), row_(row) {}

    bool isValid() const override { return controls_ && control().has_value(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        return controls_ ? controls_->window().window()->windowHandle() : nullptr;
    }

    QAccessibleInterface* parent() const override {
        if (!controls_) {
            return nullptr;
        }
        return row_ < 0 ? QAccessible::queryAccessibleInterface(&controls_->window())
                        : controls_->interfaceFor(id_);
    }
    int childCount() const override {
        if (row_ >= 0) {
            return 0;
        }
        const auto c = control();
        if (!c || c->list == nullptr) {
            return 0;
        }
        int rows = static_cast<int>(c->list->items().size());
        if (c->sideList != nullptr && c->sideList->isOpen()) {
            rows += static_cast<int>(c->sideList->items().size());
        }
        return rows;
    }
    QAccessibleInterface* child(int index) const override {
        return index >= 0 && index < childCount() ? controls_->interfaceFor(id_, index) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* iface) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (controls_->interfaceFor(id_, i) == iface) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        const auto c = control();
        if (!c) {
            return {};
        }
        if (row_ >= 0) {
            return t == QAccessible::Name ? rowText(*c) : QString();
        }
        switch (t) {
        case QAccessible::Name:
            return c->name;
        case QAccessible::Value:
            return c->value;
        default:
            return {};
        }
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        const auto c = control();
        if (!c) {
            return {};
        }
        QRect local = toQRect(c->rect);
        if (row_ >= 0) {
            local = rowRect(*c).value_or(local);
        }
        return {controls_->window().mapToGlobal(local.topLeft()), local.size()};
    }

    QAccessible::Role role() const override {
        if (row_ >= 0) {
            return QAccessible::ListItem;
        }
        const auto c = control();
        return c ? c->role : QAccessible::NoRole;
    }

    QAccessible::State state() const override {
        const auto c = control();
        QAccessible::State s;
        if (!c) {
            s.invalid = true;
            return s;
        }
        if (row_ >= 0) {
            s.selectable = true;
            DropDownList* list = listOfRow(*c);
            const int r = rowInList(*c);
            s.selected = list != nullptr && list->isOpen() && list->list() != nullptr
                             ? list->list()->currentRow() == r
                             : rowText(*c) == c->value;
            s.invisible = list == nullptr || !list->isOpen();
            return s;
        }
        return controlState(*c, controls_->focusShown() && controls_->focused() == id_);
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface) {
            return static_cast<QAccessibleActionInterface*>(this);
        }
        if (type == QAccessible::ValueInterface && row_ < 0 && role() == QAccessible::Slider) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        if (type == QAccessible::TextInterface && row_ < 0 && hasText()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return nullptr;
    }

    // Actions.
    QStringList actionNames() const override {
        if (row_ >= 0) {
            return {pressAction()};
        }
        switch (role()) {
        case QAccessible::CheckBox:
            return {toggleAction()};
        case QAccessible::ComboBox:
            return {showMenuAction(), pressAction()};
        case QAccessible::Slider:
            return {increaseAction(), decreaseAction()};
        default:
            return {pressAction()};
        }
    }
    void doAction(const QString& action) override {
        // Queued: an action may open a modal dialog, and the caller waits
        // for this call to return.
        QPointer<SkinControls> controls = controls_;
        const Id id = id_;
        const int row = row_;
        const auto c = control();
        if (!c || !actionNames().contains(action)) {
            return;
        }
        std::function<void()> run;
        if (row >= 0) {
            run = [controls, id, row] { controls->choose(id, row); };
        } else if (action == increaseAction() || action == decreaseAction()) {
            const int step = c->step + (action == increaseAction() ? 1 : -1);
            run = [controls, id, step] { controls->pressStep(id, step); };
        } else if (action == showMenuAction() && c->list != nullptr && c->list->isOpen()) {
            return;
        } else {
            run = [controls, id] { controls->press(id); };
        }
        QMetaObject::invokeMethod(
            controls_.data(),
            [controls, run] {
                if (controls) {
                    run();
                }
            },
            Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString& /*action*/) const override { return {}; }

    // Value (sliders): what the lit cell stands for; 0 while none is lit.
    QVariant currentValue() const override {
        const auto c = control();
        return c && c->step >= 0 ? cellValue(*c, c->step) : 0;
    }
    void setCurrentValue(const QVariant& value) override {
        const auto c = control();
        if (!c || c->steps.empty()) {
            return;
        }
        // The cell nearest to the value asked for.
        const int wanted = value.toInt();
        int step = 0;
        for (int i = 1; i < static_cast<int>(c->steps.size()); ++i) {
            if (std::abs(cellValue(*c, i) - wanted) < std::abs(cellValue(*c, step) - wanted)) {
                step = i;
            }
        }
        QPointer<SkinControls> controls = controls_;
        const Id id = id_;
        QMetaObject::invokeMethod(
            controls_.data(),
            [controls, id, step] {
                if (controls) {
                    controls->pressStep(id, step);
                }
            },
            Qt::QueuedConnection);
    }
    QVariant maximumValue() const override {
        const auto c = control();
        return c && !c->steps.empty() ? cellValue(*c, static_cast<int>(c->steps.size()) - 1) : 0;
    }
    QVariant minimumValue() const override {
        // A slider with no cell lit (a DPI stage that is off) reads 0, inside its range.
        const auto c = control();
        return c && c->step >= 0 && !c->steps.empty() ? cellValue(*c, 0) : 0;
    }
    QVariant minimumStepSize() const override { return 1; }

    // Text (boxes and read-only fields): their shown text, which cannot be
    // edited or selected here.
    void selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QString text(int startOffset, int endOffset) const override {
        const QString all = shownText();
        if (endOffset < 0 || endOffset > all.size()) {
            endOffset = static_cast<int>(all.size());
        }
        startOffset = std::clamp(startOffset, 0, endOffset);
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(shownText().size()); }
    QRect characterRect(int /*offset*/) const override { return rect(); }
    int offsetAtPoint(const QPoint& /*point*/) const override { return 0; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int /*offset*/, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    std::optional<SkinControl> control() const {
        return controls_ ? controls_->find(id_) : std::nullopt;
    }
    static int cellValue(const SkinControl& c, int step) {
        return step < static_cast<int>(c.stepValues.size())
                   ? c.stepValues[static_cast<std::size_t>(step)]
                   : step + 1;
    }
    // Boxes, read-only fields and texts read as text; the rest by name.
    bool hasText() const {
        const QAccessible::Role r = role();
        return r == QAccessible::ComboBox || r == QAccessible::EditableText ||
               r == QAccessible::StaticText || r == QAccessible::Heading;
    }
    QString shownText() const {
        const auto c = control();
        if (!c) {
            return {};
        }
        return c->role == QAccessible::ComboBox || c->role == QAccessible::EditableText ? c->value
                                                                                        : c->name;
    }
    int mainRows(const SkinControl& c) const {
        return c.list != nullptr ? static_cast<int>(c.list->items().size()) : 0;
    }
    DropDownList* listOfRow(const SkinControl& c) const {
        return row_ < mainRows(c) ? c.list : c.sideList;
    }
    int rowInList(const SkinControl& c) const {
        return row_ < mainRows(c) ? row_ : row_ - mainRows(c);
    }
    QString rowText(const SkinControl& c) const {
        DropDownList* list = listOfRow(c);
        return list != nullptr ? list->items().value(rowInList(c)) : QString();
    }
    std::optional<QRect> rowRect(const SkinControl& c) const {
        DropDownList* list = listOfRow(c);
        if (list == nullptr || !list->isOpen() || list->list() == nullptr) {
            return std::nullopt;
        }
        QListWidget* box = list->list();
        const QRect r = box->visualItemRect(box->item(rowInList(c)));
        return QRect(box->viewport()->mapTo(&controls_->window(), r.topLeft()), r.size());
    }

    QPointer<SkinControls> controls_;
    Id id_;
    int row_;
};

// The application as screen readers list it: by the name shown for it
// (Qt's own would be applicationName(), which is the windows' class).
class NamedApplicationInterface final : public QAccessibleApplication {
public:
    QString text(QAccessible::Text t) const override {
        const QString shown = QGuiApplication::applicationDisplayName();
        return t == QAccessible::Name && !shown.isEmpty() ? shown : QAccessibleApplication::text(t);
    }
};

QAccessibleInterface* skinFactory(const QString& /*className*/, QObject* object) {
    if (object != nullptr && object == QCoreApplication::instance()) {
        return new NamedApplicationInterface; // Qt's registry owns it
    }
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    SkinControls* controls = SkinControls::of(object);
    return controls != nullptr ? new SkinWindowInterface(static_cast<QWidget*>(object), *controls)
                               : nullptr;
}

} // namespace

void installSkinAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(skinFactory);
        return true;
    }();
    static_cast<void>(installed);
}

QAccessibleInterface* makeControlInterface(SkinControls& controls, SkinControls::Id id, int row) {
    return new SkinControlInterface(controls, id, row);
}

} // namespace pelmora
