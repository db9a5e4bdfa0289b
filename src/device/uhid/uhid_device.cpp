#include "device/uhid/uhid_device.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace pelmora::uhid {

std::optional<UhidDevice> UhidDevice::open(const std::string& path, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return std::nullopt;
    }
    return UhidDevice(fd);
}

UhidDevice::UhidDevice(UhidDevice&& other) noexcept
    : fd_(std::move(other.fd_)), created_(std::exchange(other.created_, false)) {}

UhidDevice& UhidDevice::operator=(UhidDevice&& other) noexcept {
    if (this != &other) {
        fd_ = std::move(other.fd_);
        created_ = std::exchange(other.created_, false);
    }
    return *this;
}

bool UhidDevice::send(const uhid_event& event) {
    for (;;) {
        const ssize_t written = ::write(fd_.get(), &event, sizeof event);
        if (written == static_cast<ssize_t>(sizeof event)) {
            return true;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written >= 0) {
            errno = EIO;
        }
        return false;
    }
}

bool UhidDevice::create(const DeviceIdentity& identity) {
    uhid_event event{};
    event.type = UHID_CREATE2;
    auto& req = event.u.create2;
    const std::size_t nameLength = std::min(identity.name.size(), sizeof req.name - 1);
    std::copy_n(identity.name.data(), nameLength, req.name);
    if (identity.descriptor.size() > sizeof req.rd_data) {
        errno = EINVAL;
        return false;
    }
    req.rd_size = static_cast<__u16>(identity.descriptor.size());
    // std::copy, not memcpy: an empty source may have no address at all.
    std::ranges::copy(identity.descriptor, req.rd_data);
    req.bus = identity.bus;
    req.vendor = identity.vendor;
    req.product = identity.product;
    req.version = identity.version;
    if (!send(event)) {
        return false;
    }
    created_ = true;
    return true;
}

bool UhidDevice::destroy() {
    uhid_event event{};
    event.type = UHID_DESTROY;
    created_ = false;
    return send(event);
}

bool UhidDevice::sendInput(std::span<const std::uint8_t> report) {
    uhid_event event{};
    event.type = UHID_INPUT2;
    if (report.size() > sizeof event.u.input2.data) {
        errno = EINVAL;
        return false;
    }
    event.u.input2.size = static_cast<__u16>(report.size());
    std::ranges::copy(report, event.u.input2.data);
    return send(event);
}

bool UhidDevice::replyGetReport(std::uint32_t id, std::uint16_t err,
                                std::span<const std::uint8_t> data) {
    uhid_event event{};
    event.type = UHID_GET_REPORT_REPLY;
    auto& reply = event.u.get_report_reply;
    if (data.size() > sizeof reply.data) {
        errno = EINVAL;
        return false;
    }
    reply.id = id;
    reply.err = err;
    reply.size = static_cast<__u16>(data.size());
    std::ranges::copy(data, reply.data); // an empty reply has no data pointer
    return send(event);
}

bool UhidDevice::replySetReport(std::uint32_t id, std::uint16_t err) {
    uhid_event event{};
    event.type = UHID_SET_REPORT_REPLY;
    event.u.set_report_reply.id = id;
    event.u.set_report_reply.err = err;
    return send(event);
}

std::optional<uhid_event> UhidDevice::readEvent() {
    uhid_event event{};
    for (;;) {
        const ssize_t got = ::read(fd_.get(), &event, sizeof event);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        // Every event starts with its 4-byte type; shorter reads are broken.
        if (got < static_cast<ssize_t>(sizeof event.type)) {
            return std::nullopt;
        }
        return event;
    }
}

} // namespace pelmora::uhid
