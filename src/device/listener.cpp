#include "device/listener.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <vector>

namespace pelmora {

namespace {
constexpr std::size_t kListenBufferSize = 40;
}

Listener::Listener(const std::atomic<int>& devicePresent, Callback callback)
    : devicePresent_(devicePresent), callback_(std::move(callback)) {}

Listener::~Listener() {
    stop();
}

void Listener::start() {
    if (!thread_.joinable() && !stopping_) {
        thread_ = std::thread([this] { run(); });
    }
}

void Listener::rearm(std::shared_ptr<HidHandle> handle, std::uint16_t reportLength) {
    {
        std::lock_guard lock(mutex_);
        handle_ = std::move(handle);
        reportLength_ = reportLength;
        ++serial_;
    }
    wake_.signal();
}

void Listener::stop() {
    stopping_ = true;
    wake_.signal();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void Listener::run() {
    std::vector<std::uint8_t> buffer(kListenBufferSize, 0);
    unsigned seenSerial = 0;
    bool broken = false; // the current handle failed: wait for a new one
    while (true) {
        // Cleared before stopping_ is looked at: a stop() that comes between
        // the two leaves its flag set, one that comes later its signal.
        wake_.clear();
        if (stopping_) {
            break;
        }
        std::shared_ptr<HidHandle> handle;
        std::uint16_t length = 0;
        {
            std::lock_guard lock(mutex_);
            handle = handle_;
            length = reportLength_;
            if (serial_ != seenSerial) {
                seenSerial = serial_;
                broken = false;
            }
        }
        if (devicePresent_.load() != 1 || !handle || broken || handle->pollFd() < 0) {
            handle.reset(); // a parked listener holds no handle open
            wake_.wait(-1);
            continue;
        }
        if (buffer.size() < length) {
            buffer.resize(length, 0);
        }
        pollfd fds[2] = {{handle->pollFd(), POLLIN, 0}, {wake_.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno != EINTR) {
                broken = true;
            }
            continue;
        }
        if (stopping_ || fds[1].revents != 0) {
            continue;
        }
        if (devicePresent_.load() == 0) {
            continue;
        }
        const std::size_t readLength = length != 0 ? length : buffer.size();
        const ReadResult read = handle->read(std::span(buffer).first(readLength), 0);
        if (read.status == ReadStatus::Failed) {
            broken = true; // unplugged under the read: park until discovery rearms
            continue;
        }
        if (read.status != ReadStatus::Ok || read.length == 0) {
            continue;
        }
        // Only what arrived: a short report is not filled up from the last one.
        if (const auto event =
                decodeListenerReport(std::span(buffer).first(std::min(read.length, readLength)))) {
            if (!stopping_) {
                callback_(*event);
            }
        }
    }
}

} // namespace pelmora
