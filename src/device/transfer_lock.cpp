#include "device/transfer_lock.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>

namespace pelmora {

TransferLock& TransferLock::operator=(TransferLock&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

void TransferLock::release() {
    if (handle_) {
        handle_->unlockTransfers();
        handle_ = nullptr;
    }
}

TransferLock TransferLock::acquire(HidHandle* handle, const TransferWait& wait,
                                   TransferAccess& access) {
    TransferLock lock;
    access = TransferAccess::Granted;
    if (!handle || handle->tryLockTransfers()) {
        lock.handle_ = handle;
        return lock;
    }
    const TransferDeadline deadline(wait.timeoutMs);
    if (wait.waiting && wait.timeoutMs > 0) {
        wait.waiting(true);
    }
    access = TransferAccess::Busy;
    while (!deadline.expired()) {
        if (wait.stop && wait.stop()) {
            access = TransferAccess::Stopped;
            break;
        }
        std::this_thread::sleep_for(deadline.nextPause());
        if (handle->tryLockTransfers()) {
            access = TransferAccess::Granted;
            lock.handle_ = handle;
            break;
        }
    }
    if (wait.waiting && wait.timeoutMs > 0) {
        wait.waiting(false);
    }
    return lock;
}

int transferWaitMs() {
    if (const char* knob = std::getenv("PELMORA_TRANSFER_WAIT_MS")) {
        char* end = nullptr;
        const long value = std::strtol(knob, &end, 10);
        if (end != knob && *end == '\0' && value >= 0 && value <= 600000) {
            return static_cast<int>(value);
        }
    }
    return kTransferWaitMs;
}

std::string transferWaitingText() {
    return "another program is sending settings to the mouse; waiting for it to finish";
}

std::string transferGaveUpText(TransferAccess access, int waitedMs) {
    if (access == TransferAccess::Stopped) {
        return "stopped while waiting for the mouse; nothing was sent";
    }
    const std::string waited = waitedMs % 1000 == 0 ? std::to_string(waitedMs / 1000) + " s"
                                                    : std::to_string(waitedMs) + " ms";
    return "another program kept the mouse busy for " + waited + "; nothing was sent";
}

} // namespace pelmora
