#pragma once
// Signals as a descriptor (signalfd): while a SignalWatch lives, the signals
// it watches are blocked in the whole process and wait on its fd, to be
// polled beside the program's other descriptors. Make it before the program
// starts any thread: threads inherit the mask.

#include "base/unique_fd.h"

#include <signal.h>

#include <string>

namespace pelmora {

class SignalWatch {
public:
    // SIGINT, SIGTERM and SIGHUP: what ends a program run from a shell or a
    // service manager.
    SignalWatch();
    // Drops what is still pending and restores the mask.
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    // -1 when the descriptor could not be made.
    int fd() const { return fd_.get(); }
    // Whether a signal came (it stays pending).
    bool pending() const;
    // The name of the signal that came first ("SIGTERM"), taking it; empty
    // when none came.
    std::string take();

private:
    sigset_t set_{};
    sigset_t old_{};
    UniqueFd fd_;
};

// For a worker thread: no signal is ever delivered to it, so they reach the
// thread that waits for them.
void blockSignalsInThisThread();

} // namespace pelmora
