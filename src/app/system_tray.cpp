#include "app/system_tray.h"

#include "app/session_bus.h"
#include "ui/skin/display_session.h"

#include <QDBusConnectionInterface>
#include <QGuiApplication>

#include <algorithm>

namespace pelmora {

namespace {
// How often to look for an XEmbed tray that appeared or went away: Qt tells
// no one when a tray manager comes or goes. StatusNotifierItem hosts come and
// go through their watcher's bus name, which the tray watches instead.
constexpr int kXEmbedPollMs = 2000;
constexpr int kMinimumBalloonMs = 3000;

// Qt's own icon is an XEmbed icon wherever no StatusNotifierItem host is
// there; XEmbed trays exist only on X11 (elsewhere Qt's icon listens for a
// signal only its X11 plugin has, and says so on stderr).
bool xembedPossible() {
    return x11Client(displaySession());
}
} // namespace

SystemTray::SystemTray(QDBusConnection bus, QObject* parent)
    : QObject(parent), notifier_(bus), bus_(bus),
      watcher_(session_bus::kStatusNotifierWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange) {
    rebuildMenus();
    connect(&icon_, &QSystemTrayIcon::activated, this, &SystemTray::onActivated);
    availabilityTimer_.setInterval(kXEmbedPollMs);
    connect(&availabilityTimer_, &QTimer::timeout, this, &SystemTray::updateAvailability);
    connect(&watcher_, &QDBusServiceWatcher::serviceRegistered, this,
            &SystemTray::onWatcherAppeared);
    connect(&watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &SystemTray::onWatcherGone);
}

SystemTray::~SystemTray() {
    remove();
}

void SystemTray::install(const QIcon& icon, const QString& toolTip, Handlers handlers) {
    handlers_ = std::move(handlers);
    icon_.setIcon(icon);
    icon_.setToolTip(toolTip);
    icon_.setContextMenu(&menu_);
    itemIcon_ = icon;
    toolTip_ = toolTip;
    available_ = QSystemTrayIcon::isSystemTrayAvailable();
    installed_ = true;
    if (xembedPossible()) {
        availabilityTimer_.start();
    }
    // A StatusNotifierItem host gets the program's own item, titled
    // "Pelmora" (Qt's item would carry the window class as its title), now
    // or whenever its watcher appears. Qt's icon serves XEmbed trays: shown
    // even without a tray, Qt docks it once one turns up.
    const bool watcher = session_bus::serviceAvailable(bus_, session_bus::kStatusNotifierWatcher);
    if (watcher) {
        onWatcherAppeared();
    } else if (xembedPossible()) {
        icon_.show();
    }
}

void SystemTray::setExitText(const QString& text) {
    exitText_ = text;
    rebuildMenus();
}

void SystemTray::setProfilesMenu(TrayProfilesMenu menu) {
    profiles_ = std::move(menu);
    rebuildMenus();
}

void SystemTray::chooseProfile(const QString& name) {
    // Later: the menu that was clicked is rebuilt by what the choice changes.
    QMetaObject::invokeMethod(
        this,
        [this, name] {
            if (profiles_.choose) {
                profiles_.choose(name);
            }
        },
        Qt::QueuedConnection);
}

void SystemTray::setTick(std::size_t index, bool on) {
    QMetaObject::invokeMethod(
        this,
        [this, index, on] {
            if (index < profiles_.ticks.size() && profiles_.ticks[index].set) {
                profiles_.ticks[index].set(on);
            }
        },
        Qt::QueuedConnection);
}

void SystemTray::rebuildMenus() {
    const auto exit = [this] {
        if (handlers_.exit) {
            handlers_.exit();
        }
    };
    menu_.clear();
    std::vector<DBusMenu::Entry> entries;
    if (!profiles_.title.isEmpty()) {
        QMenu* sub = menu_.addMenu(profiles_.title); // owned by menu_
        DBusMenu::Entry submenu{profiles_.title, {}, DBusMenu::Toggle::None, false, false, {}};
        for (const TrayProfilesMenu::Profile& profile : profiles_.profiles) {
            QAction* action = sub->addAction(profile.label);
            action->setCheckable(true);
            action->setChecked(profile.active);
            const QString name = profile.name;
            connect(action, &QAction::triggered, this, [this, name] { chooseProfile(name); });
            submenu.children.push_back({profile.label,
                                        [this, name] { chooseProfile(name); },
                                        DBusMenu::Toggle::Radio,
                                        profile.active,
                                        false,
                                        {}});
        }
        if (!profiles_.profiles.empty()) {
            sub->addSeparator();
            submenu.children.push_back({{}, {}, DBusMenu::Toggle::None, false, true, {}});
        }
        for (std::size_t index = 0; index < profiles_.ticks.size(); ++index) {
            const TrayProfilesMenu::Tick& each = profiles_.ticks[index];
            QAction* tick = sub->addAction(each.label);
            tick->setCheckable(true);
            tick->setChecked(each.on);
            connect(tick, &QAction::triggered, this,
                    [this, index](bool on) { setTick(index, on); });
            const bool on = each.on;
            submenu.children.push_back({each.label,
                                        [this, index, on] { setTick(index, !on); },
                                        DBusMenu::Toggle::Check,
                                        on,
                                        false,
                                        {}});
        }
        entries.push_back(std::move(submenu));
    }
    connect(menu_.addAction(exitText_), &QAction::triggered, this, exit);
    entries.push_back({exitText_, exit, DBusMenu::Toggle::None, false, false, {}});
    if (item_) {
        item_->setMenu(entries);
    }
    sniEntries_ = std::move(entries);
}

void SystemTray::showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                             int milliseconds) {
    // A balloon of a tenth of a second would vanish before anyone could read
    // it; the desktop's notification areas keep it up for a few seconds.
    milliseconds = std::max(milliseconds, kMinimumBalloonMs);
    // One path for every notification: the desktop's notification service,
    // under the program's own name. Qt's balloon only where there is none
    // (a bare X server with a notification area).
    const auto trayBalloon = [this, title, text, icon, milliseconds] {
        if (isTrayAvailable() && QSystemTrayIcon::supportsMessages()) {
            icon_.showMessage(title, text,
                              icon == BalloonIcon::Warning ? QSystemTrayIcon::Warning
                                                           : QSystemTrayIcon::Information,
                              milliseconds);
        }
    };
    if (!notifier_.notify(title, text, milliseconds, trayBalloon)) {
        trayBalloon();
    }
}

