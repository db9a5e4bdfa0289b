#pragma once
// One HID device that this process plays for the kernel through /dev/uhid:
// each open of /dev/uhid carries one device, created with UHID_CREATE2 and
// removed with UHID_DESTROY (or by closing the descriptor). The kernel asks
// for reports with events that this class reads and answers.

#include "base/unique_fd.h"

#include <linux/uhid.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace pelmora::uhid {

struct DeviceIdentity {
    std::string name;
    std::uint16_t bus = 0;
    std::uint32_t vendor = 0;
    std::uint32_t product = 0;
    std::uint32_t version = 0;
    std::span<const std::uint8_t> descriptor;
};

class UhidDevice {
public:
    // Takes ownership of a descriptor that speaks the uhid protocol (the
    // device node, or one end of a socket pair in tests).
    explicit UhidDevice(int fd) : fd_(fd) {}
    // Opens the device node; nullopt with `error` when that fails.
    static std::optional<UhidDevice> open(const std::string& path, std::string& error);

    UhidDevice(UhidDevice&& other) noexcept;
    UhidDevice& operator=(UhidDevice&& other) noexcept;
    UhidDevice(const UhidDevice&) = delete;
    UhidDevice& operator=(const UhidDevice&) = delete;
    // Closing the descriptor removes the device from the kernel.
    ~UhidDevice() = default;

    int fd() const { return fd_.get(); }
    bool created() const { return created_; }

    // Each returns false when the kernel refused the event (errno is kept).
    bool create(const DeviceIdentity& identity);
    bool destroy();
    bool sendInput(std::span<const std::uint8_t> report);
    bool replyGetReport(std::uint32_t id, std::uint16_t err, std::span<const std::uint8_t> data);
    bool replySetReport(std::uint32_t id, std::uint16_t err);

    // The next event from the kernel; nullopt when the descriptor failed or
    // was closed. Blocks unless the descriptor polls readable.
    std::optional<uhid_event> readEvent();

private:
    bool send(const uhid_event& event);

    UniqueFd fd_;
    bool created_ = false;
};

} // namespace pelmora::uhid
