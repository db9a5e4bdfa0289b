#pragma once
// The device link as the window opens it: hidraw or the simulated mouse, as
// the options say, with the byte trace of --trace. The window then uses the
// link itself (src/device/link/device_link.h); nothing stands between them.

#include "app/app_options.h"
#include "device/link/device_link.h"
#include "device/trace_sink.h"
#include "settings/message_sink.h"

#include <fstream>
#include <memory>

namespace pelmora {

class WindowLink {
public:
    // The simulated mouse's state file and control pipe (--sim-state,
    // --sim-control) imply --simulate. When the simulated mouse cannot be set
    // up (a damaged state file, a control pipe that cannot be made), or the
    // trace cannot be written, the user is told; without a simulated mouse
    // the program runs with a link that finds no mouse.
    WindowLink(const AppOptions& options, MessageSink& messages);
    WindowLink(const WindowLink&) = delete;
    WindowLink& operator=(const WindowLink&) = delete;

    DeviceLink& link() { return *link_; }

private:
    // Declared before the link, which writes into them until it goes.
    std::ofstream traceFile_;
    std::unique_ptr<StreamTraceSink> trace_;
    std::unique_ptr<DeviceLink> link_;
};

} // namespace pelmora
