#pragma once
// The pointer settings as the settings record keeps them (levels 1..11, one
// per tick of the advanced page, and two tick boxes) and their conversion to
// and from desktop values.
//
// A level outside 1..11 is never written: 0 means the desktop was never read
// (a settings file from before the page was first shown), and a desktop
// value beyond the eleven steps (a double-click time under 200 ms, more than
// eleven lines) reads as a level beyond them, which leaves the desktop's own
// value as it is until the user picks a tick.

#include "settings/pointer/pointer_settings.h"
#include "settings/settings_block.h"

namespace pelmora {

inline constexpr int kPointerSteps = 11;
// The levels the Default button sets.
inline constexpr int kDefaultSpeedLevel = 6;
inline constexpr int kDefaultWheelLines = 3;
inline constexpr int kDefaultDoubleClickLevel = 6;
inline constexpr int kDefaultDoubleClickMs = 500;

constexpr bool isPointerLevel(int level) {
    return level >= 1 && level <= kPointerSteps;
}

// Speed: level 6 is the desktop's default 0, level 1 is -1, level 11 is +1.
double speedForLevel(int level);
// The nearest level, 1..11.
int levelForSpeed(double speed);
// Double-click: 900 ms at level 1 down to 200 ms at level 11.
int doubleClickForLevel(int level);
// (900 - ms) / 70 + 1, rounded down; times above 900 ms give 0 (and are
// left alone), times under 200 ms levels above 11.
int levelForDoubleClick(int ms);

// What OK and Apply write: only settings with a valid level. Precision goes
// with the pointer speed; "scroll one screen" replaces the wheel lines.
PointerValues pointerValuesToWrite(const SettingsBlock& settings);
// The desktop's values into the levels; empty values keep their levels.
void storePointerValues(const PointerValues& values, SettingsBlock& settings);

// The desktop's defaults as Default writes them, and the levels it sets.
PointerValues defaultPointerValues();
void setDefaultPointerLevels(SettingsBlock& settings);

} // namespace pelmora
