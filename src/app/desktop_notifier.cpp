#include "app/desktop_notifier.h"

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

bool DesktopNotifier::notify(const QString& title, const QString& text, BalloonIcon icon,
                             int milliseconds) {
    if (!available()) {
        return false;
    }
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    const QString iconName = icon == BalloonIcon::Warning ? QStringLiteral("dialog-warning")
                                                          : QStringLiteral("dialog-information");
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(1));
    call << QStringLiteral("Pelmora") << lastId_ << iconName << title << text << QStringList()
         << hints << milliseconds;
    const QDBusReply<unsigned> reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
    if (!reply.isValid()) {
        return false;
    }
    lastId_ = reply.value();
    return true;
}

} // namespace pelmora
