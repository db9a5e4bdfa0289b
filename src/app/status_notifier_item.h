#pragma once
// The program's own StatusNotifierItem (org.kde.StatusNotifierItem with a
// com.canonical.dbusmenu menu), registered with the StatusNotifierWatcher
// whenever one is on the bus, at the start or later: titled "Pelmora", where
// Qt's own item would carry the window class.

#include "app/dbus_menu.h"
#include "settings/app_identity.h"

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

namespace pelmora {

// An icon image: width, height and ARGB32 pixels in network byte order.
struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using SniPixmaps = QList<SniPixmap>;
// (icon name, icon images, title, text).
struct SniToolTip {
    QString iconName;
    SniPixmaps pixmaps;
    QString title;
    QString text;
};

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip);

// The icon's images as the item sends them.
SniPixmaps sniPixmaps(const QIcon& icon);

class StatusNotifierItem final : public QObject {
    Q_OBJECT
public:
    // `activate`: a click on the item.
    StatusNotifierItem(QDBusConnection bus, const QIcon& icon, const QString& toolTip,
                       std::function<void()> activate, QObject* parent = nullptr);
    ~StatusNotifierItem() override;

    // Offers the item on the bus (once) and registers it with the watcher;
    // `done(true)` when the watcher took it.
    void registerWithWatcher(std::function<void(bool)> done);
    void setMenu(const std::vector<DBusMenu::Entry>& entries);

    QString serviceName() const { return serviceName_; }
    QString id() const;
    QString title() const { return QString::fromLatin1(identity::kDisplayName); }
    SniPixmaps iconPixmap() const { return pixmaps_; }
    SniToolTip toolTip() const { return {{}, {}, toolTip_, {}}; }
    void activate() const;

private:
    bool publish();

    QDBusConnection bus_;
    QString serviceName_;
    SniPixmaps pixmaps_;
    QString toolTip_;
    std::function<void()> activate_;
    DBusMenu* menu_ = nullptr; // child of this object
    bool published_ = false;
};

class StatusNotifierItemAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(pelmora::SniPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(pelmora::SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
public:
    explicit StatusNotifierItemAdaptor(StatusNotifierItem& item);

    QString category() const { return QStringLiteral("Hardware"); }
    QString id() const { return item_.id(); }
    QString title() const { return item_.title(); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return {}; }
    SniPixmaps iconPixmap() const { return item_.iconPixmap(); }
    QString emptyName() const { return {}; }
    SniToolTip toolTip() const { return item_.toolTip(); }
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewToolTip();
    void NewStatus(const QString& status);

private:
    StatusNotifierItem& item_;
};

} // namespace pelmora

Q_DECLARE_METATYPE(pelmora::SniPixmap)
Q_DECLARE_METATYPE(pelmora::SniToolTip)