bool SystemTray::isTrayAvailable() const {
    return itemRegistered_ || QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTray::remove() {
    availabilityTimer_.stop();
    item_.reset();
    itemRegistered_ = false;
    if (installed_) {
        icon_.hide();
        installed_ = false;
    }
}

void SystemTray::onActivated(QSystemTrayIcon::ActivationReason reason) {
    if ((reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick) &&
        handlers_.open) {
        handlers_.open();
    }
    // The right button shows the context menu by itself.
}

void SystemTray::updateAvailability() {
    const bool now = isTrayAvailable();
    if (now == available_) {
        return;
    }
    available_ = now;
    if (now && !itemRegistered_ && xembedPossible()) {
        icon_.hide();
        icon_.show();
    }
    if (handlers_.availability) {
        handlers_.availability(now);
    }
}

void SystemTray::onWatcherAppeared() {
    if (!installed_) {
        return;
    }
    if (!item_) {
        item_ = std::make_unique<StatusNotifierItem>(bus_, itemIcon_, toolTip_, [this] {
            if (handlers_.open) {
                handlers_.open();
            }
        });
        item_->setMenu(sniEntries_);
    }
    item_->registerWithWatcher([this](bool ok) {
        if (!installed_) {
            return;
        }
        if (!ok) {
            if (xembedPossible()) {
                icon_.show(); // the host refused our item: Qt's may still dock
            }
            return;
        }
        itemRegistered_ = true;
        // The host shows our item: Qt's icon in an XEmbed tray beside it
        // would be a second one.
        icon_.hide();
        updateAvailability();
    });
}

void SystemTray::onWatcherGone() {
    if (!itemRegistered_) {
        return;
    }
    itemRegistered_ = false;
    if (installed_ && xembedPossible()) {
        icon_.show();
    }
    updateAvailability();
}

} // namespace pelmora
