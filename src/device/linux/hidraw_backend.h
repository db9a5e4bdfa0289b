#pragma once
// The mouse through the kernel's hidraw nodes, found with libudev.

#include "device/hid_backend.h"

namespace pelmora {

class HidrawBackend final : public HidBackend {
public:
    std::vector<HidCollectionInfo> enumerate() override;
    OpenResult open(const HidCollectionInfo& collection, OpenMode mode) override;
    std::unique_ptr<DeviceMonitor> createMonitor(std::string& error) override;
};

} // namespace pelmora
