#pragma once
// SIGTERM (the session logging out), SIGINT and SIGHUP as a Qt signal. The
// handler only writes the signal's number into a pipe the event loop
// watches, so the program ends as the tray's Exit ends it (a running transfer
// finishes and is saved first) instead of being cut off.

#include "base/unique_fd.h"

#include <QObject>
#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <memory>

namespace pelmora {

class QuitSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers (one object per process).
    QuitSignals();
    // Puts the previous handlers back.
    ~QuitSignals() override;
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    bool installed() const { return notifier_ != nullptr; }

signals:
    void quitRequested(int signal);

private:
    void onReadable();

    UniqueFd read_;
    UniqueFd write_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::array<struct sigaction, 3> previous_{};
};

} // namespace pelmora
