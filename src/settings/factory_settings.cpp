#include "settings/factory_settings.h"

namespace pelmora {

void applyDefaultKeyAssignment(SettingsBlock& settings) {
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        settings.keyBlock(mode).keyFunction = kDefaultKeyFunctions;
        settings.dpiSwitchParam(mode)[kDefaultDpiSwitchButton] = kDpiLoopAction;
    }
}

SettingsBlock factorySettings() {
    SettingsBlock s{};
    applyDefaultKeyAssignment(s);
    s.reportInterval = 1;
    s.dpiLevel = {1, 3, 5, 7};
    s.dpiStageOn = {1, 1, 1, 1};
    s.dpiColour = {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}}};
    s.lightMode = 0; // keep the lighting the mouse has until the user picks one
    s.lightColourMode3 = 2;
    s.pointerSpeedLevel = 6;
    s.scrollLines = 3;
    s.doubleClickLevel = 6;
    s.keyMode = 0;
    return s;
}

} // namespace pelmora
