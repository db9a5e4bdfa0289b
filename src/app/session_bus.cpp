#include "app/session_bus.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>

namespace pelmora::session_bus {

QDBusConnection connection() {
    return QDBusConnection::sessionBus();
}

bool serviceAvailable(const QDBusConnection& bus, const QString& name, bool orStartable) {
    QDBusConnectionInterface* daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (daemon == nullptr) {
        return false;
    }
    if (const QDBusReply<bool> running = daemon->isServiceRegistered(name);
        running.isValid() && running.value()) {
        return true;
    }
    if (!orStartable) {
        return false;
    }
    const QDBusReply<QStringList> startable = daemon->activatableServiceNames();
    return startable.isValid() && startable.value().contains(name);
}

bool waitForService(const QDBusConnection& bus, const QString& name, int timeoutMs) {
    QEventLoop loop;
    QDBusServiceWatcher watcher(name, bus, QDBusServiceWatcher::WatchForRegistration);
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop,
                     [&loop] { loop.exit(0); });
    QTimer::singleShot(timeoutMs, &loop, [&loop] { loop.exit(1); });
    // Asked after the watcher exists: a name taken in between is not missed.
    if (serviceAvailable(bus, name)) {
        return true;
    }
    return loop.exec() == 0 || serviceAvailable(bus, name);
}

} // namespace pelmora::session_bus
