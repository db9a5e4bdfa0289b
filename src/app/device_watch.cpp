#include "app/device_watch.h"

#include "app/device_balloon.h"
#include "base/log.h"
#include "settings/link_texts.h"
#include "settings/shell_messages.h"

#include <QPointer>

#include <exception>

namespace pelmora {

namespace {
constexpr std::string_view kCreateEventFailed = "CreateEvent failed.";
constexpr std::string_view kRegisterNotificationFailed = "RegisterDeviceNotification failed!!!";

// The program's own text, then what failed and what to do.
void reportFailure(MessageSink& messages, const std::string& error, std::string_view text,
                   FailureHelp help, Language language) {
    if (!error.empty()) {
        logLine(LogCategory::Device, LogLevel::Warning, error);
    }
    messages.showMessage(std::string(text) + '\n' +
                             failureHelp(help, language, error.empty() ? "?" : error),
                         kAppName);
}
} // namespace

DeviceWatch::DeviceWatch(DeviceLink& link, TrayPort& tray, MessageSink& messages,
                         const WindowSession& session, Window window)
    : link_(link), tray_(tray), messages_(messages), session_(session), window_(std::move(window)) {
}

void DeviceWatch::start() {
    const bool found = link_.discover();
    present_ = link_.present();
    if (!found) {
        // Why a mouse that is there cannot be used (typically no permission
        // on its hidraw nodes); a missing mouse is no error.
        if (!link_.lastError().empty()) {
            logLine(LogCategory::Device, LogLevel::Warning, link_.lastError());
        }
        // Queued: the warning shows once the window has loaded the texts of
        // its language, not as an empty balloon.
        QMetaObject::invokeMethod(
            this, [this] { notify(kNotDetectedEvent, 0); }, Qt::QueuedConnection);
    }

    // The listener's events come to this thread queued, in the order the
    // mouse reported them; it runs once the mouse is there.
    QPointer<DeviceWatch> self(this);
    try {
        link_.createListener([self](const DeviceEvent& event) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, event] {
                    if (self) {
                        self->notify(event.type, event.value);
                    }
                },
                Qt::QueuedConnection);
        });
    } catch (const std::exception& e) {
        // Go on without device events; settings, texts and pages still load.
        reportFailure(messages_, e.what(), kCreateEventFailed, FailureHelp::DeviceEvents,
                      session_.language());
    }

    std::string error;
    if (!link_.startMonitor(error)) {
        reportFailure(messages_, error, kRegisterNotificationFailed, FailureHelp::Hotplug,
                      session_.language());
    } else {
        hotplugNotifier_ =
            std::make_unique<QSocketNotifier>(link_.monitorFd(), QSocketNotifier::Read);
        connect(hotplugNotifier_.get(), &QSocketNotifier::activated, this,
                &DeviceWatch::onHotplugReadable);
    }
}

void DeviceWatch::stop() {
    stopped_ = true;
    link_.stopListener();
    hotplugNotifier_.reset();
}

void DeviceWatch::notify(int type, int value) {
    auto balloon = trayBalloonFor(type, value, session_.settings,
                                  link_.deviceImage().activeSensorType, session_.language());
    if (!balloon) {
        return;
    }
    if (balloon->kind == BalloonKind::DpiStage) {
        emit stageSwitched(balloon->value, balloon->dpi);
        if (switchFeedback_) {
            switchFeedback_(balloon->text);
            return;
        }
    }
    if (type == kNotDetectedEvent) {
        // Why a mouse that is plugged in cannot be used, when that is known.
        const std::string reason = mouseProblemText(link_.problem(), session_.language());
        if (!reason.empty()) {
            balloon->text += '\n' + QString::fromUtf8(reason);
        }
        balloon->text +=
            '\n' + QString::fromUtf8(shellMessage(ShellMessage::PlugInAdvice, session_.language()));
    }
    tray_.showBalloon(balloon->title, balloon->text, balloon->icon, balloon->milliseconds);
}

void DeviceWatch::transferEnded() {
    if (!hotplugWaiting_) {
        return;
    }
    hotplugWaiting_ = false;
    if (hotplugNotifier_) {
        hotplugNotifier_->setEnabled(true);
    }
    onHotplugReadable();
}

void DeviceWatch::onHotplugReadable() {
    if (stopped_) {
        return;
    }
    // Discovery would swap the handles under the transfer: the change is
    // handled when the transfer has ended (an unplug ends it quickly).
    if (window_.busy()) {
        hotplugWaiting_ = true;
        if (hotplugNotifier_) {
            hotplugNotifier_->setEnabled(false);
        }
        return;
    }
    // The re-read after an arrival runs here, on the GUI thread: it never
    // waits for another program (the window reads again then).
    const TransferWait once{0, {}, {}};
    for (const DeviceChangeDecision& decision : link_.handleMonitorReadable(&once)) {
        if (decision.warn) {
            notify(kNotDetectedEvent, 0);
        }
        if (decision.hideWindow) {
            window_.hide();
        }
        if (decision.readMissed && window_.readMissed) {
            window_.readMissed();
        }
    }
    window_.changed();
    if (const bool present = link_.present(); present != present_) {
        present_ = present;
        emit connectionChanged(present);
    }
}

} // namespace pelmora
