#include "app/focus_follower.h"

#include "app/session_bus.h"
#include "base/log.h"
#include "desktop/focus/focus_helpers.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>

#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace pelmora {

namespace {
constexpr std::size_t kSeenMost = 24;
} // namespace

FocusFollower::FocusFollower(ProfileSwitch& profiles,
                             std::function<void(const QString& profile)> tellHeld, QObject* parent)
    : QObject(parent), profiles_(profiles), tellHeld_(std::move(tellHeld)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &FocusFollower::settle);
}

FocusFollower::~FocusFollower() = default;

void FocusFollower::start(const FocusSession& session) {
    OpenedFocus opened = openFocus(session);
    mechanism_ = opened.mechanism;
    if (!opened.problem.empty()) {
        logLine(LogCategory::Desktop, LogLevel::Info,
                "automatic profile switching: " + opened.problem);
    }
    source_ = std::move(opened.source);
    if (mechanism_ == FocusMechanism::GnomeExtension) {
        askShellVersion();
    }
    if (!source_) {
        return;
    }
    source_->setHandler([this](const FocusedApplication& application) { focused(application); });
    notifier_ = new QSocketNotifier(source_->fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FocusFollower::readSource);
    source_->tellCurrent();
}

void FocusFollower::askShellVersion() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.gnome.Shell"), QStringLiteral("/org/gnome/Shell"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << QStringLiteral("org.gnome.Shell") << QStringLiteral("ShellVersion");
    auto* watcher = new QDBusPendingCallWatcher(session_bus::connection().asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusVariant> reply = *done;
                if (!reply.isError()) {
                    shellMajor_ =
                        reply.value().variant().toString().section(QLatin1Char('.'), 0, 0).toInt();
                }
            });
}

std::string_view FocusFollower::gnomeExtensionUuid() const {
    return shellMajor_ > 0 ? gnomeExtensionUuidFor(shellMajor_) : kGnomeExtensionUuid;
}

void FocusFollower::readSource() {
    if (source_ && !source_->dispatch()) {
        logLine(LogCategory::Desktop, LogLevel::Warning,
                "automatic profile switching: the desktop connection closed");
        notifier_->setEnabled(false);
        notifier_->deleteLater();
        notifier_ = nullptr;
        source_.reset();
    }
}

void FocusFollower::focused(const FocusedApplication& application) {
    if (application.ids.empty()) {
        return;
    }
    ++reports_;
    const auto now = FocusDebounce::Clock::now();
    debounce_.focused(application, now);
    timer_.start(std::chrono::ceil<std::chrono::milliseconds>(*debounce_.due() - now));
    if (isOwnApplication(application, static_cast<std::uint32_t>(getpid()))) {
        return;
    }
    std::erase_if(
        seen_, [&](const FocusedApplication& each) { return sameApplication(each, application); });
    seen_.insert(seen_.begin(), application);
    if (seen_.size() > kSeenMost) {
        seen_.pop_back();
    }
    QStringList ids;
    for (const std::string& id : application.ids) {
        ids << QString::fromStdString(id);
    }
    emit applicationFocused(ids);
}

void FocusFollower::settle() {
    const std::optional<FocusedApplication> application =
        debounce_.settled(FocusDebounce::Clock::now());
    if (!application) {
        if (const auto due = debounce_.due()) {
            timer_.start(
                std::chrono::ceil<std::chrono::milliseconds>(*due - FocusDebounce::Clock::now()));
        }
        return;
    }
    const ProfileLibrary& library = profiles_.library();
    ProfileStoreError error;
    FocusContext context{library.entries(error), library.activeName(), profiles_.modified(),
                         static_cast<std::uint32_t>(getpid())};
    if (!library.automaticSwitching(context.profiles)) {
        return;
    }
    const FocusDecision decision = decideFocusSwitch(*application, context);
    if (decision.verdict != FocusVerdict::Edited) {
        heldTold_ = false;
    }
    if (decision.verdict == FocusVerdict::Edited && !heldTold_) {
        heldTold_ = true;
        tellHeld_(QString::fromStdString(decision.profile));
    } else if (decision.verdict == FocusVerdict::Switch) {
        profiles_.activate(decision.profile, [](const ProfileSwitch::Result& result) {
            if (result.failure != ProfileSwitch::Failure::None) {
                logLine(LogCategory::Desktop, LogLevel::Warning,
                        "automatic profile switching: " + result.message);
            }
        });
    }
}

} // namespace pelmora
