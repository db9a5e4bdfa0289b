#pragma once
// A menu on the session bus (com.canonical.dbusmenu), as tray
// hosts read the menu of a StatusNotifierItem: the host draws it, so it
// works on Wayland, where a client cannot place a pop-up by itself.

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusVariant>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <vector>

namespace pelmora {

// One item and its children: (ia{sv}av).
struct DBusMenuLayout {
    int id = 0;
    QVariantMap properties;
    QVariantList children; // each a DBusMenuLayout
};
// One item's properties: (ia{sv}).
struct DBusMenuItem {
    int id = 0;
    QVariantMap properties;
};
// One event of EventGroup: (isvu).
struct DBusMenuEvent {
    int id = 0;
    QString eventId;
    QDBusVariant data;
    uint timestamp = 0;
};

QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuLayout& layout);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuLayout& layout);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuItem& item);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuItem& item);
QDBusArgument& operator<<(QDBusArgument& arg, const DBusMenuEvent& event);
const QDBusArgument& operator>>(const QDBusArgument& arg, DBusMenuEvent& event);

class DBusMenu final : public QObject {
    Q_OBJECT
public:
    enum class Toggle { None, Check, Radio };
    struct Entry {
        QString label;
        std::function<void()> triggered;
        Toggle toggle = Toggle::None;
        bool checked = false;
        bool separator = false;
        std::vector<Entry> children; // a sub-menu
    };

    explicit DBusMenu(QObject* parent = nullptr);

    // The items, with ids 1, 2, ... in depth-first order.
    void setEntries(const std::vector<Entry>& entries);

    uint revision() const { return revision_; }
    // Item `id` (0: the root) with its children down to `depth` levels (-1: all).
    DBusMenuLayout layout(int id = 0, int depth = -1) const;
    QVariantMap properties(int id) const;
    // A click on item `id`; false for an unknown id.
    bool trigger(int id);

signals:
    void layoutUpdated(uint revision, int parent);

private:
    struct Node {
        Entry entry; // without its children
        std::vector<int> children;
    };
    int add(const Entry& entry);
    const Node* node(int id) const;

    Node root_;
    std::vector<Node> nodes_; // id - 1
    uint revision_ = 1;
};

class DBusMenuAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)
public:
    explicit DBusMenuAdaptor(DBusMenu& menu);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   pelmora::DBusMenuLayout& layout);
    QList<pelmora::DBusMenuItem> GetGroupProperties(const QList<int>& ids,
                                                    const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const QList<pelmora::DBusMenuEvent>& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    void LayoutUpdated(uint revision, int parent);

private:
    DBusMenu& menu_;
};

// Registers the types above with Qt's D-Bus type system (once).
void registerDBusMenuTypes();

} // namespace pelmora

Q_DECLARE_METATYPE(pelmora::DBusMenuLayout)
Q_DECLARE_METATYPE(pelmora::DBusMenuItem)
Q_DECLARE_METATYPE(pelmora::DBusMenuEvent)
