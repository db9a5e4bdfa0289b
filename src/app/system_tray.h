#pragma once
// The desktop side of the tray seam: the icon with its menu (the profiles,
// Exit).
// Balloons go to the desktop's notification service (Qt's own balloon only
// where there is none), and the icon is shown as soon as a tray appears: an
// XEmbed tray through Qt's icon, a StatusNotifierItem host (its watcher there
// at start or appearing later) through the program's own item.

#include "app/desktop_notifier.h"
#include "app/session_bus.h"
#include "app/status_notifier_item.h"
#include "app/tray_port.h"

#include <QDBusServiceWatcher>
#include <QMenu>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>
#include <vector>

namespace pelmora {

class SystemTray final : public QObject, public TrayPort {
    Q_OBJECT
public:
    // `bus`: where the notification service is looked for when no tray exists.
    explicit SystemTray(QDBusConnection bus = session_bus::connection(), QObject* parent = nullptr);
    ~SystemTray() override;

    void install(const QIcon& icon, const QString& toolTip, Handlers handlers) override;
    void setExitText(const QString& text) override;
    void setProfilesMenu(TrayProfilesMenu menu) override;
    void showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                     int milliseconds) override;
    bool isTrayAvailable() const override;
    void remove() override;

private:
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void updateAvailability();
    void onWatcherAppeared();
    void onWatcherGone();
    // Both menus from the profiles and the Exit text.
    void rebuildMenus();
    void chooseProfile(const QString& name);
    void setTick(std::size_t index, bool on);

    QSystemTrayIcon icon_;
    QMenu menu_;
    QTimer availabilityTimer_;
    DesktopNotifier notifier_;
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    std::unique_ptr<StatusNotifierItem> item_;
    QIcon itemIcon_;
    QString toolTip_;
    QString exitText_ = QStringLiteral("Exit");
    TrayProfilesMenu profiles_;               // no title: no sub-menu yet
    std::vector<DBusMenu::Entry> sniEntries_; // the item's menu, for an item made later
    bool itemRegistered_ = false;
    Handlers handlers_;
    bool available_ = false;
    bool installed_ = false;
};

} // namespace pelmora
