#pragma once
// Scripted stand-ins for the tray and the device link, shared by the shell's
// widget tests. Both write what happened to one log, so tests can check order.

#include "app/shell_device.h"
#include "app/tray_port.h"

#include <QString>

#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace pelmora::test {

using CallLog = std::vector<std::string>;

struct RecordedBalloon {
    QString title;
    QString text;
    BalloonIcon icon;
    int milliseconds;
};

class FakeTray final : public TrayPort {
public:
    explicit FakeTray(CallLog& log) : log_(log) {}

    void install(const QIcon& icon, const QString& toolTip, Handlers h) override {
        log_.push_back("tray.install");
        installed = true;
        iconSet = !icon.isNull();
        this->toolTip = toolTip;
        handlers = std::move(h);
    }
    void setExitText(const QString& text) override { exitText = text; }
    void showBalloon(const QString& title, const QString& text, BalloonIcon icon, int ms) override {
        log_.push_back("tray.balloon");
        balloons.push_back({title, text, icon, ms});
    }
    bool isTrayAvailable() const override { return available; }
    void remove() override {
        log_.push_back("tray.remove");
        installed = false;
    }

    // What the user does with the icon.
    void click() { handlers.open(); }
    void chooseExit() { handlers.exit(); }

    bool available = true;
    bool installed = false;
    bool iconSet = false;
    QString toolTip;
    QString exitText;
    Handlers handlers;
    std::vector<RecordedBalloon> balloons;

private:
    CallLog& log_;
};

class FakeDevice final : public ShellDevice {
public:
    explicit FakeDevice(CallLog& log) : log_(log) {}

    bool discover() override {
        log_.push_back("device.discover");
        return plugged;
    }
    bool present() const override { return present_; }
    void setPresent(bool p) override { present_ = p; }
    bool createListener(EventCallback cb, std::string& error) override {
        log_.push_back("device.createListener");
        if (failListener) {
            error = "no eventfd";
            return false;
        }
        callback = std::move(cb);
        listener = true;
        return true;
    }
    bool listenerExists() const override { return listener; }
    void resumeListener() override { log_.push_back("device.resumeListener"); }
    void stopListener() override { log_.push_back("device.stopListener"); }
    int openHotplugMonitor(std::string& error) override {
        log_.push_back("device.openHotplug");
        if (hotplugFd < 0) {
            error = "no udev";
        }
        return hotplugFd;
    }
    // Drains the pipe the test writes to, one byte per notification.
    Change readHotplugChange() override {
        char byte = 0;
        if (hotplugFd >= 0) {
            [[maybe_unused]] auto n = ::read(hotplugFd, &byte, 1);
        }
        log_.push_back("device.hotplug");
        return nextChange;
    }
    void readBasicSettings() override { log_.push_back("device.readBasicSettings"); }
    void apply(const SettingsBlock& settings, const std::function<void()>& labelsHook) override {
        log_.push_back("device.apply");
        applied.push_back(settings);
        labelsHook();
    }
    std::string dpiValueText(int level) const override {
        return level >= 0 && level < 8 ? std::to_string((level + 1) * 400) : std::string();
    }
    void close() override { log_.push_back("device.close"); }

    bool plugged = true;
    bool failListener = false;
    int hotplugFd = -1;
    Change nextChange = Change::None;
    bool listener = false;
    EventCallback callback;
    std::vector<SettingsBlock> applied;

private:
    CallLog& log_;
    bool present_ = false;
};

} // namespace pelmora::test
