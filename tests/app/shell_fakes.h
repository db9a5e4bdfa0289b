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
    enum class Change { None, Arrival, Removal };

    explicit FakeDevice(CallLog& log) : log_(log) {}

    bool discover() override {
        log_.push_back("device.discover");
        present_ = plugged;
        return plugged;
    }
    bool present() const override { return present_; }
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
    void resumeListener() override { log_.push_back("device.resumeListener"); }
    void stopListener() override { log_.push_back("device.stopListener"); }
    int openHotplugMonitor(std::string& error) override {
        log_.push_back("device.openHotplug");
        if (hotplugFd < 0) {
            error = "no udev";
        }
        return hotplugFd;
    }
    // One byte on the pipe per notification; the link's rules for the rest.
    std::vector<HotplugReaction> handleHotplug() override {
        char byte = 0;
        [[maybe_unused]] auto n = ::read(hotplugFd, &byte, 1);
        log_.push_back("device.hotplug");
        if (nextChange == Change::None) {
            return {};
        }
        if (!discover()) {
            return {{true, true}};
        }
        if (nextChange == Change::Arrival) {
            readBasicSettings();
            if (!readDone && listener) {
                resumeListener();
            }
        }
        return {{}};
    }
    bool initialReadDone() const override { return readDone; }
    void setInitialReadDone() override { readDone = true; }
    bool readBasicSettings() override {
        log_.push_back("device.readBasicSettings");
        return !busy;
    }
    ApplyResult apply(const SettingsBlock& settings, const std::function<void()>& labelsHook,
                      const TransferWait&, Language) override {
        log_.push_back("device.apply");
        if (busy) {
            return {SaveResult::Missing, 0, 0, TransferAccess::Busy};
        }
        applied.push_back(settings);
        labelsHook();
        return applyResult;
    }
    MouseProblem problem() const override { return mouseProblem; }
    std::uint8_t activeSensorType() const override { return sensorType; }
    void close() override { log_.push_back("device.close"); }

    // Test only: the mouse vanished without a notification.
    void setPresent(bool p) { present_ = p; }

    bool plugged = true;
    bool busy = false; // another program holds the mouse
    bool failListener = false;
    int hotplugFd = -1;
    Change nextChange = Change::None;
    bool listener = false;
    bool readDone = false;
    std::uint8_t sensorType = 3;
    ApplyResult applyResult{SaveResult::Saved, 96, 0};
    MouseProblem mouseProblem = MouseProblem::None;
    EventCallback callback;
    std::vector<SettingsBlock> applied;

private:
    CallLog& log_;
    bool present_ = false;
};

} // namespace pelmora::test
