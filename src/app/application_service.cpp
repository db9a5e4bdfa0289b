#include "app/application_service.h"

#include "app/session_bus.h"
#include "base/log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

#include <algorithm>

namespace pelmora {

namespace {
const QString kInterface = QStringLiteral("org.freedesktop.Application");
// The running copy takes the bus name a moment after the lock: a copy
// started right after it waits that long for the name.
constexpr int kNameWaitMs = 3000;
constexpr int kCallTimeoutMs = 5000;

struct TokenVariable {
    const char* environment;
    const char* platformKey;
};
constexpr TokenVariable kTokenVariables[] = {
    {"XDG_ACTIVATION_TOKEN", "activation-token"},
    {"DESKTOP_STARTUP_ID", "desktop-startup-id"},
};
} // namespace

QVariantMap activationPlatformData() {
    QVariantMap data;
    for (const TokenVariable& token : kTokenVariables) {
        const QString value = qEnvironmentVariable(token.environment);
        if (!value.isEmpty()) {
            data.insert(QString::fromLatin1(token.platformKey), value);
        }
    }
    return data;
}

bool acceptableActivationToken(const QString& token) {
    // xdg-activation tokens and startup ids are short printable ASCII; a
    // caller on the bus may send anything, and the token ends up in the
    // environment.
    constexpr qsizetype kLongestToken = 256;
    return !token.isEmpty() && token.size() <= kLongestToken &&
           std::all_of(token.begin(), token.end(), [](QChar c) {
               return c.unicode() > 0x20 && c.unicode() < 0x7f && c != QLatin1Char('=');
           });
}

void adoptActivationToken(const QVariantMap& platformData) {
    // The Wayland plugin hands XDG_ACTIVATION_TOKEN to the compositor when
    // the window next asks to be activated, and then drops it. X11's
    // startup id is read by Qt only at start: it is not kept, or a program
    // started from the window later (the web link) would inherit a stale one.
    const QString token = platformData.value(QStringLiteral("activation-token")).toString();
    if (acceptableActivationToken(token)) {
        qputenv("XDG_ACTIVATION_TOKEN", token.toLatin1());
    }
}

ApplicationService::ApplicationService(QDBusConnection bus, std::function<void()> activate,
                                       QObject* parent)
    : QObject(parent), bus_(std::move(bus)), activate_(std::move(activate)) {
    new ApplicationAdaptor(*this); // owned by this object
}

ApplicationService::~ApplicationService() {
    if (published_) {
        bus_.unregisterService(session_bus::kName);
        bus_.unregisterObject(session_bus::kObjectPath);
    }
}

bool ApplicationService::publish() {
    if (!bus_.isConnected()) {
        logLine(LogCategory::Bus, LogLevel::Warning,
                "no session bus: starting the program again cannot show this window");
        return false;
    }
    if (!bus_.registerObject(session_bus::kObjectPath, this, QDBusConnection::ExportAdaptors)) {
        logLine(LogCategory::Bus, LogLevel::Warning,
                "cannot offer " + session_bus::kObjectPath.toStdString() + " on the session bus");
        return false;
    }
    if (!bus_.registerService(session_bus::kName)) {
        bus_.unregisterObject(session_bus::kObjectPath);
        logLine(LogCategory::Bus, LogLevel::Warning,
                "the bus name " + session_bus::kName.toStdString() +
                    " is taken: " + bus_.lastError().message().toStdString());
        return false;
    }
    published_ = true;
    return true;
}

void ApplicationService::activate(const QVariantMap& platformData) {
    adoptActivationToken(platformData);
    if (activate_) {
        activate_();
    }
    // Used by the window's activation just now, or not usable (the window
    // was not ready, or is shown already): never left for a program the
    // window starts later (the web link) to inherit.
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

ApplicationAdaptor::ApplicationAdaptor(ApplicationService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

void ApplicationAdaptor::Activate(const QVariantMap& platformData) {
    service_.activate(platformData);
}

void ApplicationAdaptor::Open(const QStringList& /*uris*/, const QVariantMap& platformData) {
    service_.activate(platformData);
}

void ApplicationAdaptor::ActivateAction(const QString& /*name*/, const QVariantList& /*parameter*/,
                                        const QVariantMap& platformData) {
    service_.activate(platformData);
}

bool activateRunningCopy(QDBusConnection bus) {
    if (!bus.isConnected() || bus.interface() == nullptr) {
        logLine(LogCategory::Bus, LogLevel::Warning,
                "already running (no session bus to reach it)");
        return false;
    }
    // The first copy takes its name right after its lock: wait for it.
    if (!session_bus::waitForService(bus, session_bus::kName, kNameWaitMs)) {
        logLine(LogCategory::Bus, LogLevel::Warning,
                "already running (it is not on the session bus)");
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(session_bus::kName, session_bus::kObjectPath,
                                                       kInterface, QStringLiteral("Activate"));
    call << activationPlatformData();
    const QDBusMessage reply = bus.call(call, QDBus::Block, kCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        logLine(LogCategory::Bus, LogLevel::Warning,
                "already running; it did not answer: " + reply.errorMessage().toStdString());
        return false;
    }
    return true;
}

} // namespace pelmora
