#include "device/linux/hidraw_backend.h"

namespace pelmora {

std::vector<HidCollectionInfo> HidrawBackend::enumerate() {
    return {};
}

OpenResult HidrawBackend::open(const HidCollectionInfo&, OpenMode) {
    return {nullptr, "not available yet", false};
}

std::unique_ptr<DeviceMonitor> HidrawBackend::createMonitor(std::string& error) {
    error = "not available yet";
    return nullptr;
}

} // namespace pelmora
