#pragma once
// The device link as the main dialog uses it: discovery, the listener, the
// hot-plug monitor, the read of the basic settings and Apply. The adapter over
// the real device link (hidraw or the simulated mouse) implements it; tests
// may put a scripted one in its place.

#include "device/command_set.h"
#include "device/transfer_lock.h"
#include "settings/link_texts.h"
#include "settings/settings_block.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pelmora {

class ShellDevice {
public:
    // Called on the listener thread with the event type and value.
    using EventCallback = std::function<void(int type, int value)>;

    // What the window does after the link handled an arrival or removal of
    // the mouse (discovery, re-read and listener are the link's business).
    struct HotplugReaction {
        bool warn = false;       // the "mouse not detected" balloon
        bool hideWindow = false; // hide the main window
        // The re-read of the mouse found it kept by another program.
        bool readMissed = false;
    };

    virtual ~ShellDevice() = default;

    // Looks for the mouse and opens it; sets present() from the result.
    virtual bool discover() = 0;
    virtual bool present() const = 0;

    // Creates the listener, parked until resumeListener(). False with `error`
    // when it cannot be created.
    virtual bool createListener(EventCallback callback, std::string& error) = 0;
    virtual void resumeListener() = 0;
    // Stops and joins the listener; no callback runs afterwards. Safe twice.
    virtual void stopListener() = 0;

    // Starts watching hot-plug; returns the fd to watch for readability or -1
    // with `error`.
    virtual int openHotplugMonitor(std::string& error) = 0;
    // Handles what the monitor has waiting: one reaction per change of the mouse.
    virtual std::vector<HotplugReaction> handleHotplug() = 0;

    // The first read of the mouse's basic settings has been made (the basic
    // page's first drawing); until then an arrival also starts the listener.
    virtual bool initialReadDone() const = 0;
    virtual void setInitialReadDone() = 0;

    // The mouse's basic settings, read and written back. Never waits for the
    // mouse (the GUI thread calls it, and on hot-plug): false when another
    // program holds it, and nothing was read.
    virtual bool readBasicSettings() = 0;
    // Writes the settings to the mouse, saves config.bin (a failure is told
    // in `language`) and calls `labelsHook` to save the button labels; says how many writes did not
    // reach the mouse. Waits for the mouse as `wait` says (a worker thread calls it); when another
    // program keeps it, nothing is sent or saved.
    virtual ApplyResult apply(const SettingsBlock& settings,
                              const std::function<void()>& labelsHook, const TransferWait& wait,
                              Language language) = 0;
    // Why the last discovery could not use a mouse that is there (None when
    // it found it, or found nothing at all).
    virtual MouseProblem problem() const { return MouseProblem::None; }
    // Sensor type of the mouse as last read (selects the DPI tables).
    virtual std::uint8_t activeSensorType() const = 0;

    // Closes the handles and the hot-plug monitor (teardown).
    virtual void close() = 0;
};

} // namespace pelmora
