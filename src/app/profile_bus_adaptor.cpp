#include "app/profile_bus_adaptor.h"

#include "app/session_bus.h"

#include <QDBusError>
#include <QVariantMap>

#include <array>

namespace pelmora {

namespace {

const QString kInterface = QStringLiteral("org.pelmora.Pelmora1");
const QString kErrorPrefix = QStringLiteral("org.pelmora.Pelmora1.Error.");

struct FailureName {
    ProfileSwitch::Failure failure;
    const char* name;
};
constexpr std::array kFailureNames{
    FailureName{ProfileSwitch::Failure::NoMouse, "NoMouse"},
    FailureName{ProfileSwitch::Failure::Busy, "Busy"},
    FailureName{ProfileSwitch::Failure::NoSuchProfile, "NoSuchProfile"},
    FailureName{ProfileSwitch::Failure::BadProfile, "BadProfile"},
    FailureName{ProfileSwitch::Failure::TransferFailed, "TransferFailed"},
    FailureName{ProfileSwitch::Failure::SaveFailed, "SaveFailed"},
};

QString errorName(ProfileSwitch::Failure failure) {
    for (const auto& [which, name] : kFailureNames) {
        if (which == failure) {
            return kErrorPrefix + QLatin1String(name);
        }
    }
    return QStringLiteral("org.freedesktop.DBus.Error.Failed");
}

} // namespace

ProfileBusAdaptor::ProfileBusAdaptor(QObject& object, QDBusConnection bus)
    : QDBusAbstractAdaptor(&object), bus_(std::move(bus)) {}

void ProfileBusAdaptor::attach(ProfileSwitch& profiles, std::function<bool()> connected) {
    profiles_ = &profiles;
    connected_ = std::move(connected);
    profiles.activated = [this](const std::string& name) {
        emit ProfileActivated(QString::fromStdString(name));
    };
    profiles.changed = [this] { publishChanges(); };
    activeSeen_ = activeProfile();
    modifiedSeen_ = modified();
    connectedSeen_ = mouseConnected();
}

QString ProfileBusAdaptor::activeProfile() const {
    return profiles_ ? QString::fromStdString(profiles_->library().activeName()) : QString();
}

bool ProfileBusAdaptor::modified() const {
    return profiles_ && profiles_->modified();
}

bool ProfileBusAdaptor::mouseConnected() const {
    return connected_ && connected_();
}

void ProfileBusAdaptor::publishChanges() {
    QVariantMap changed;
    if (const QString active = activeProfile(); active != activeSeen_) {
        changed.insert(QStringLiteral("ActiveProfile"), activeSeen_ = active);
    }
    if (const bool now = modified(); now != modifiedSeen_) {
        changed.insert(QStringLiteral("Modified"), modifiedSeen_ = now);
    }
    if (const bool now = mouseConnected(); now != connectedSeen_) {
        changed.insert(QStringLiteral("MouseConnected"), connectedSeen_ = now);
    }
    if (changed.isEmpty()) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        session_bus::kObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << kInterface << changed << QStringList();
    bus_.send(signal);
}

void ProfileBusAdaptor::replyError(const QDBusMessage& message, const QString& error,
                                   const std::string& text) {
    bus_.send(message.createErrorReply(error, QString::fromStdString(text)));
}

bool ProfileBusAdaptor::acceptName(const QString& name, const QDBusMessage& message) {
    message.setDelayedReply(true);
    if (!profiles_) {
        replyError(message, errorName(ProfileSwitch::Failure::NoMouse),
                   "the program is still starting");
        return false;
    }
    const std::string text = name.toStdString();
    if (checkProfileName(text) != ProfileNameProblem::None) {
        replyError(message, QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                   profileErrorText({ProfileFailure::BadName, text.substr(0, 80)}));
        return false;
    }
    return true;
}

QStringList ProfileBusAdaptor::ListProfiles(const QDBusMessage& message) {
    QStringList names;
    if (!profiles_) {
        return names;
    }
    ProfileStoreError error;
    for (const std::string& name : profiles_->library().store().list(error)) {
        names << QString::fromStdString(name);
    }
    if (error) {
        message.setDelayedReply(true);
        replyError(message, errorName(ProfileSwitch::Failure::SaveFailed), profileErrorText(error));
    }
    return names;
}

void ProfileBusAdaptor::ActivateProfile(const QString& name, const QDBusMessage& message) {
    if (!acceptName(name, message)) {
        return;
    }
    profiles_->activate(name.toStdString(), [this, message](const ProfileSwitch::Result& result) {
        if (result.failure == ProfileSwitch::Failure::None) {
            bus_.send(message.createReply());
        } else {
            replyError(message, errorName(result.failure), result.message);
        }
    });
}

void ProfileBusAdaptor::SaveProfile(const QString& name, const QDBusMessage& message) {
    if (!acceptName(name, message)) {
        return;
    }
    ProfileStoreError error;
    profiles_->save(name.toStdString(), error);
    if (error) {
        replyError(message, errorName(ProfileSwitch::failureOf(error.failure)),
                   profileErrorText(error));
    } else {
        bus_.send(message.createReply());
    }
}

} // namespace pelmora
