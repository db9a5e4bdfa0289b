#pragma once
// Notifications through the desktop's notification service (freedesktop
// org.freedesktop.Notifications on the session bus): every notification of
// the program, sent as "Pelmora" with its icon and its menu entry.

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
    bool notify(const QString& title, const QString& text, int milliseconds);

private:
    QDBusConnection bus_;
    unsigned lastId_ = 0;
};

} // namespace pelmora
