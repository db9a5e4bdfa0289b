#pragma once
// The program's one entry to the session bus (QtDBus): the connection, the
// name and path it owns, the names of the services it talks to, and the one
// answer to "is that service there".

#include "settings/app_identity.h"

#include <QDBusConnection>
#include <QString>

namespace pelmora::session_bus {

QDBusConnection connection();

// What the running copy owns and offers.
inline const QString kName = QString::fromLatin1(identity::kBusName);
inline const QString kObjectPath = QString::fromLatin1(identity::kBusPath);
// The services it talks to.
inline const QString kStatusNotifierWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
inline const QString kStatusNotifierWatcherPath = QStringLiteral("/StatusNotifierWatcher");
inline const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
inline const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");

// Whether `name` has an owner on the bus now, or (with `orStartable`) the bus
// would start one for a call (a notification daemon started on demand).
bool serviceAvailable(const QDBusConnection& bus, const QString& name, bool orStartable = false);

// Waits until `name` has an owner, at most `timeoutMs`, running an event
// loop of its own meanwhile; false on time-out.
bool waitForService(const QDBusConnection& bus, const QString& name, int timeoutMs);

} // namespace pelmora::session_bus
