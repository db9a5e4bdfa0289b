#pragma once
// An open hidraw node. Feature reports go through HIDIOCSFEATURE and
// HIDIOCGFEATURE with byte 0 the report ID; chunks through write and read.
// A node without numbered reports delivers input without the ID byte: the
// handle puts the 0 back so callers always see byte 0 as the report ID.

#include "base/unique_fd.h"
#include "device/hid_handle.h"

namespace pelmora {

class HidrawHandle final : public HidHandle {
public:
    HidrawHandle(UniqueFd fd, bool numberedReports)
        : fd_(std::move(fd)), numbered_(numberedReports) {}

    bool setFeature(std::span<const std::uint8_t> report) override;
    bool getFeature(std::span<std::uint8_t> report) override;
    bool write(std::span<const std::uint8_t> report) override;
    ReadResult read(std::span<std::uint8_t> report, int timeoutMs) override;
    int pollFd() const override { return fd_.get(); }
    // flock on the open node: it holds across processes and users, and the
    // kernel drops it when the descriptor closes (a crash leaves none).
    bool tryLockTransfers() override;
    void unlockTransfers() override;

private:
    UniqueFd fd_;
    bool numbered_;
};

} // namespace pelmora
