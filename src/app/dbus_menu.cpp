#include "app/dbus_menu.h"

#include <QCoreApplication>
#include <QDBusMetaType>
#include <QMetaObject>

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

void DBusMenu::setEntries(const std::vector<Entry>& entries) {
    nodes_.clear();
    root_.children.clear();
    for (const Entry& entry : entries) {
        root_.children.push_back(add(entry));
    }
    emit layoutUpdated(++revision_, 0);
}

int DBusMenu::add(const Entry& entry) {
    nodes_.push_back({entry, {}});
    const int id = static_cast<int>(nodes_.size());
    nodes_.back().entry.children.clear();
    std::vector<int> children;
    for (const Entry& child : entry.children) {
        children.push_back(add(child));
    }
    nodes_[static_cast<std::size_t>(id - 1)].children = std::move(children);
    return id;
}

const DBusMenu::Node* DBusMenu::node(int id) const {
    if (id == 0) {
        return &root_;
    }
    if (id < 1 || static_cast<std::size_t>(id) > nodes_.size()) {
        return nullptr;
    }
    return &nodes_[static_cast<std::size_t>(id - 1)];
}

QVariantMap DBusMenu::properties(int id) const {
    const Node* item = node(id);
    if (item == nullptr) {
        return {};
    }
    QVariantMap properties;
    if (!item->children.empty() || id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    }
    if (id == 0) {
        return properties;
    }
    const Entry& entry = item->entry;
    if (entry.separator) {
        properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        return properties;
    }
    properties.insert(QStringLiteral("label"), entry.label);
    properties.insert(QStringLiteral("enabled"), true);
    properties.insert(QStringLiteral("visible"), true);
    if (entry.toggle != Toggle::None) {
        properties.insert(QStringLiteral("toggle-type"), entry.toggle == Toggle::Check
                                                             ? QStringLiteral("checkmark")
                                                             : QStringLiteral("radio"));
        properties.insert(QStringLiteral("toggle-state"), entry.checked ? 1 : 0);
    }
    return properties;
}

DBusMenuLayout DBusMenu::layout(int id, int depth) const {
    DBusMenuLayout layout{id, properties(id), {}};
    const Node* item = node(id);
    if (item == nullptr || depth == 0) {
        return layout;
    }
    for (const int child : item->children) {
        layout.children.append(QVariant::fromValue(this->layout(child, depth - 1)));
    }
    return layout;
}

bool DBusMenu::trigger(int id) {
    const Node* item = node(id);
    if (id == 0 || item == nullptr || !item->entry.triggered) {
        return false;
    }
    // Queued, on the application object: the host gets its answer first, and
    // the handler (Exit ends the program and removes this menu; a profile
    // rebuilds it) runs from a copy outside this object's own events.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [handler = item->entry.triggered] { handler(); },
        Qt::QueuedConnection);
    return true;
}

DBusMenuAdaptor::DBusMenuAdaptor(DBusMenu& menu) : QDBusAbstractAdaptor(&menu), menu_(menu) {
    setAutoRelaySignals(false);
    connect(&menu, &DBusMenu::layoutUpdated, this, &DBusMenuAdaptor::LayoutUpdated);
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth,
                                const QStringList& /*propertyNames*/, DBusMenuLayout& layout) {
    layout = menu_.layout(parentId, recursionDepth);
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
