#include "app/device_watch.h"

#include "app/device_balloon.h"
#include "base/log.h"
#include "settings/link_texts.h"
#include "settings/shell_messages.h"

#include <QPointer>

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

DeviceWatch::DeviceWatch(ShellDevice& device, TrayPort& tray, MessageSink& messages,
                         const SettingsBlock& settings, const Language& language, Window window)
    : device_(device), tray_(tray), messages_(messages), settings_(settings), language_(language),
      window_(std::move(window)) {}

void DeviceWatch::start() {
    const bool found = device_.discover();
    if (!found) {
        // Queued: the warning shows once the window has loaded the texts of
        // its language, not as an empty balloon.
        QMetaObject::invokeMethod(
            this, [this] { notify(kNotDetectedEvent, 0); }, Qt::QueuedConnection);
    }

    // The listener's events come to this thread queued, in the order the
    // mouse reported them.
    std::string error;
    QPointer<DeviceWatch> self(this);
    const bool listener = device_.createListener(
        [self](int type, int value) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, type, value] {
                    if (self) {
                        self->notify(type, value);
                    }
                },
                Qt::QueuedConnection);
        },
        error);
    if (!listener) {
        // Go on without device events; settings, texts and pages still load.
        reportFailure(messages_, error, kCreateEventFailed, FailureHelp::DeviceEvents, language_);
    } else if (found) {
        device_.resumeListener();
    }

    const int fd = device_.openHotplugMonitor(error);
    if (fd < 0) {
        reportFailure(messages_, error, kRegisterNotificationFailed, FailureHelp::Hotplug,
                      language_);
    } else {
        hotplugNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(hotplugNotifier_.get(), &QSocketNotifier::activated, this,
                &DeviceWatch::onHotplugReadable);
    }
}

void DeviceWatch::stop() {
    stopped_ = true;
    device_.stopListener();
    hotplugNotifier_.reset();
}

void DeviceWatch::notify(int type, int value) {
    auto balloon = trayBalloonFor(type, value, settings_, device_.activeSensorType(), language_);
    if (!balloon) {
        return;
    }
    if (type == kNotDetectedEvent) {
        // Why a mouse that is plugged in cannot be used, when that is known.
        const std::string reason = mouseProblemText(device_.problem(), language_);
        if (!reason.empty()) {
            balloon->text += '\n' + QString::fromUtf8(reason);
        }
        balloon->text +=
            '\n' + QString::fromUtf8(shellMessage(ShellMessage::PlugInAdvice, language_));
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
    for (const ShellDevice::HotplugReaction& reaction : device_.handleHotplug()) {
        if (reaction.warn) {
            notify(kNotDetectedEvent, 0);
        }
        if (reaction.hideWindow) {
            window_.hide();
        }
        if (reaction.readMissed && window_.readMissed) {
            window_.readMissed();
        }
    }
    window_.changed();
}

} // namespace pelmora
