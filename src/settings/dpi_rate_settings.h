#pragma once
// The report rate and the four DPI stages as the basic page edits them:
// which report-rate step is lit, how many level cells a column has for the
// mouse's sensor type, which cells take clicks, and what a click stores.
// Plain functions on the settings block, shared by the page and the CLI.

#include "settings/settings_block.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace pelmora {

inline constexpr std::size_t kRateStepCount = 4;

// The report interval (ms) each step stores, slowest first.
inline constexpr std::array<std::uint8_t, kRateStepCount> kRateStepIntervals = {8, 4, 2, 1};
// The reports per second each step stands for (its label).
inline constexpr std::array<int, kRateStepCount> kRateStepReportsPerSecond = {125, 250, 500, 1000};

// The step lit for a stored interval: 8, 4 and 2 ms light 125, 250 and 500;
// anything else (1, or a file without a stored rate) lights 1000.
std::size_t litRateStep(std::uint8_t reportInterval);

// Stores the step's interval. True when the lit step changed (the page then
// redraws the two steps); a click on the lit step still stores its value.
bool setReportRateStep(SettingsBlock& settings, std::size_t step);

// The step of a rate in reports per second (125, 250, 500, 1000), if any.
std::optional<std::size_t> rateStepOf(int reportsPerSecond);

// The sensor type whose value table labels the levels: 1, 2 and 3 their own,
// 0 and every unknown type type 0's.
std::uint8_t dpiLabelSensorType(std::uint8_t activeSensorType);

// Level cells a column shows: eight for types 1..3, twelve otherwise.
int dpiShownLevelCount(std::uint8_t activeSensorType);

// Whether level cell k (1-based) takes clicks: 1..8 always, 9..12 only for
// sensor type 0 exactly.
bool dpiLevelCellClickable(std::uint8_t activeSensorType, int level);

// Cells lit in column `stage` (0-based) at a page drawing: none for a
// disabled stage, else its level + 1, clamped to the column (a level stored
// for a sensor with more levels is shown at the top; the value is kept).
int dpiLitCells(const SettingsBlock& settings, std::size_t stage, std::uint8_t activeSensorType);

// A click on level cell k of a stage: stores k - 1 when the cell takes
// clicks; false (nothing stored) otherwise.
bool setDpiLevel(SettingsBlock& settings, std::size_t stage, int level,
                 std::uint8_t activeSensorType);

enum class StageToggle { Enabled, Disabled, KeptLastStage };

// A click on a stage's tick: enables a disabled stage, disables an enabled
// one unless it is the last enabled stage, which stays on.
StageToggle toggleDpiStage(SettingsBlock& settings, std::size_t stage);

// Switches a stage on or off; refuses (false) to switch off the last
// enabled stage.
bool setDpiStageOn(SettingsBlock& settings, std::size_t stage, bool on);

} // namespace pelmora
