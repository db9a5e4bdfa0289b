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

#include "desktop/pointer_settings.h"
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

// The three rows of ticks and the two tick boxes of the advanced page.
enum class PointerRow : std::uint8_t { Speed, WheelLines, DoubleClick };
enum class PointerBox : std::uint8_t { Precision, ScrollByScreen };

// The level a row shows (the record's byte; 0 or above 11 when the desktop
// gave no value on the row).
std::uint8_t pointerRowLevel(const SettingsBlock& settings, PointerRow row);
// A tick of a row (1..11) becomes its level; false, and nothing changed, for
// any other number. A wheel-lines tick leaves "scroll one screen" as it is.
bool pickPointerTick(SettingsBlock& settings, PointerRow row, int tick);
// A box is ticked when its byte is 1; setting it writes 1 or 0.
bool pointerBoxTicked(const SettingsBlock& settings, PointerBox box);
void setPointerBox(SettingsBlock& settings, PointerBox box, bool ticked);
// A click on a box: the other state; returns it.
bool togglePointerBox(SettingsBlock& settings, PointerBox box);

// The desktop setting a row or a box writes.
PointerSetting desktopSettingOf(PointerRow row);
PointerSetting desktopSettingOf(PointerBox box);
// True when the page puts the remark "this desktop does not take this
// setting" beside a row or under a box: a row whose setting the desktop
// lacks, a box whose row the desktop has but not the box's own setting (a
// box on a row with the remark needs none of its own).
bool desktopLacks(const PointerSettings& desktop, PointerRow row);
bool desktopLacks(const PointerSettings& desktop, PointerBox box);

// What OK and Apply write: only settings with a valid level. Precision goes
// with the pointer speed; "scroll one screen" replaces the wheel lines.
PointerValues pointerValuesToWrite(const SettingsBlock& settings);
// The desktop's values into the levels; empty values keep their levels.
void storePointerValues(const PointerValues& values, SettingsBlock& settings);

// The desktop's defaults as Default writes them, and the levels it sets.
PointerValues defaultPointerValues();
void setDefaultPointerLevels(SettingsBlock& settings);

} // namespace pelmora
