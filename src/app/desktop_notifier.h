#pragma once
// Notifications through the desktop's notification service (freedesktop
// org.freedesktop.Notifications on the session bus), used where no
// notification area shows balloons.

#include "app/tray_port.h"

#include <QDBusConnection>
#include <QString>

namespace pelmora {

class DesktopNotifier {
public:
    explicit DesktopNotifier(QDBusConnection bus = QDBusConnection::sessionBus());

    // Whether a notification service is registered on the bus right now.
    bool available() const;
    // Sends one notification, replacing the previous one of this program.
    // Returns false when no service took it. Never blocks longer than a
    // short time-out.
    bool notify(const QString& title, const QString& text, BalloonIcon icon, int milliseconds);

private:
    QDBusConnection bus_;
    unsigned lastId_ = 0;
};

} // namespace pelmora
