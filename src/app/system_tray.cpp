#include "app/system_tray.h"

#include <algorithm>

namespace pelmora {

namespace {
// How often to look for a notification area that appeared or went away.
constexpr int kAvailabilityPollMs = 2000;
constexpr int kMinimumBalloonMs = 3000;
} // namespace

SystemTray::SystemTray(QDBusConnection bus, QObject* parent)
    : QObject(parent), notifier_(std::move(bus)) {
    exitAction_ = menu_.addAction(QStringLiteral("Exit"));
    connect(exitAction_, &QAction::triggered, this, [this] {
        if (handlers_.exit) {
            handlers_.exit();
        }
    });
    connect(&icon_, &QSystemTrayIcon::activated, this, &SystemTray::onActivated);
    availabilityTimer_.setInterval(kAvailabilityPollMs);
    connect(&availabilityTimer_, &QTimer::timeout, this, &SystemTray::pollAvailability);
}

SystemTray::~SystemTray() {
    remove();
}

void SystemTray::install(const QIcon& icon, const QString& toolTip, Handlers handlers) {
    handlers_ = std::move(handlers);
    icon_.setIcon(icon);
    icon_.setToolTip(toolTip);
    icon_.setContextMenu(&menu_);
    available_ = QSystemTrayIcon::isSystemTrayAvailable();
    installed_ = true;
    // Shown even without a tray: Qt docks the icon once a tray turns up.
    icon_.show();
    availabilityTimer_.start();
}

void SystemTray::setExitText(const QString& text) {
    exitAction_->setText(text);
}

void SystemTray::showBalloon(const QString& title, const QString& text, BalloonIcon icon,
                             int milliseconds) {
    // A balloon of a tenth of a second would vanish before anyone could read
    // it; the desktop's notification areas keep it up for a few seconds.
    milliseconds = std::max(milliseconds, kMinimumBalloonMs);
    // One path for every notification: the desktop's notification service,
    // under the program's own name. Qt's balloon only where there is none
    // (a bare X server with a notification area).
    if (notifier_.notify(title, text, milliseconds)) {
        return;
    }
    if (isTrayAvailable() && QSystemTrayIcon::supportsMessages()) {
        icon_.showMessage(title, text,
                          icon == BalloonIcon::Warning ? QSystemTrayIcon::Warning
                                                       : QSystemTrayIcon::Information,
                          milliseconds);
    }
}

bool SystemTray::isTrayAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void SystemTray::remove() {
    availabilityTimer_.stop();
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

void SystemTray::pollAvailability() {
    const bool now = QSystemTrayIcon::isSystemTrayAvailable();
    if (now == available_) {
        return;
    }
    available_ = now;
    if (now) {
        icon_.hide();
        icon_.show();
    }
    if (handlers_.availability) {
        handlers_.availability(now);
    }
}

} // namespace pelmora
