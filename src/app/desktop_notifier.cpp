#include "app/desktop_notifier.h"

#include "app/app_identity.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace pelmora {

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
constexpr int kCallTimeoutMs = 2000;
} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus) : bus_(std::move(bus)) {}

bool DesktopNotifier::available() const {
    if (!bus_.isConnected() || bus_.interface() == nullptr) {
        return false;
    }
    const QDBusReply<bool> reply = bus_.interface()->isServiceRegistered(kService);
    return reply.isValid() && reply.value();
}

bool DesktopNotifier::notify(const QString& title, const QString& text, int milliseconds) {
    if (!available()) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // The program's name and icon, and its menu entry, which GNOME and Plasma
    // group the notifications by; the title says what kind of event it is.
    const QString desktopEntry = QString::fromLatin1(identity::kDesktopEntry);
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
    hints.insert(QStringLiteral("desktop-entry"), desktopEntry);
    call << QString::fromLatin1(identity::kDisplayName) << lastId_ << desktopEntry << title << text
         << QStringList() << hints << milliseconds;
    const QDBusReply<unsigned> reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        return false;
    }
    lastId_ = reply.value();
    return true;
}

} // namespace pelmora
