#pragma once
// The listener thread: reads the listener collection and hands each event
// to a callback, in the order the mouse reported them. It parks while the
// mouse is absent or its handle failed, and wakes when discovery hands it a
// new handle. Destroying the listener stops and joins the thread.

#include "device/device_event.h"
#include "device/event_fd.h"
#include "device/hid_handle.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace pelmora {

class Listener {
public:
    // Called on the listener thread; a GUI queues it to its own thread.
    using Callback = std::function<void(const DeviceEvent&)>;

    Listener(const std::atomic<int>& devicePresent, Callback callback);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // Starts the thread (once; later calls do nothing).
    void start();
    bool started() const { return thread_.joinable(); }
    // A new listen handle from discovery; wakes the thread.
    void rearm(std::shared_ptr<HidHandle> handle, std::uint16_t reportLength);
    // Wakes the thread so it looks at devicePresent again.
    void wake() { wake_.signal(); }
    // Stops and joins the thread; no callback runs after it returns.
    void stop();

private:
    void run();

    const std::atomic<int>& devicePresent_;
    Callback callback_;
    std::mutex mutex_;
    std::shared_ptr<HidHandle> handle_;
    std::uint16_t reportLength_ = 0;
    unsigned serial_ = 0;
    EventFd wake_;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

} // namespace pelmora
