#pragma once
// The transfer of OK and Apply: the settings go to the mouse and into
// config.bin, the button labels into str.ini, on a worker thread. While it
// runs, the window shows a busy cursor and a short status beside its buttons,
// and its child controls (lists, edit fields) take no presses or keys.

#include "app/apply_worker.h"
#include "app/shell_device.h"
#include "settings/interface_texts.h"
#include "settings/message_sink.h"
#include "settings/preferences.h"
#include "settings/settings_block.h"
#include "settings/shell_messages.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

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
    };
    // Runs on the GUI thread once the transfer has ended, with what was sent.
    using Finished = std::function<void(const SettingsBlock& sent)>;

    ApplySession(QWidget& window, ShellDevice& device, MessageSink& messages);

    // Starts the transfer unless one runs. When it cannot send (see
    // refusal()) nothing is sent or saved and the user is told why in the
    // request's language; false then. The status is drawn in `font` and `colour`.
    bool start(Request request, const QFont& font, const QColor& colour, Finished finished);
    // Why OK and Apply cannot send now: the one place that decides it.
    std::optional<ApplyRefusal> refusal(const Request& request) const;
    // Tells the user that nothing was sent or saved, and why.
    void refuse(ApplyRefusal why, Language language);
    // The line the status area shows while no transfer runs (empty: none).
    void setIdleStatus(const QString& text, const QFont& font, const QColor& colour);
    bool running() const { return worker_.running(); }
    // Handles events until a running transfer has finished and its result was
    // handled; false on time-out.
    bool wait(int timeoutMs) { return worker_.wait(timeoutMs); }
    // Waits for a running transfer without handling its result (teardown).
    void abandon() { worker_.abandon(); }
    // True for an event the window's child controls must not get now.
    bool blocksInput(const QObject* watched, const QEvent* event) const;

private:
    void showStatus(const QString& text, const QFont& font, const QColor& colour);
    void hideStatus();

    QWidget& window_;
    ShellDevice& device_;
    MessageSink& messages_;
    ApplyWorker worker_;
    QPointer<QLabel> status_;
    QString idleStatus_;
};

} // namespace pelmora
