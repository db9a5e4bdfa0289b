#include "desktop/pointer_levels.h"

#include <algorithm>
#include <cmath>

namespace pelmora {

namespace {
constexpr int kSlowestDoubleClickMs = 900;
constexpr int kDoubleClickStepMs = 70;
constexpr int kMiddleSpeedLevel = 6;
constexpr double kSpeedLevelsPerUnit = 5.0;

std::uint8_t storedLevel(long value) {
    return static_cast<std::uint8_t>(std::clamp<long>(value, 0, 255));
}
} // namespace

double speedForLevel(int level) {
    return (level - kMiddleSpeedLevel) / kSpeedLevelsPerUnit;
}

int levelForSpeed(double speed) {
    if (!std::isfinite(speed)) {
        return kMiddleSpeedLevel;
    }
    const double level = std::round(speed * kSpeedLevelsPerUnit + kMiddleSpeedLevel);
    return static_cast<int>(std::clamp(level, 1.0, static_cast<double>(kPointerSteps)));
}

int doubleClickForLevel(int level) {
    return kSlowestDoubleClickMs - kDoubleClickStepMs * (level - 1);
}

int levelForDoubleClick(int ms) {
    const long difference = static_cast<long>(kSlowestDoubleClickMs) - ms;
    // Rounded down, also below zero.
    long steps = difference / kDoubleClickStepMs;
    if (difference < 0 && difference % kDoubleClickStepMs != 0) {
        --steps;
    }
    return storedLevel(steps + 1);
}

std::uint8_t pointerRowLevel(const SettingsBlock& s, PointerRow row) {
    switch (row) {
    case PointerRow::Speed:
        return s.pointerSpeedLevel;
    case PointerRow::WheelLines:
        return s.scrollLines;
    case PointerRow::DoubleClick:
        break;
    }
    return s.doubleClickLevel;
}

bool pickPointerTick(SettingsBlock& s, PointerRow row, int tick) {
    if (!isPointerLevel(tick)) {
        return false;
    }
    const auto level = static_cast<std::uint8_t>(tick);
    switch (row) {
    case PointerRow::Speed:
        s.pointerSpeedLevel = level;
        break;
    case PointerRow::WheelLines:
        s.scrollLines = level;
        break;
    case PointerRow::DoubleClick:
        s.doubleClickLevel = level;
        break;
    }
    return true;
}

bool pointerBoxTicked(const SettingsBlock& s, PointerBox box) {
    return (box == PointerBox::Precision ? s.pointerPrecision : s.scrollByScreen) == 1;
}

void setPointerBox(SettingsBlock& s, PointerBox box, bool ticked) {
    (box == PointerBox::Precision ? s.pointerPrecision : s.scrollByScreen) = ticked ? 1 : 0;
}

bool togglePointerBox(SettingsBlock& s, PointerBox box) {
    const bool ticked = !pointerBoxTicked(s, box);
    setPointerBox(s, box, ticked);
    return ticked;
}

PointerSetting desktopSettingOf(PointerRow row) {
    switch (row) {
    case PointerRow::Speed:
        return PointerSetting::Speed;
    case PointerRow::WheelLines:
        return PointerSetting::WheelLines;
    case PointerRow::DoubleClick:
        break;
    }
    return PointerSetting::DoubleClick;
}

PointerSetting desktopSettingOf(PointerBox box) {
    return box == PointerBox::Precision ? PointerSetting::Precision
                                        : PointerSetting::ScrollByScreen;
}

bool desktopLacks(const PointerSettings& desktop, PointerRow row) {
    return !desktop.has(desktopSettingOf(row));
}

bool desktopLacks(const PointerSettings& desktop, PointerBox box) {
    const PointerRow row =
        box == PointerBox::Precision ? PointerRow::Speed : PointerRow::WheelLines;
    return !desktopLacks(desktop, row) && !desktop.has(desktopSettingOf(box));
}

PointerValues pointerValuesToWrite(const SettingsBlock& s) {
    PointerValues v;
    if (isPointerLevel(s.pointerSpeedLevel)) {
        v.precision = s.pointerPrecision == 1;
        v.speed = speedForLevel(s.pointerSpeedLevel);
    }
    if (s.scrollByScreen != 0) {
        v.scrollByScreen = true;
    } else if (isPointerLevel(s.scrollLines)) {
        v.scrollByScreen = false;
        v.wheelLines = s.scrollLines;
    }
    if (isPointerLevel(s.doubleClickLevel)) {
        v.doubleClickMs = doubleClickForLevel(s.doubleClickLevel);
    }
    return v;
}

void storePointerValues(const PointerValues& v, SettingsBlock& s) {
    if (v.precision) {
        s.pointerPrecision = *v.precision ? 1 : 0;
    }
    if (v.speed) {
        s.pointerSpeedLevel = storedLevel(levelForSpeed(*v.speed));
    }
    if (v.wheelLines) {
        s.scrollLines = storedLevel(*v.wheelLines);
        // A desktop that counts lines scrolls by lines.
        s.scrollByScreen = 0;
    }
    if (v.scrollByScreen && *v.scrollByScreen) {
        s.scrollByScreen = 1;
        s.scrollLines = 0;
    }
    if (v.doubleClickMs) {
        s.doubleClickLevel = storedLevel(levelForDoubleClick(*v.doubleClickMs));
    }
}

PointerValues defaultPointerValues() {
    PointerValues v;
    v.precision = false;
    v.speed = 0.0;
    v.scrollByScreen = false;
    v.wheelLines = kDefaultWheelLines;
    v.doubleClickMs = kDefaultDoubleClickMs;
    return v;
}

void setDefaultPointerLevels(SettingsBlock& s) {
    s.pointerPrecision = 0;
    s.scrollByScreen = 0;
    s.pointerSpeedLevel = kDefaultSpeedLevel;
    s.scrollLines = kDefaultWheelLines;
    s.doubleClickLevel = kDefaultDoubleClickLevel;
}

} // namespace pelmora
