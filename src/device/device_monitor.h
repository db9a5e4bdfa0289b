#pragma once
// Arrivals and removals of the mouse, announced through a descriptor an
// event loop can watch (QSocketNotifier, poll).

#include <vector>

namespace pelmora {

enum class DeviceChange { Arrival, Removal };

class DeviceMonitor {
public:
    virtual ~DeviceMonitor() = default;
    // Readable when changes are waiting.
    virtual int fd() const = 0;
    // The changes of the mouse waiting now (others' devices are dropped);
    // never blocks.
    virtual std::vector<DeviceChange> readChanges() = 0;
};

} // namespace pelmora
