// Notifications through a freedesktop notification service on a private
// session bus, and the quiet failure when there is no service.

#include "app/desktop_notifier.h"
#include "app/system_tray.h"
#include "support/private_session_bus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QVariantMap>
#include <gtest/gtest.h>

#include <mutex>

namespace pelmora {
namespace {

struct ReceivedNotification {
    QString app, icon, summary, body, desktopEntry;
    uint replaces = 0;
    int timeout = 0;
};

// The service side, living on a thread of its own so that the notifier's
// blocking call can be answered.
class FakeNotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    std::mutex mutex;
    std::vector<ReceivedNotification> received;

public slots:
    uint Notify(const QString& app, uint replaces, const QString& icon, const QString& summary,
                const QString& body, const QStringList&, const QVariantMap& hints, int timeout) {
        std::lock_guard lock(mutex);
        received.push_back(
            {app, icon, summary, body, hints.value("desktop-entry").toString(), replaces, timeout});
        return 40 + static_cast<uint>(received.size());
    }
};

void waitUntilIdle(const DesktopNotifier& notifier) {
    QDeadlineTimer deadline(10000);
    while (!notifier.idle() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

// The tests' own session bus, its address as QtDBus takes it.
class PrivateBus : public test::PrivateSessionBus {
public:
    using PrivateSessionBus::PrivateSessionBus;
    explicit PrivateBus(const QString& config) : PrivateSessionBus(config.toStdString()) {}
    QString address() const { return QString::fromStdString(PrivateSessionBus::address()); }
};

TEST(DesktopNotifier, SendsToTheServiceAndReplacesItsLastNotification) {
    PrivateBus bus;
    if (bus.address().isEmpty()) {
        GTEST_SKIP() << "dbus-daemon is not available";
    }
    QThread serverThread;
    serverThread.start();
    FakeNotificationServer server;
    server.moveToThread(&serverThread);
    QDBusConnection serverBus = QDBusConnection::connectToBus(bus.address(), "notify-server");
    ASSERT_TRUE(serverBus.isConnected());
    ASSERT_TRUE(serverBus.registerObject("/org/freedesktop/Notifications", &server,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serverBus.registerService("org.freedesktop.Notifications"));

    {
        DesktopNotifier notifier(QDBusConnection::connectToBus(bus.address(), "notify-client"));
        EXPECT_TRUE(notifier.available());
        EXPECT_TRUE(
            notifier.notify("Warning", "The system did not detect the gaming mouse!", 3000));
        EXPECT_TRUE(notifier.notify("Info", "Switch to key matrix 1", 5000));
        waitUntilIdle(notifier);
    }
    serverBus.unregisterObject("/org/freedesktop/Notifications");
    serverThread.quit();
    serverThread.wait();

    ASSERT_EQ(server.received.size(), 2u);
    EXPECT_EQ(server.received[0].summary, "Warning");
    EXPECT_EQ(server.received[0].body, "The system did not detect the gaming mouse!");
    EXPECT_EQ(server.received[0].app, "Pelmora");
    EXPECT_EQ(server.received[0].icon, "org.pelmora.Pelmora");
    EXPECT_EQ(server.received[0].desktopEntry, "org.pelmora.Pelmora");
    EXPECT_EQ(server.received[0].replaces, 0u);
    EXPECT_EQ(server.received[0].timeout, 3000);
    EXPECT_EQ(server.received[1].replaces, 41u); // the id the service gave the first one
    serverBus.unregisterService("org.freedesktop.Notifications");
    QDBusConnection::disconnectFromBus("notify-server");
    QDBusConnection::disconnectFromBus("notify-client");
}

TEST(SystemTray, WithoutATrayBalloonsGoToTheNotificationService) {
    PrivateBus bus;
    if (bus.address().isEmpty()) {
        GTEST_SKIP() << "dbus-daemon is not available";
    }
    QThread serverThread;
    serverThread.start();
    FakeNotificationServer server;
    server.moveToThread(&serverThread);
    QDBusConnection serverBus = QDBusConnection::connectToBus(bus.address(), "tray-server");
    ASSERT_TRUE(serverBus.registerObject("/org/freedesktop/Notifications", &server,
                                         QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serverBus.registerService("org.freedesktop.Notifications"));
    {
        SystemTray tray(QDBusConnection::connectToBus(bus.address(), "tray-client"));
        int opened = 0;
        tray.install(QIcon(), "Gaming Mouse Setting", {[&] { ++opened; }, {}, {}});
        ASSERT_FALSE(tray.isTrayAvailable()); // the offscreen platform has none
        tray.showBalloon("Warning", "The system did not detect the gaming mouse!",
                         BalloonIcon::Warning, 100);
        QDeadlineTimer deadline(5000);
        const auto nothingYet = [&server] {
            std::lock_guard lock(server.mutex);
            return server.received.empty();
        };
        while (nothingYet() && !deadline.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        tray.remove();
    }
    serverBus.unregisterObject("/org/freedesktop/Notifications");
    serverThread.quit();
    serverThread.wait();
    ASSERT_EQ(server.received.size(), 1u);
    EXPECT_EQ(server.received[0].body, "The system did not detect the gaming mouse!");
    // A tenth of a second is too short to read: held for a few seconds.
    EXPECT_GE(server.received[0].timeout, 3000);
    serverBus.unregisterService("org.freedesktop.Notifications");
    QDBusConnection::disconnectFromBus("tray-server");
    QDBusConnection::disconnectFromBus("tray-client");
}

// A daemon that the bus starts on the first call (mako, dunst) is not on
// the bus before it: the notification still goes out, and starts it.
TEST(DesktopNotifier, AServiceTheBusStartsOnDemandIsUsed) {
    if (QStandardPaths::findExecutable("python3").isEmpty()) {
        GTEST_SKIP() << "python3 is not available";
    }
    QTemporaryDir dir;
    const QString received = dir.filePath("received");
    const auto write = [&dir](const QString& name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    };
    // The end-to-end tests' stand-in service, started by the bus.
    write("org.freedesktop.Notifications.service",
          ("[D-BUS Service]\nName=org.freedesktop.Notifications\nExec=/bin/sh -c 'exec "
           "/usr/bin/python3 " PELMORA_SOURCE_DIR "/tests/e2e/lib/bus_standin.py notifications >" +
           received + "'\n")
              .toUtf8());
    // The session bus's own configuration, with this folder's services first.
    write("bus.conf", ("<busconfig><servicedir>" + dir.path() +
                       "</servicedir><include>/usr/share/dbus-1/session.conf</include>"
                       "</busconfig>")
                          .toUtf8());
    PrivateBus bus(dir.filePath("bus.conf"));
    ASSERT_FALSE(bus.address().isEmpty());
    {
        const QDBusConnection connection =
            QDBusConnection::connectToBus(bus.address(), "on-demand");
        ASSERT_FALSE(
            connection.interface()->isServiceRegistered("org.freedesktop.Notifications").value());
        DesktopNotifier notifier(connection);
        EXPECT_TRUE(notifier.available());
        EXPECT_TRUE(notifier.notify("Info", "Switch to key matrix 2", 5000));
        waitUntilIdle(notifier);
    }
    QDBusConnection::disconnectFromBus("on-demand");
    QFile file(received);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "ready\nnotify Info | replaces=0 urgency=1 transient=0\n");
}

TEST(DesktopNotifier, WithoutAServiceOrBusNothingIsSent) {
    PrivateBus bus;
    if (!bus.address().isEmpty()) {
        DesktopNotifier notifier(QDBusConnection::connectToBus(bus.address(), "empty-bus"));
        EXPECT_FALSE(notifier.available());
        EXPECT_FALSE(notifier.notify("Info", "text", 5000));
        QDBusConnection::disconnectFromBus("empty-bus");
    }
    DesktopNotifier noBus(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent"), "no-bus"));
    EXPECT_FALSE(noBus.available());
    EXPECT_FALSE(noBus.notify("Info", "text", 5000));
    QDBusConnection::disconnectFromBus("no-bus");
}

} // namespace
} // namespace pelmora

#include "desktop_notifier_test.moc"
