#include "device/event_fd.h"

#include <cerrno>
#include <cstdint>
#include <poll.h>
#include <sys/eventfd.h>
#include <system_error>

namespace pelmora {

EventFd::EventFd() : fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (!fd_.valid()) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
}

void EventFd::signal() const {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto n = ::write(fd_.get(), &one, sizeof one);
}

void EventFd::clear() const {
    std::uint64_t value = 0;
    [[maybe_unused]] const auto n = ::read(fd_.get(), &value, sizeof value);
}

bool EventFd::wait(int timeoutMs) const {
    pollfd p{fd_.get(), POLLIN, 0};
    int r = 0;
    do {
        r = ::poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    return r > 0;
}

} // namespace pelmora
