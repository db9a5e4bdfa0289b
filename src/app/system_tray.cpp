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
    exitAction_ = menu_.addAction(QStringLiteral("Exit"));
    connect(exitAction_, &QAction::triggered, this, [this] {
        if (handlers_.exit) {
            handlers_.exit();
        }
    });
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
    exitAction_->setText(text);
    exitText_ = text;
    if (item_) {
        item_->setExitText(text);
    }
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
        item_ = std::make_unique<StatusNotifierItem>(
            bus_, itemIcon_, toolTip_,
            StatusNotifierItem::Handlers{[this] {
                                             if (handlers_.open) {
                                                 handlers_.open();
                                             }
                                         },
                                         [this] {
                                             if (handlers_.exit) {
                                                 handlers_.exit();
                                             }
                                         }});
        if (!exitText_.isEmpty()) {
            item_->setExitText(exitText_);
        }
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
