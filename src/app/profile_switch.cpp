#include "app/profile_switch.h"

#include "app/ctarvix_dlg.h"
#include "base/log.h"

namespace pelmora {

namespace {

constexpr int kBusyRetryMs = 100;

} // namespace

ProfileSwitch::Failure ProfileSwitch::failureOf(ProfileFailure failure) {
    switch (failure) {
    case ProfileFailure::NoSuchProfile:
        return ProfileSwitch::Failure::NoSuchProfile;
    case ProfileFailure::BadName:
    case ProfileFailure::BadProfile:
        return ProfileSwitch::Failure::BadProfile;
    default:
        return ProfileSwitch::Failure::SaveFailed;
    }
}

ProfileSwitch::Failure ProfileSwitch::failureOf(const ApplySession::Outcome& outcome) {
    if (outcome.succeeded()) {
        return Failure::None;
    }
    if (!outcome.delivered) {
        return Failure::Busy;
    }
    return outcome.failedWrites != 0 ? Failure::TransferFailed : Failure::SaveFailed;
}

ProfileSwitch::ProfileSwitch(CTarvixDlg& window, DataFolder folder)
    : window_(window), library_(std::move(folder)) {
    retry_.setSingleShot(true);
    retry_.setInterval(kBusyRetryMs);
    QObject::connect(&retry_, &QTimer::timeout, [this] { startPending(); });
}

bool ProfileSwitch::modified() const {
    return library_.modified(window_.configuration());
}

std::string ProfileSwitch::save(std::string_view name, ProfileStoreError& error) {
    std::string stored = library_.save(name, window_.configuration(), error);
    emit changed();
    return stored;
}

bool ProfileSwitch::rename(std::string_view from, std::string_view to, ProfileStoreError& error) {
    const bool renamed = library_.rename(from, to, error);
    emit changed();
    return renamed;
}

bool ProfileSwitch::remove(std::string_view name, ProfileStoreError& error) {
    const bool removed = library_.remove(name, error);
    emit changed();
    return removed;
}

void ProfileSwitch::activate(std::string name, Reply reply, bool fromWindow) {
    pending_ = std::move(name);
    pendingFromWindow_ = fromWindow;
    pendingReplies_.push_back(std::move(reply));
    if (!running_) {
        startPending();
    }
}

void ProfileSwitch::startPending() {
    if (!pending_ || running_) {
        return;
    }
    if (window_.applyRunning() || window_.readWaiting()) {
        retry_.start(); // the window's own OK, Apply or read ends first
        return;
    }
    const std::string name = std::move(*pending_);
    const bool fromWindow = pendingFromWindow_;
    pending_.reset();
    replies_ = std::move(pendingReplies_);
    pendingReplies_.clear();
    running_ = true;
    ProfileActivation activation;
    ProfileStoreError error;
    if (!library_.prepare(name, window_.configuration(), activation, error) ||
        !library_.commit(activation, error)) {
        finish({failureOf(error.failure), profileErrorText(error)});
        return;
    }
    logLine(LogCategory::Files, LogLevel::Info, "profile " + activation.name + " activated");
    messages_.messages.clear();
    const bool started = window_.applyConfiguration(
        activation.configuration, &messages_,
        [this, stored = activation.name, fromWindow](const SettingsBlock&,
                                                     const ApplySession::Outcome& outcome) {
            const Failure failure = failureOf(outcome);
            if (failure == Failure::None) {
                emit activated(QString::fromStdString(stored), fromWindow);
            }
            finish({failure, failure == Failure::None ? std::string() : messages_.lastText()});
        });
    if (!started) {
        // Refused before anything was sent: no mouse, or no settings loaded.
        finish({Failure::NoMouse, messages_.lastText()});
    }
}

void ProfileSwitch::finish(const Result& result) {
    running_ = false;
    for (const Reply& reply : std::exchange(replies_, {})) {
        reply(result);
    }
    emit changed();
    startPending();
}

} // namespace pelmora
