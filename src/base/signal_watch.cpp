#include "base/signal_watch.h"

#include <poll.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstring>

namespace pelmora {

SignalWatch::SignalWatch() {
    sigemptyset(&set_);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&set_, signal);
    }
    pthread_sigmask(SIG_BLOCK, &set_, &old_);
    fd_ = UniqueFd(::signalfd(-1, &set_, SFD_CLOEXEC | SFD_NONBLOCK));
}

SignalWatch::~SignalWatch() {
    fd_.reset();
    // Drop what is still pending so restoring the mask does not kill us.
    timespec zero{};
    while (sigtimedwait(&set_, nullptr, &zero) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &old_, nullptr);
}

bool SignalWatch::pending() const {
    pollfd p{fd_.get(), POLLIN, 0};
    return fd_.valid() && ::poll(&p, 1, 0) > 0;
}

std::string SignalWatch::take() {
    signalfd_siginfo info{};
    if (!fd_.valid() || ::read(fd_.get(), &info, sizeof info) != sizeof info) {
        return {};
    }
    const char* abbrev = sigabbrev_np(static_cast<int>(info.ssi_signo));
    return abbrev != nullptr ? "SIG" + std::string(abbrev) : std::to_string(info.ssi_signo);
}

void blockSignalsInThisThread() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
}

} // namespace pelmora
