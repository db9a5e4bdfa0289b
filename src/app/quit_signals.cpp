#include "app/quit_signals.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace pelmora {

namespace {
constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe's write end for the handler (lock-free, so safe in a handler).
std::atomic<int> gWriteFd{-1};

extern "C" void onQuitSignal(int signal) {
    const int saved = errno;
    const int fd = gWriteFd.load();
    if (fd >= 0) {
        const auto byte = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}
} // namespace

QuitSignals::QuitSignals() {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) {
        return; // the signals keep their default action
    }
    read_ = UniqueFd(fds[0]);
    write_ = UniqueFd(fds[1]);
    gWriteFd = write_.get();
    notifier_ = std::make_unique<QSocketNotifier>(read_.get(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &QuitSignals::onReadable);
    struct sigaction action {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
        ::sigaction(kQuitSignals[i], &action, &previous_[i]);
    }
}

QuitSignals::~QuitSignals() {
    if (!installed()) {
        return;
    }
    for (std::size_t i = 0; i < kQuitSignals.size(); ++i) {
        ::sigaction(kQuitSignals[i], &previous_[i], nullptr);
    }
    gWriteFd = -1;
}

void QuitSignals::onReadable() {
    unsigned char byte = 0;
    while (::read(read_.get(), &byte, 1) == 1) {
        emit quitRequested(byte);
    }
}

} // namespace pelmora
