#pragma once
// The mouse's firmware model played to the kernel through uhid: feature
// reports the kernel sets or gets and output reports it sends go to the
// model, and the chunks and listener events the model has ready go to the
// kernel as input reports. While the model is unplugged the two HID devices
// are removed from the kernel; when it is plugged again they are created anew.
// Single-threaded: the owner polls pollFds() and calls handleReadable(), and
// calls sync() after anything else changed the model.

#include "device/sim/simulated_mouse.h"
#include "device/uhid/uhid_device.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pelmora::uhid {

// Opens one uhid channel per HID device (the device node, or a test's socket).
using UhidOpener = std::function<std::optional<UhidDevice>(std::string& error)>;

class VirtualMouse {
public:
    VirtualMouse(sim::SimulatedMouse& firmware, UhidOpener opener);
    ~VirtualMouse();
    VirtualMouse(const VirtualMouse&) = delete;
    VirtualMouse& operator=(const VirtualMouse&) = delete;

    // Brings the kernel's view in line with the model: creates or removes the
    // devices as the model is plugged or not, and sends what the model has
    // ready (bulk chunks, listener events). Call it after anything changed the
    // model. False with `error` when the kernel refused.
    bool sync(std::string& error);

    // Descriptors to poll for the kernel's requests (none while unplugged).
    std::vector<int> pollFds() const;
    // Answers the request waiting on fd; false with `error` on failure.
    bool handleReadable(int fd, std::string& error);

    // A report of the ordinary mouse collection (report ID 1); it shares the
    // hidraw node with the listener collection.
    bool sendPointerReport(std::uint8_t buttons, std::int16_t dx, std::int16_t dy,
                           std::int8_t wheel, std::string& error);

    // A stalled mouse still answers command frames but sends no bulk chunks;
    // they are dropped, as if lost on the wire.
    void setStalled(bool stalled) { stalled_ = stalled; }

    bool plugged() const { return command_.has_value(); }

private:
    bool create(std::string& error);
    void remove();
    bool handleCommandEvent(const uhid_event& event, std::string& error);
    bool handlePointerEvent(const uhid_event& event, std::string& error);
    bool forwardChunks(std::string& error);
    bool forwardEvents(std::string& error);

    sim::SimulatedMouse& firmware_;
    UhidOpener opener_;
    std::optional<UhidDevice> command_;
    std::optional<UhidDevice> pointer_;
    bool stalled_ = false;
};

// The request the kernel made, for tests and diagnostics.
const char* eventName(std::uint32_t type);

} // namespace pelmora::uhid
