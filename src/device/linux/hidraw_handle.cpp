#include "device/linux/hidraw_handle.h"

#include <algorithm>
#include <cerrno>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <vector>

namespace pelmora {

bool HidrawHandle::setFeature(std::span<const std::uint8_t> report) {
    if (report.empty()) {
        return false;
    }
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    return ::ioctl(fd_.get(), HIDIOCSFEATURE(buffer.size()), buffer.data()) >= 0;
}

bool HidrawHandle::getFeature(std::span<std::uint8_t> report) {
    if (report.empty()) {
        return false;
    }
    const std::uint8_t id = report[0];
    std::fill(report.begin(), report.end(), 0);
    report[0] = id;
    const int n = ::ioctl(fd_.get(), HIDIOCGFEATURE(report.size()), report.data());
    if (n < 0) {
        std::fill(report.begin(), report.end(), 0);
        return false;
    }
    return true;
}

bool HidrawHandle::write(std::span<const std::uint8_t> report) {
    if (report.empty()) {
        return false;
    }
    ssize_t n;
    do {
        n = ::write(fd_.get(), report.data(), report.size());
    } while (n < 0 && errno == EINTR);
    return n == static_cast<ssize_t>(report.size());
}

ReadResult HidrawHandle::read(std::span<std::uint8_t> report, int timeoutMs) {
    if (report.empty()) {
        return {ReadStatus::Failed, 0};
    }
    pollfd p{fd_.get(), POLLIN, 0};
    int r;
    do {
        r = ::poll(&p, 1, timeoutMs);
    } while (r < 0 && errno == EINTR);
    if (r < 0) {
        return {ReadStatus::Failed, 0};
    }
    if (r == 0) {
        return {ReadStatus::TimedOut, 0};
    }
    if ((p.revents & POLLIN) == 0) {
        return {ReadStatus::Failed, 0}; // hung up: the mouse is gone
    }
    // Without numbered reports the data goes after a 0 report ID.
    const std::size_t skip = numbered_ ? 0 : 1;
    if (report.size() <= skip) {
        return {ReadStatus::Failed, 0};
    }
    ssize_t n;
    do {
        n = ::read(fd_.get(), report.data() + skip, report.size() - skip);
    } while (n < 0 && errno == EINTR);
    if (n < 0) {
        return errno == EAGAIN ? ReadResult{ReadStatus::TimedOut, 0}
                               : ReadResult{ReadStatus::Failed, 0};
    }
    if (n == 0) {
        return {ReadStatus::TimedOut, 0};
    }
    if (!numbered_) {
        report[0] = 0;
    }
    return {ReadStatus::Ok, static_cast<std::size_t>(n) + skip};
}

bool HidrawHandle::tryLockTransfers() {
    int r;
    do {
        r = ::flock(fd_.get(), LOCK_EX | LOCK_NB);
    } while (r < 0 && errno == EINTR);
    // A node that takes no lock at all (EINVAL, ENOLCK) is not kept from use.
    return r == 0 || (errno != EWOULDBLOCK && errno != EAGAIN);
}

void HidrawHandle::unlockTransfers() {
    ::flock(fd_.get(), LOCK_UN);
}

} // namespace pelmora
