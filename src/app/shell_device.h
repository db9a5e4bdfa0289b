#pragma once
// The device link as the main dialog uses it: discovery, the listener, the
// hot-plug monitor, the read of the basic settings and Apply. The adapter over
// the real device link (hidraw or the simulated mouse) implements it; tests
// may put a scripted one in its place.

#include "settings/settings_block.h"

#include <functional>
#include <string>

namespace pelmora {

class ShellDevice {
public:
    // Called on the listener thread with the event type and value.
    using EventCallback = std::function<void(int type, int value)>;
    enum class Change { None, Arrival, Removal };

    virtual ~ShellDevice() = default;

    // Looks for the mouse and opens it; true when found. Does not set present().
    virtual bool discover() = 0;
    virtual bool present() const = 0;
    virtual void setPresent(bool present) = 0;

    // Creates the listener, parked until resumeListener(). False with `error`
    // when it cannot be created.
    virtual bool createListener(EventCallback callback, std::string& error) = 0;
    virtual bool listenerExists() const = 0;
    virtual void resumeListener() = 0;
    // Stops and joins the listener; safe to call twice.
    virtual void stopListener() = 0;

    // Starts watching hot-plug; returns the fd to watch for readability or -1
    // with `error`.
    virtual int openHotplugMonitor(std::string& error) = 0;
    // Takes one pending notification off the monitor and tells whether it is
    // an arrival or removal of the mouse.
    virtual Change readHotplugChange() = 0;

    // The mouse's basic settings, read and written back (first page drawing,
    // arrival of the mouse).
    virtual void readBasicSettings() = 0;
    // Writes the settings to the mouse, saves config.bin and calls `labelsHook`
    // to save the button labels.
    virtual void apply(const SettingsBlock& settings, const std::function<void()>& labelsHook) = 0;
    // The DPI value text of a level for the mouse's sensor type ("" if none).
    virtual std::string dpiValueText(int level) const = 0;

    // Closes the handles and the hot-plug monitor (teardown).
    virtual void close() = 0;
};

} // namespace pelmora
