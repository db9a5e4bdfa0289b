#include "app/kwin_focus_script.h"

#include "base/log.h"
#include "desktop/focus/focus_helpers.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace pelmora {

namespace {

const QString kKWin = QStringLiteral("org.kde.KWin");
const QString kScripting = QStringLiteral("/Scripting");
const QString kScriptingInterface = QStringLiteral("org.kde.kwin.Scripting");

QString scriptName() {
    return QString::fromLatin1(kKWinScriptName.data(),
                               static_cast<qsizetype>(kKWinScriptName.size()));
}

QDBusMessage scriptingCall(const QString& method) {
    return QDBusMessage::createMethodCall(kKWin, kScripting, kScriptingInterface, method);
}

void logFailure(const std::string& what) {
    logLine(LogCategory::Desktop, LogLevel::Warning, "the KWin script: " + what);
}

} // namespace

KWinFocusScript::KWinFocusScript(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

KWinFocusScript::~KWinFocusScript() {
    if (loaded_) {
        QDBusMessage unload = scriptingCall(QStringLiteral("unloadScript"));
        unload << scriptName();
        // At the end the call must leave before the connection closes:
        // KWin is given a second to take it.
        bus_.call(unload, QDBus::Block, 1000);
    }
}

void KWinFocusScript::load(const QString& file) {
    QDBusMessage unload = scriptingCall(QStringLiteral("unloadScript"));
    unload << scriptName();
    bus_.send(unload);
    QDBusMessage call = scriptingCall(QStringLiteral("loadScript"));
    call << file << scriptName();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<int> reply = *done;
                if (reply.isError() || reply.value() < 0) {
                    logFailure(reply.isError() ? reply.error().message().toStdString()
                                               : std::string("KWin did not load it"));
                    return;
                }
                loaded_ = true;
                auto* started = new QDBusPendingCallWatcher(
                    bus_.asyncCall(scriptingCall(QStringLiteral("start"))), this);
                connect(started, &QDBusPendingCallWatcher::finished, this,
                        [](QDBusPendingCallWatcher* run) {
                            run->deleteLater();
                            if (run->isError()) {
                                logFailure(run->error().message().toStdString());
                            }
                        });
            });
}

} // namespace pelmora
