#pragma once
// One program at a time talks to the mouse's command collection. Every
// exchange with it (the read of the basic settings, Apply, a single frame)
// holds an exclusive advisory lock for its whole duration, so that the frames
// and chunks of two programs never interleave. A program that finds the lock
// held waits for it a bounded time and then sends nothing.

#include "device/hid_handle.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>

namespace pelmora {

// A transfer takes about a quarter of a second; a program waits this long.
inline constexpr int kTransferWaitMs = 5000;
// How often a waiting program tries again.
inline constexpr int kTransferRetryMs = 20;

// How to wait for the mouse while another program holds it.
struct TransferWait {
    int timeoutMs = kTransferWaitMs; // 0: one try, never waits
    // Told true when the wait begins (the lock was held) and false when it
    // ends, either way; not called when the lock was free at once.
    std::function<void(bool waiting)> waiting;
    // Asked between tries: true gives up at once (the program is ending).
    std::function<bool()> stop;
};

// How long a wait for the mouse lasts and when it tries again: the one rule
// of both programs. TransferLock::acquire follows it blocking (pelmora-cli,
// the window's transfer thread); the window's read of the mouse follows it
// from a timer, so that its event loop never waits.
class TransferDeadline {
public:
    explicit TransferDeadline(int timeoutMs = 0)
        : end_(std::chrono::steady_clock::now() +
               std::chrono::milliseconds(std::max(timeoutMs, 0))) {}
    bool expired() const { return std::chrono::steady_clock::now() >= end_; }
    // The pause before the next try: kTransferRetryMs, or what is left.
    std::chrono::steady_clock::duration nextPause() const {
        return std::clamp<std::chrono::steady_clock::duration>(
            end_ - std::chrono::steady_clock::now(), {},
            std::chrono::milliseconds(kTransferRetryMs));
    }

private:
    std::chrono::steady_clock::time_point end_;
};

enum class TransferAccess {
    Granted, // the lock is held: the exchange may run
    Busy,    // another program kept it for the whole wait
    Stopped, // the wait was given up (stop() said so)
};

// The lock of one handle, held while the object lives (a null handle needs
// none: every operation on it fails without I/O anyway).
class TransferLock {
public:
    TransferLock() = default;
    ~TransferLock() { release(); }
    TransferLock(TransferLock&& other) noexcept : handle_(other.handle_) {
        other.handle_ = nullptr;
    }
    TransferLock& operator=(TransferLock&& other) noexcept;
    TransferLock(const TransferLock&) = delete;
    TransferLock& operator=(const TransferLock&) = delete;

    // Takes the handle's lock, waiting as `wait` says; `access` tells how it went.
    static TransferLock acquire(HidHandle* handle, const TransferWait& wait,
                                TransferAccess& access);
    void release();

private:
    HidHandle* handle_ = nullptr;
};

// The wait of every program: kTransferWaitMs, or PELMORA_TRANSFER_WAIT_MS
// when set (a knob for tests that must not wait five seconds).
int transferWaitMs();

// What pelmora-cli says on stderr (after "pelmora-cli: "): while it waits,
// and when it gives up after `waitedMs` or because it was told to stop.
std::string transferWaitingText();
std::string transferGaveUpText(TransferAccess access, int waitedMs);

} // namespace pelmora
