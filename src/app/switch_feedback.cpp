#include "app/switch_feedback.h"

#include "settings/app_identity.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>

namespace pelmora {

namespace {
const QString kPlasmaShell = QStringLiteral("org.kde.plasmashell");
const QString kOsdPath = QStringLiteral("/org/kde/osdService");
const QString kOsdInterface = QStringLiteral("org.kde.osdService");
constexpr int kShownMs = 2000;
} // namespace

SwitchFeedback::SwitchFeedback(QDBusConnection bus, std::function<bool()> wanted,
                               std::function<void(const QString&)> fallback, QObject* parent)
    : QObject(parent), bus_(bus), notifier_(bus), wanted_(std::move(wanted)),
      fallback_(std::move(fallback)) {}

void SwitchFeedback::show(const QString& text) {
    if (wanted_ && !wanted_()) {
        return;
    }
    if (!session_bus::serviceAvailable(bus_, kPlasmaShell)) {
        notify(text);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kPlasmaShell, kOsdPath, kOsdInterface,
                                                       QStringLiteral("showText"));
    call << QString::fromLatin1(identity::kDesktopEntry) << text;
    // A shell without the display (or a newer one that renamed it) gets the notification.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, text](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                if (done->isError()) {
                    notify(text);
                }
            });
}

void SwitchFeedback::notify(const QString& text) {
    const auto fallback = [this, text] {
        if (fallback_) {
            fallback_(text);
        }
    };
    if (!notifier_.notify(text, {}, kShownMs, fallback, DesktopNotifier::Kind::Switch)) {
        fallback();
    }
}

} // namespace pelmora
