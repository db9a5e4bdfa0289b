#include "ui/skin/skin_controls.h"

#include "settings/colour_words.h"
#include "ui/skin/accessible_skin.h"
#include "ui/skin/drop_down_list.h"
#include "ui/skin/keyboard_focus.h"
#include "ui/skin/skin_state.h"

#include <QAccessible>
#include <QEvent>
#include <QHash>
#include <QWidget>

namespace pelmora {

namespace {

QPoint centreOf(const Rect& r) {
    return {r.left + r.width() / 2, r.top + r.height() / 2};
}

quint64 stateBits(const QAccessible::State& s) {
    // The states a control can change between two looks at it.
    return (s.checked ? 1U : 0U) | (s.disabled ? 2U : 0U) | (s.expanded ? 4U : 0U) |
           (s.focused ? 8U : 0U) | (s.selected ? 16U : 0U);
}

QAccessible::State changedStates(quint64 before, quint64 after) {
    const quint64 diff = before ^ after;
    QAccessible::State s;
    s.checked = (diff & 1U) != 0;
    s.disabled = (diff & 2U) != 0;
    s.expanded = (diff & 4U) != 0;
    s.collapsed = s.expanded;
    s.focused = (diff & 8U) != 0;
    s.selected = (diff & 16U) != 0;
    return s;
}

} // namespace

QString controlNameText(ControlName name) {
    const std::string_view text = controlName(name, languageFromCode(skinState().language()));
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString colourControlName(const QString& name, const QColor& colour) {
    const std::string_view word = colourWord(
        static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
        static_cast<std::uint8_t>(colour.blue()), languageFromCode(skinState().language()));
    return controlNameText(ControlName::ColourValue)
        .arg(name, QString::fromUtf8(word.data(), static_cast<qsizetype>(word.size())) +
                       QLatin1Char(' ') + colour.name());
}

QAccessible::State controlState(const SkinControl& c, bool focused) {
    QAccessible::State s;
    s.focusable = takesFocus(c);
    s.focused = focused;
    s.disabled = c.disabled;
    switch (c.role) {
    case QAccessible::EditableText:
    case QAccessible::StaticText:
    case QAccessible::Heading:
        s.readOnly = true;
        break;
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
        s.checkable = true;
        s.checked = c.checked;
        break;
    case QAccessible::PageTab:
        s.selectable = true;
        s.selected = c.checked;
        break;
    case QAccessible::ComboBox:
        s.hasPopup = true;
        s.expanded = c.list != nullptr && c.list->isOpen();
        s.collapsed = !s.expanded;
        break;
    default:
        break;
    }
    return s;
}

SkinControls::SkinControls(QWidget& window, Describe describe, PressAt press)
    : QObject(&window), window_(window), describe_(std::move(describe)), press_(std::move(press)),
      keyboard_(std::make_unique<KeyboardNavigator>(*this)) {
    installSkinAccessibility();
    announceTimer_.setSingleShot(true);
    announceTimer_.setInterval(0);
    connect(&announceTimer_, &QTimer::timeout, this, &SkinControls::announce);
    window_.installEventFilter(this);
}

SkinControls::~SkinControls() {
    for (const auto& [key, id] : interfaces_) {
        QAccessible::deleteAccessibleInterface(id);
    }
}

SkinControls* SkinControls::of(const QObject* window) {
    return window != nullptr
               ? window->findChild<SkinControls*>(QString(), Qt::FindDirectChildrenOnly)
               : nullptr;
}

std::vector<SkinControl> SkinControls::controls() const {
    std::vector<SkinControl> out;
    if (describe_) {
        describe_(out);
    }
    if (!announcement_.isEmpty()) {
        out.push_back(
            {.rect = {0, 0, 1, 1}, .role = QAccessible::Notification, .name = announcement_});
    }
    // A real child control is named like the others, in the active language;
    // a list opens on the row its box shows.
    for (const SkinControl& c : out) {
        if (c.list != nullptr) {
            c.list->setCurrentItem(c.value);
        }
        if (c.widget != nullptr && c.widget->accessibleName() != c.name) {
            c.widget->setAccessibleName(c.name);
        }
    }
    return out;
}

SkinControls::Id SkinControls::idOf(const SkinControl& c) {
    return qHashMulti(0, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom,
                      static_cast<int>(c.role));
}

std::optional<SkinControl> SkinControls::find(Id id) const {
    for (SkinControl& c : controls()) {
        if (idOf(c) == id) {
            return std::move(c);
        }
    }
    return std::nullopt;
}

void SkinControls::press(Id id) {
    const auto c = find(id);
    if (!c || c->disabled) {
        return;
    }
    if (c->widget != nullptr) {
        c->widget->setFocus(Qt::OtherFocusReason);
    } else if (press_) {
        press_(centreOf(c->rect));
    }
    changed();
}

void SkinControls::pressStep(Id id, int step) {
    const auto c = find(id);
    if (!c || step < 0 || step >= static_cast<int>(c->steps.size()) || !press_) {
        return;
    }
    press_(centreOf(c->steps[static_cast<std::size_t>(step)]));
    changed();
}

void SkinControls::choose(Id id, int row) {
    auto c = find(id);
    if (!c || c->list == nullptr || row < 0) {
        return;
    }
    const int mainRows = static_cast<int>(c->list->items().size());
    if (row >= mainRows) {
        // A row of the list beside it, which shows while the main list is open.
        if (c->sideList != nullptr && c->sideList->isOpen()) {
            c->sideList->choose(row - mainRows);
        }
        changed();
        return;
    }
    if (!c->list->isOpen()) {
        press(id);
    }
    if (c->list->isOpen()) {
        c->list->choose(row);
    }
    changed();
}

void SkinControls::setFocused(std::optional<Id> id, bool shown) {
    focused_ = id;
    focusShown_ = focusShown_ || shown;
    if (focusShown_ && id && QAccessible::isActive()) {
        const auto c = find(*id);
        if (c && c->widget == nullptr) {
            QAccessibleEvent event(interfaceFor(*id), QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }
    changed();
}

void SkinControls::switchPage(int delta) const {
    if (pageSwitch_) {
        pageSwitch_(delta);
    }
}

void SkinControls::changed() {
    announceTimer_.start();
}

void SkinControls::announceText(const QString& text) {
    announcement_ = text;
    announcementFresh_ = !text.isEmpty();
    changed();
}

QAccessibleInterface* SkinControls::interfaceFor(Id id, int row) {
    const auto key = std::make_pair(id, row);
    if (const auto it = interfaces_.find(key); it != interfaces_.end()) {
        return QAccessible::accessibleInterface(it->second);
    }
    // Qt's registry owns the interface; it is removed from it, and deleted,
    // when this object goes.
    QAccessibleInterface* iface = makeControlInterface(*this, id, row);
    interfaces_.emplace(key, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

void SkinControls::announce() {
    keyboard_->controlsChanged();
    if (!QAccessible::isActive()) {
        announced_.clear();
        announcementFresh_ = false;
        return;
    }
    std::map<Id, Announced> now;
    bool reordered = false;
    for (const SkinControl& c : controls()) {
        const Id id = idOf(c);
        const bool focused = focusShown_ && focused_ == id;
        Announced look{c.name, c.value, stateBits(controlState(c, focused))};
        const auto before = announced_.find(id);
        if (before == announced_.end()) {
            // Tells the bus that the window has a new child.
            reordered = true;
            if (c.widget == nullptr) {
                QAccessibleEvent event(interfaceFor(id), QAccessible::ObjectCreated);
                QAccessible::updateAccessibility(&event);
            }
        } else if (c.widget == nullptr) {
            QAccessibleInterface* iface = interfaceFor(id);
            if (before->second.state != look.state) {
                QAccessibleStateChangeEvent event(iface,
                                                  changedStates(before->second.state, look.state));
                QAccessible::updateAccessibility(&event);
            }
            if (before->second.value != look.value) {
                QAccessibleValueChangeEvent event(iface, look.value);
                QAccessible::updateAccessibility(&event);
                if (iface->textInterface() != nullptr) {
                    QAccessibleTextUpdateEvent text(iface, 0, before->second.value, look.value);
                    QAccessible::updateAccessibility(&text);
                }
            }
            if (before->second.name != look.name) {
                QAccessibleEvent event(iface, QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
        }
        if (c.role == QAccessible::Notification && announcementFresh_) {
            // Screen readers speak a notification as it shows.
            announcementFresh_ = false;
            QAccessibleEvent event(interfaceFor(id), QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&event);
        }
        now.emplace(id, std::move(look));
    }
    if (reordered || now.size() != announced_.size()) {
        QAccessibleEvent event(&window_, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&event);
    }
    announced_ = std::move(now);
}

bool SkinControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
            changed();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
