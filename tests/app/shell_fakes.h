#pragma once
// A scripted stand-in for the tray, shared by the shell's widget tests: it
// writes what happened to a log, so tests can check order.

#include "app/tray_port.h"

#include <QString>

#include <functional>
#include <string>
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
    void setProfilesMenu(TrayProfilesMenu menu) override { profiles = std::move(menu); }
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
    TrayProfilesMenu profiles;
    Handlers handlers;
    std::vector<RecordedBalloon> balloons;

private:
    CallLog& log_;
};

} // namespace pelmora::test
