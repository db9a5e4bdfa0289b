#include "settings/dpi_rate_settings.h"

#include <algorithm>

namespace pelmora {

namespace {
constexpr int kFullLevelCount = 12;
constexpr int kShortLevelCount = 8;

bool anotherStageOn(const SettingsBlock& settings, std::size_t stage) {
    for (std::size_t s = 0; s < kDpiStageCount; ++s) {
        if (s != stage && settings.dpiStageOn[s] == 1) {
            return true;
        }
    }
    return false;
}
} // namespace

std::size_t litRateStep(std::uint8_t reportInterval) {
    const auto* found =
        std::find(kRateStepIntervals.begin(), kRateStepIntervals.end() - 1, reportInterval);
    return static_cast<std::size_t>(found - kRateStepIntervals.begin());
}

bool setReportRateStep(SettingsBlock& settings, std::size_t step) {
    if (step >= kRateStepCount) {
        return false;
    }
    const bool changed = litRateStep(settings.reportInterval) != step;
    settings.reportInterval = kRateStepIntervals[step];
    return changed;
}

std::optional<std::size_t> rateStepOf(int reportsPerSecond) {
    const auto* found = std::find(kRateStepReportsPerSecond.begin(),
                                  kRateStepReportsPerSecond.end(), reportsPerSecond);
    if (found == kRateStepReportsPerSecond.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - kRateStepReportsPerSecond.begin());
}

std::uint8_t dpiLabelSensorType(std::uint8_t activeSensorType) {
    return activeSensorType >= 1 && activeSensorType <= 3 ? activeSensorType : 0;
}

int dpiShownLevelCount(std::uint8_t activeSensorType) {
    return dpiLabelSensorType(activeSensorType) == 0 ? kFullLevelCount : kShortLevelCount;
}

bool dpiLevelCellClickable(std::uint8_t activeSensorType, int level) {
    if (level < 1 || level > dpiShownLevelCount(activeSensorType)) {
        return false;
    }
    return level <= kShortLevelCount || activeSensorType == 0;
}

int dpiLitCells(const SettingsBlock& settings, std::size_t stage, std::uint8_t activeSensorType) {
    if (stage >= kDpiStageCount || settings.dpiStageOn[stage] != 1) {
        return 0;
    }
    return std::min(settings.dpiLevel[stage] + 1, dpiShownLevelCount(activeSensorType));
}

bool setDpiLevel(SettingsBlock& settings, std::size_t stage, int level,
                 std::uint8_t activeSensorType) {
    if (stage >= kDpiStageCount || !dpiLevelCellClickable(activeSensorType, level)) {
        return false;
    }
    settings.dpiLevel[stage] = static_cast<std::uint8_t>(level - 1);
    return true;
}

StageToggle toggleDpiStage(SettingsBlock& settings, std::size_t stage) {
    if (stage >= kDpiStageCount) {
        return StageToggle::KeptLastStage;
    }
    if (settings.dpiStageOn[stage] != 1) {
        // Anything but 1 is drawn as a disabled stage, so a click enables it.
        settings.dpiStageOn[stage] = 1;
        return StageToggle::Enabled;
    }
    if (!anotherStageOn(settings, stage)) {
        return StageToggle::KeptLastStage;
    }
    settings.dpiStageOn[stage] = 0;
    return StageToggle::Disabled;
}

bool setDpiStageOn(SettingsBlock& settings, std::size_t stage, bool on) {
    if (stage >= kDpiStageCount) {
        return false;
    }
    if (!on && !anotherStageOn(settings, stage)) {
        return false;
    }
    settings.dpiStageOn[stage] = on ? 1 : 0;
    return true;
}

} // namespace pelmora
