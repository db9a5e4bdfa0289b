#include "app/dbus_menu.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QMetaObject>
#include <QPointer>

namespace pelmora {

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& layout) {
    arg.beginStructure();
    arg << layout.id << layout.properties;
    arg.beginArray(qMetaTypeId<QDBusVariant>());
    for (const QVariant& child : layout.children) {
        arg << QDBusVariant(child);
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& layout) {
    arg.beginStructure();
    arg >> layout.id >> layout.properties;
    layout.children.clear();
    arg.beginArray();
    while (!arg.atEnd()) {
        QDBusVariant child;
        arg >> child;
        layout.children.append(child.variant());
    }
    arg.endArray();
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item) {
    arg.beginStructure();
    arg << item.id << item.properties;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item) {
    arg.beginStructure();
    arg >> item.id >> item.properties;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event) {
    arg.beginStructure();
    arg << event.id << event.eventId << event.data << event.timestamp;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event) {
    arg.beginStructure();
    arg >> event.id >> event.eventId >> event.data >> event.timestamp;
    arg.endStructure();
    return arg;
}

void registerDBusMenuTypes() {
    static const bool done = [] {
        qDBusRegisterMetaType<DBusMenuLayout>();
        qDBusRegisterMetaType<DBusMenuItem>();
        qDBusRegisterMetaType<QList<DBusMenuItem>>();
        qDBusRegisterMetaType<DBusMenuEvent>();
        qDBusRegisterMetaType<QList<DBusMenuEvent>>();
        qDBusRegisterMetaType<QList<int>>();
        return true;
    }();
    (void)done;
}

DBusMenu::DBusMenu(QObject* parent) : QObject(parent) {
    registerDBusMenuTypes();
}

void DBusMenu::setEntries(std::vector<Entry> entries) {
    entries_ = std::move(entries);
    emit layoutUpdated(++revision_, 0);
}

void DBusMenu::setLabel(std::size_t index, const QString& label) {
    if (index < entries_.size() && entries_[index].label != label) {
        entries_[index].label = label;
        emit layoutUpdated(++revision_, 0);
    }
}

QVariantMap DBusMenu::properties(int id) const {
    if (id == 0) {
        return {{QStringLiteral("children-display"), QStringLiteral("submenu")}};
    }
    if (id < 1 || static_cast<std::size_t>(id) > entries_.size()) {
        return {};
    }
    return {{QStringLiteral("label"), entries_[static_cast<std::size_t>(id - 1)].label},
            {QStringLiteral("enabled"), true},
            {QStringLiteral("visible"), true}};
}

DBusMenuLayout DBusMenu::layout() const {
    DBusMenuLayout root{0, properties(0), {}};
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const int id = static_cast<int>(i + 1);
        root.children.append(QVariant::fromValue(DBusMenuLayout{id, properties(id), {}}));
    }
    return root;
}

bool DBusMenu::trigger(int id) {
    if (id < 1 || static_cast<std::size_t>(id) > entries_.size()) {
        return false;
    }
    // Queued, on the application object: the host gets its answer first, and
    // the handler (Exit ends the program and removes this menu) runs from a
    // copy outside this object's own events.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [self = QPointer<DBusMenu>(this), id] {
            if (self && static_cast<std::size_t>(id) <= self->entries_.size()) {
                const std::function<void()> handler =
                    self->entries_[static_cast<std::size_t>(id - 1)].triggered;
                if (handler) {
                    handler();
                }
            }
        },
        Qt::QueuedConnection);
    return true;
}

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenu& menu) : QDBusAbstractAdaptor(&menu), menu_(menu) {
    setAutoRelaySignals(false);
    connect(&menu, &DBusMenu::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
}

uint DBusMenuAdaptor::GetLayout(int parentId, int /*recursionDepth*/,
                                const QStringList& /*propertyNames*/, DBusMenuLayout& layout) {
    if (parentId == 0) {
        layout = menu_.layout();
    } else {
        layout = DBusMenuLayout{parentId, menu_.properties(parentId), {}};
    }
    return menu_.revision();
}

QList<DBusMenuItem> DBusMenuAdaptor::GetGroupProperties(const QList<int>& ids,
                                                        const QStringList& /*propertyNames*/) {
    QList<DBusMenuItem> items;
    for (const int id : ids) {
        items.append(DBusMenuItem{id, menu_.properties(id)});
    }
    return items;
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString& name) {
    return QDBusVariant(menu_.properties(id).value(name));
}

void DBusMenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant& /*data*/,
                            uint /*timestamp*/) {
    if (eventId == QLatin1String("clicked")) {
        menu_.trigger(id);
    }
}

QList<int> DBusMenuAdaptor::EventGroup(const QList<DBusMenuEvent>& events) {
    QList<int> unknown;
    for (const DBusMenuEvent& event : events) {
        if (event.eventId == QLatin1String("clicked") && !menu_.trigger(event.id)) {
            unknown.append(event.id);
        }
    }
    return unknown;
}

bool DBusMenuAdaptor::AboutToShow(int /*id*/) {
    return false; // the menu never changes on opening
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int>& /*ids*/, QList<int>& idErrors) {
    idErrors.clear();
    return {};
}

} // namespace pelmora
