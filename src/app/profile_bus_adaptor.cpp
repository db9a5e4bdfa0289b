#include "app/profile_bus_adaptor.h"

#include "app/ctarvix_dlg.h"
#include "app/session_bus.h"
#include "settings/shell_messages.h"
#include "words/setting_words.h"

#include <QDBusError>
#include <QVariantMap>

#include <algorithm>
#include <array>
#include <memory>

namespace pelmora {

namespace {

const QString kInterface = QStringLiteral("org.pelmora.Pelmora1");
const QString kErrorPrefix = QStringLiteral("org.pelmora.Pelmora1.Error.");
const QString kInvalidArgs = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
// More words than the settings have, or a word longer than any value, is no
// call a script meant.
constexpr qsizetype kMostWords = 128;
constexpr qsizetype kLongestWord = 256;

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

void ProfileBusAdaptor::attach(ProfileSwitch& profiles, CTarvixDlg& window,
                               std::function<bool()> connected) {
    profiles_ = &profiles;
    window_ = &window;
    connected_ = std::move(connected);
    connect(&window.deviceWatch(), &DeviceWatch::stageSwitched, this,
            &ProfileBusAdaptor::onStageSwitched);
    connect(&window.deviceWatch(), &DeviceWatch::connectionChanged, this, [this](bool present) {
        emit MouseConnectionChanged(present);
        publishChanges();
    });
    connect(&profiles, &ProfileSwitch::activated, this,
            [this](const QString& name, bool) { emit ProfileActivated(name); });
    connect(&profiles, &ProfileSwitch::changed, this, &ProfileBusAdaptor::publishChanges);
    activeSeen_ = activeProfile();
    modifiedSeen_ = modified();
    connectedSeen_ = mouseConnected();
}

void ProfileBusAdaptor::attachFocus(FocusFollower& follower) {
    focus_ = &follower;
    connect(&follower, &FocusFollower::applicationFocused, this,
            &ProfileBusAdaptor::ApplicationFocused);
}

QString ProfileBusAdaptor::focusMechanism() const {
    return QString::fromUtf8(
        focusMechanismName(focus_ ? focus_->mechanism() : FocusMechanism::None));
}

void ProfileBusAdaptor::WindowFocused(const QString& appId, const QString& title, uint pid,
                                      const QDBusMessage& message) {
    if (!focus_) {
        message.setDelayedReply(true);
        replyError(message, errorName(ProfileSwitch::Failure::NoMouse),
                   "the program is still starting");
        return;
    }
    focus_->focused(focusedApplication({appId.left(kLongestWord).toStdString()},
                                       title.left(kLongestWord).toStdString(), pid));
}

void ProfileBusAdaptor::WindowFocused(const QString& appId, const QString& title, int pid,
                                      const QDBusMessage& message) {
    WindowFocused(appId, title, pid > 0 ? static_cast<uint>(pid) : 0u, message);
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
    if (dpiStage_ != stageSeen_) {
        changed.insert(QStringLiteral("DpiStage"), stageSeen_ = dpiStage_);
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

bool ProfileBusAdaptor::started(const QDBusMessage& message) {
    message.setDelayedReply(true);
    if (!profiles_ || !window_) {
        replyError(message, errorName(ProfileSwitch::Failure::NoMouse),
                   "the program is still starting");
        return false;
    }
    return true;
}

bool ProfileBusAdaptor::acceptName(const QString& name, const QDBusMessage& message) {
    if (!started(message)) {
        return false;
    }
    const std::string text = name.toStdString();
    if (checkProfileName(text) != ProfileNameProblem::None) {
        replyError(message, kInvalidArgs,
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

void ProfileBusAdaptor::onStageSwitched(uint stage, uint dpi) {
    dpiStage_ = stage;
    emit DpiStageChanged(stage, dpi);
    publishChanges();
}

bool ProfileBusAdaptor::acceptWords(const QStringList& words, const QDBusMessage& message) {
    if (!started(message)) {
        return false;
    }
    if (words.size() > kMostWords) {
        replyError(message, kInvalidArgs,
                   "more than " + std::to_string(kMostWords) + " words; nothing was changed");
        return false;
    }
    for (const QString& word : words) {
        const bool control = std::any_of(
            word.begin(), word.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
        if (word.size() > kLongestWord || control) {
            replyError(message, kInvalidArgs,
                       "\"" + word.left(40).toStdString() +
                           "\" is longer than a setting or holds control characters; nothing was "
                           "changed");
            return false;
        }
    }
    return true;
}

QString ProfileBusAdaptor::GetSetting(const QString& word, const QDBusMessage& message) {
    if (!acceptWords({word}, message)) {
        return {};
    }
    SettingsEdit edit = settingsEditOf(window_->configuration());
    edit.sensorType = window_->sensorType();
    const std::string name = word.trimmed().toLower().toStdString();
    for (const auto& [setting, value] : settingWords(edit)) {
        if (setting == name) {
            bus_.send(message.createReply(QString::fromStdString(value)));
            return {};
        }
    }
    replyError(message, kInvalidArgs,
               "unknown setting \"" + name + "\" (accepted: " + std::string(settingNamesText()) +
                   ")");
    return {};
}

void ProfileBusAdaptor::SetSettings(const QStringList& words, bool apply,
                                    const QDBusMessage& message) {
    if (!acceptWords(words, message)) {
        return;
    }
    if (window_->applyRunning() || window_->readWaiting() || profiles_->running()) {
        replyError(message, errorName(ProfileSwitch::Failure::Busy),
                   "a transfer to the mouse is running; nothing was changed");
        return;
    }
    if (!window_->session().settingsLoaded) {
        // The record in memory is empty: saving it would wipe config.bin.
        replyError(message, errorName(ProfileSwitch::Failure::NoMouse),
                   std::string(shellMessage(ShellMessage::SettingsNotLoaded,
                                            window_->session().language())));
        return;
    }
    Configuration configuration = window_->configuration();
    SettingsEdit edit = settingsEditOf(configuration);
    edit.sensorType = window_->sensorType();
    std::vector<std::string> given;
    for (const QString& word : words) {
        given.push_back(word.toStdString());
    }
    std::string problem = applySettingWords(edit, given);
    if (problem.empty()) {
        takeSettingsEdit(configuration, edit, problem);
    }
    if (!problem.empty()) {
        replyError(message, kInvalidArgs, problem + "; nothing was changed");
        return;
    }
    const auto answer = [this, message](ProfileSwitch::Failure failure, const std::string& text) {
        if (failure == ProfileSwitch::Failure::None) {
            bus_.send(message.createReply());
        } else {
            replyError(message, errorName(failure), text);
        }
        publishChanges();
    };
    if (!apply) {
        // As `set` without --apply: the window shows them, the files keep them.
        std::string error;
        window_->takeConfiguration(configuration);
        const bool saved =
            saveConfiguration(profiles_->library().folder(), configuration, false, error);
        answer(saved ? ProfileSwitch::Failure::None : ProfileSwitch::Failure::SaveFailed, error);
        return;
    }
    auto sink = std::make_shared<RecordingMessageSink>();
    const bool started = window_->applyConfiguration(
        configuration, sink.get(),
        [answer, sink](const SettingsBlock&, const ApplySession::Outcome& outcome) {
            const ProfileSwitch::Failure failure = ProfileSwitch::failureOf(outcome);
            answer(failure, sink->lastText());
        });
    if (!started) {
        answer(ProfileSwitch::Failure::NoMouse, sink->lastText());
    }
}

} // namespace pelmora
