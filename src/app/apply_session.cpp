#include "app/apply_session.h"

#include "base/log.h"
#include "settings/control_names.h"
#include "settings/link_texts.h"
#include "settings/shell_messages.h"
#include "settings/transfer_texts.h"
#include "ui/skin/skin_controls.h"

#include <QEvent>
#include <QWidget>

namespace pelmora {

ApplySession::ApplySession(QWidget& window, StatusLine& status, DeviceLink& link,
                           std::filesystem::path settingsFile, MessageSink& messages)
    : window_(window), status_(status), link_(link), settingsFile_(std::move(settingsFile)),
      messages_(messages) {
    retry_.setInterval(kTransferRetryMs); // as TransferLock::acquire tries again
    QObject::connect(&retry_, &QTimer::timeout, [this] { retryRead(); });
}

std::optional<ApplyRefusal> ApplySession::refusal(const Request& request) const {
    // Sending an empty record would turn every button into Left Click and
    // every DPI stage off; saving it would put those zeros over the user's file.
    if (!request.settingsLoaded) {
        return ApplyRefusal::SettingsNotLoaded;
    }
    if (!link_.present()) {
        return ApplyRefusal::NoMouse;
    }
    return std::nullopt;
}

void ApplySession::refuse(ApplyRefusal why, Language language, MessageSink* messages) {
    (messages ? *messages : messages_).showMessage(applyRefusalText(why, language), kAppName);
}

bool ApplySession::start(Request request, Finished finished) {
    if (busy()) {
        return false;
    }
    if (const auto why = refusal(request)) {
        refuse(*why, request.language, request.messages);
        return false;
    }
    const Language language = request.language;
    // Called on the worker when it starts and ends waiting for another program.
    const TransferWait wait{transferWaitMs(),
                            [this, language](bool waiting) {
                                QMetaObject::invokeMethod(
                                    &worker_,
                                    [this, language, waiting] {
                                        showStatus(waiting ? waitingForMouseText(language)
                                                           : sendingSettingsText(language));
                                    },
                                    Qt::QueuedConnection);
                            },
                            [this] { return givingUp_.load(); }};
    // The request's sink outlives the transfer: its caller waits for Finished.
    MessageSink* const sink = request.messages ? request.messages : &messages_;
    worker_.start([this, request = std::move(request), finished = std::move(finished), wait, sink] {
        MessageSink& messages = *sink;
        bool labelsSaved = true;
        ApplySaving saving;
        saving.settingsFile = settingsFile_;
        saving.messages = &messages;
        saving.language = request.language;
        saving.saveLabels = [&] {
            std::string error;
            if (!writeLabels(request.preferencesFile, request.languageCode, request.labels,
                             &error)) {
                labelsSaved = false;
                logLine(LogCategory::Files, LogLevel::Warning,
                        "the button labels were not saved: " + error);
                messages.showMessage(notSavedText(request.preferencesFile, error, request.language),
                                     kAppName);
            }
        };
        const ApplyResult result = link_.apply(request.settings, saving, &wait);
        return [this, sent = request.settings, language = request.language, finished, result,
                labelsSaved, sink] {
            MessageSink& messages = *sink;
            hideStatus();
            const Outcome outcome{result.access == TransferAccess::Granted, result.writes,
                                  result.failedWrites,
                                  labelsSaved && result.saved == SaveResult::Saved};
            if (result.access == TransferAccess::Busy) {
                // Nothing was sent or saved; the edits stay for another try.
                messages.showMessage(mouseBusyText(MouseBusy::NothingSent, language), kAppName);
            } else if (result.mouseStoppedAnswering()) {
                messages.showMessage(writesLostText(result.failedWrites, result.writes, language),
                                     kAppName);
            } else if (outcome.succeeded()) {
                // Failures have their message boxes; success is only spoken.
                if (SkinControls* controls = SkinControls::of(&window_)) {
                    const std::string_view text = controlName(ControlName::SettingsSent, language);
                    controls->announceText(
                        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
                }
            }
            if (finished) {
                finished(sent, outcome);
            }
        };
    });
    showStatus(sendingSettingsText(language));
    return true;
}

void ApplySession::read(Language language, std::function<void(bool late)> read) {
    if (busy() || !link_.present()) {
        return;
    }
    if (readNow()) {
        if (read) {
            read(false);
        }
        return;
    }
    // Another program holds the mouse: the event loop never waits for it.
    readLanguage_ = language;
    afterRead_ = std::move(read);
    readDeadline_ = TransferDeadline(transferWaitMs());
    retry_.start();
    showStatus(waitingForMouseText(language));
}

void ApplySession::retryRead() {
    const bool present = link_.present() && !givingUp_;
    const bool read = present && readNow();
    if (!read && present && !readDeadline_.expired()) {
        return;
    }
    retry_.stop();
    hideStatus();
    if (read) {
        if (afterRead_) {
            afterRead_(true);
        }
    } else if (present) {
        messages_.showMessage(mouseBusyText(MouseBusy::NotRead, readLanguage_), kAppName);
    }
    afterRead_ = nullptr;
}

bool ApplySession::readNow() {
    const TransferWait once{0, {}, {}};
    return link_.readBasicSettings(&once) == TransferAccess::Granted;
}

void ApplySession::giveUp() {
    givingUp_ = true;
    if (retry_.isActive()) {
        retry_.stop();
        hideStatus();
        afterRead_ = nullptr;
    }
}

void ApplySession::showStatus(std::string_view text) {
    window_.setCursor(Qt::BusyCursor);
    status_.set(StatusLine::Source::Transfer, QString::fromUtf8(text));
}

void ApplySession::hideStatus() {
    window_.unsetCursor();
    status_.set(StatusLine::Source::Transfer, {});
}

bool ApplySession::blocksInput(const QObject* watched, const QEvent* event) const {
    if (!busy()) {
        return false;
    }
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick &&
        type != QEvent::KeyPress) {
        return false;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget != &window_ && window_.isAncestorOf(widget);
}

} // namespace pelmora
