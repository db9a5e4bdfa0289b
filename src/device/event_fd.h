#pragma once
// A wake-up signal that poll can watch: signal() makes it readable until
// clear() is called.

#include "base/unique_fd.h"

namespace pelmora {

class EventFd {
public:
    EventFd(); // throws std::system_error when the kernel refuses one
    int fd() const { return fd_.get(); }
    void signal() const;
    void clear() const;
    // Waits until signalled or timeoutMs passes (negative: no limit); true if signalled.
    bool wait(int timeoutMs) const;

private:
    UniqueFd fd_;
};

} // namespace pelmora
