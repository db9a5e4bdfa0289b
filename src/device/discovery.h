#pragma once
// Finding the mouse: walk the collections of the present HID devices, open
// the listener collection (0xFF01/0xFF01) when it comes before the command
// collection (0xFF00/0xFF00), and stop at the command collection.

#include "device/hid_backend.h"
#include "device/link_state.h"

#include <functional>
#include <memory>
#include <string>

namespace pelmora {

inline constexpr std::uint16_t kMouseVendorId = 0x04D9;
inline constexpr std::uint16_t kMouseProductId = 0xA09F;
inline constexpr std::uint16_t kCommandUsagePage = 0xFF00;
inline constexpr std::uint16_t kCommandUsage = 0xFF00;
inline constexpr std::uint16_t kListenerUsagePage = 0xFF01;
inline constexpr std::uint16_t kListenerUsage = 0xFF01;

struct DiscoveryResult {
    bool found = false;
    std::string error;             // why a collection of the mouse could not be opened
    bool permissionDenied = false; // ... because this user may not open it
};

// Called with each newly opened listen handle and its report length (the
// listener's wake-up).
using ListenHandleSink = std::function<void(std::shared_ptr<HidHandle>, std::uint16_t)>;

// Fills the handles and lengths of `link`; devicePresent is set to 1 just
// before the command collection is opened (the caller sets it from the
// result afterwards). Handles of an earlier discovery are replaced.
DiscoveryResult discoverMouse(HidBackend& backend, LinkState& link,
                              const ListenHandleSink& onListenHandle);

} // namespace pelmora
