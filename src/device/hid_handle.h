#pragma once
// One open HID collection as the device link sees it. Every report buffer
// uses the layout of the Windows HID API: byte 0 is the report ID (0 when the
// device numbers no reports), the report's data follows.

#include <cstddef>
#include <cstdint>
#include <span>

namespace pelmora {

enum class ReadStatus {
    Ok, // a report arrived
    TimedOut,
    Failed, // the device is gone or refused
};

struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    std::size_t length = 0; // bytes stored, report ID included
};

class HidHandle {
public:
    virtual ~HidHandle() = default;

    // Feature report: set sends the buffer, get fills it (byte 0 = report ID
    // on entry). The buffer's size is the length handed to the driver.
    virtual bool setFeature(std::span<const std::uint8_t> report) = 0;
    virtual bool getFeature(std::span<std::uint8_t> report) = 0;
    // Output report (a bulk chunk), byte 0 the report ID.
    virtual bool write(std::span<const std::uint8_t> report) = 0;
    // Next input report, waiting at most timeoutMs (negative: no limit).
    virtual ReadResult read(std::span<std::uint8_t> report, int timeoutMs) = 0;
    // A descriptor that polls readable when input is waiting or the device
    // went away; -1 when the handle cannot be polled.
    virtual int pollFd() const = 0;

    // The exclusive advisory lock of the collection that other programs'
    // exchanges wait for (see transfer_lock.h): true when it was free and is
    // now held by this handle. A collection no other program can reach has
    // none to take.
    virtual bool tryLockTransfers() { return true; }
    virtual void unlockTransfers() {}
};

} // namespace pelmora
