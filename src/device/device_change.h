#pragma once
// What the program does when the mouse arrives or leaves: discovery runs
// again, and its result decides the rest.

#include "device/device_monitor.h"

namespace pelmora {

struct DeviceChangeDecision {
    bool present = false;           // the new devicePresent
    bool readBasicSettings = false; // re-read (and re-send) the basic settings
    bool resumeListener = false;    // start the listener now
    bool warn = false;              // the "mouse not detected" balloon (event 15)
    bool hideWindow = false;        // hide the main window
    // Set by the link: the re-read found the mouse kept by another program.
    bool readMissed = false;
};

DeviceChangeDecision decideDeviceChange(DeviceChange change, bool found, bool initialReadDone,
                                        bool listenerExists);

} // namespace pelmora
