#include "app/desktop_notifier.h"

#include "app/session_bus.h"
#include "settings/app_identity.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace pelmora {

namespace {
// A daemon the bus starts on the first call needs a moment to come up.
constexpr int kCallTimeoutMs = 10000;
} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

bool DesktopNotifier::available() const {
    return session_bus::serviceAvailable(bus_, session_bus::kNotifications, true);
}

bool DesktopNotifier::notify(const QString& title, const QString& text, int milliseconds,
                             std::function<void()> failed, Kind kind) {
    if (!available()) {
        return false;
    }
    queue_.push_back({title, text, milliseconds, std::move(failed), kind});
    sendNext();
    return true;
}

void DesktopNotifier::sendNext() {
    if (inFlight_ || queue_.empty()) {
        return;
    }
    Pending next = std::move(queue_.front());
    queue_.pop_front();
    QDBusMessage call =
        QDBusMessage::createMethodCall(session_bus::kNotifications, session_bus::kNotificationsPath,
                                       session_bus::kNotifications, QStringLiteral("Notify"));
    // The program's name and icon, and its menu entry, which GNOME and Plasma
    // group the notifications by; the title says what kind of event it is.
    const QString desktopEntry = QString::fromLatin1(identity::kDesktopEntry);
    const bool isSwitch = next.kind == Kind::Switch;
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue<uchar>(isSwitch ? 0 : 1));
    hints.insert(QStringLiteral("desktop-entry"), desktopEntry);
    if (isSwitch) {
        hints.insert(QStringLiteral("transient"), true);
    }
    unsigned& lastId = lastIds_[static_cast<std::size_t>(next.kind)];
    call << QString::fromLatin1(identity::kDisplayName) << lastId << desktopEntry << next.title
         << next.text << QStringList() << hints << next.milliseconds;
    inFlight_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, &lastId, failed = std::move(next.failed)](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<unsigned> reply = *done;
                inFlight_ = false;
                if (reply.isValid()) {
                    lastId = reply.value();
                } else if (failed) {
                    failed();
                }
                sendNext();
            });
}

} // namespace pelmora
