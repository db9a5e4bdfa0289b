#pragma once
// The transfer of OK and Apply: the settings go to the mouse and into
// config.bin, the button labels into str.ini, on a worker thread. While it
// runs, the window shows a busy cursor and says so in the frame's status line,
// and its child controls (lists, edit fields) take no presses or keys.
// While another program sends settings to the mouse, the worker waits for it
// (up to transferWaitMs()) and the status says so; the read of the mouse's
// settings on the GUI thread never waits, it is retried from a timer.

#include "app/apply_worker.h"
#include "device/link/device_link.h"
#include "device/transfer_lock.h"
#include "settings/interface_texts.h"
#include "settings/message_sink.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"
#include "settings/shell_messages.h"
#include "ui/pages/status_line.h"

#include <QTimer>

#include <atomic>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QEvent;
class QObject;
class QWidget;

namespace pelmora {

class ApplySession {
public:
    // What one transfer sends and saves. Copies: the window's settings record
    // and labels stay the GUI thread's, and nothing changes them meanwhile.
    struct Request {
        SettingsBlock settings{};
        ButtonLabels labels;
        std::filesystem::path preferencesFile;
        std::string languageCode;
        Language language = Language::English;
        // config.bin filled the record at start-up; only then may it be sent
        // and saved.
        bool settingsLoaded = false;
        // Where this transfer's failures are told; the window's message
        // boxes when none (a caller on the session bus is answered instead).
        MessageSink* messages = nullptr;
    };
    // How the transfer ended, for the caller to answer on.
    struct Outcome {
        // The mouse was ours: it was sent and saved (writes may still be lost).
        // False when another program kept it and nothing was sent or saved.
        bool delivered = false;
        std::size_t writes = 0;
        std::size_t failedWrites = 0;
        bool saved = false; // config.bin and the labels
        bool succeeded() const { return delivered && failedWrites == 0 && saved; }
    };
    // Runs on the GUI thread once the transfer has ended (its messages have
    // been shown), with what was to be sent.
    using Finished = std::function<void(const SettingsBlock& sent, const Outcome& outcome)>;

    // `settingsFile` is config.bin, saved after each transfer that reached the mouse.
    ApplySession(QWidget& window, StatusLine& status, DeviceLink& link,
                 std::filesystem::path settingsFile, MessageSink& messages);

    // Starts the transfer unless one runs. When it cannot send (see
    // refusal()) nothing is sent or saved and the user is told why in the
    // request's language; false then.
    bool start(Request request, Finished finished);
    // Why OK and Apply cannot send now: the one place that decides it.
    std::optional<ApplyRefusal> refusal(const Request& request) const;
    // Tells the user that nothing was sent or saved, and why.
    void refuse(ApplyRefusal why, Language language, MessageSink* messages = nullptr);
    bool running() const { return worker_.running(); }
    // The read of the mouse's basic settings: at once when the mouse is free,
    // else retried from a timer, the wait shown as for a transfer, until
    // transferWaitMs() has passed (then a message says it was not read).
    // `read` runs after a read that was made (`late`: from the timer).
    void read(Language language, std::function<void(bool late)> read);
    bool reading() const { return retry_.isActive(); }
    // A transfer runs or a read is waiting for the mouse.
    bool busy() const { return running() || reading(); }
    // The program ends: a transfer waiting for the mouse gives up, and so
    // does a read.
    void giveUp();
    // Handles events until a running transfer has finished and its result was
    // handled; false on time-out.
    bool wait(int timeoutMs) { return worker_.wait(timeoutMs); }
    // Waits for a running transfer without handling its result (teardown).
    void abandon() { worker_.abandon(); }
    // True for an event the window's child controls must not get now.
    bool blocksInput(const QObject* watched, const QEvent* event) const;

private:
    // The busy cursor and the transfer's line; hideStatus ends both.
    void showStatus(std::string_view text);
    void hideStatus();
    void retryRead();
    // The read on the GUI thread: never waits for another program.
    bool readNow();

    QWidget& window_;
    StatusLine& status_;
    DeviceLink& link_;
    std::filesystem::path settingsFile_;
    MessageSink& messages_;
    ApplyWorker worker_;
    std::atomic<bool> givingUp_{false};
    QTimer retry_;
    TransferDeadline readDeadline_;
    Language readLanguage_ = Language::English;
    std::function<void(bool late)> afterRead_;
};

} // namespace pelmora
