#pragma once
// The handles, report lengths and flags of the link to the mouse. The
// listener thread reads devicePresent while the GUI thread writes it, so it
// is atomic; the listen handle is shared with that thread, which keeps its
// own reference while it reads (a new discovery never closes it under a
// pending read). The listener's wake-up event and thread live in Listener.

#include "device/hid_handle.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace pelmora {

struct ReportLengths {
    std::uint16_t feature = 0; // command collection's feature report
    std::uint16_t input = 0;   // bulk read chunk
    std::uint16_t output = 0;  // bulk write chunk
};

struct LinkState {
    std::unique_ptr<HidHandle> commandHandle; // command collection: frames and chunks
    std::shared_ptr<HidHandle> listenHandle;  // listener collection, read by the listener
    std::unique_ptr<HidHandle> outputHandle;  // listener collection, opened, never written
    std::atomic<int> devicePresent{0};        // 1 while the mouse is open
    std::uint16_t featureReportLength = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t listenReportLength = 0;
    std::string devicePath;  // interface path of the collection last examined
    int initialReadDone = 0; // 1 after the first drawing of the basic page read the mouse

    ReportLengths commandLengths() const {
        return {featureReportLength, inputReportLength, outputReportLength};
    }
};

} // namespace pelmora
