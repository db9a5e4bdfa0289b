// The choice lists of the key dialogs and the lookups by list position.
#include "keys/key_lists.h"

#include "keys/key_tables.h"

#include <array>

namespace pelmora {

namespace {

// clang-format off
constexpr std::array<FireKeyEntry, kFireKeyCount> kFireKeys{{
    {"A", 0x04}, {"B", 0x05}, {"C", 0x06}, {"D", 0x07}, {"E", 0x08}, {"F", 0x09},
    {"G", 0x0A}, {"H", 0x0B}, {"I", 0x0C}, {"J", 0x0D}, {"K", 0x0E}, {"L", 0x0F},
    {"M", 0x10}, {"N", 0x11}, {"O", 0x12}, {"P", 0x13}, {"Q", 0x14}, {"R", 0x15},
    {"S", 0x16}, {"T", 0x17}, {"U", 0x18}, {"V", 0x19}, {"W", 0x1A}, {"X", 0x1B},
    {"Y", 0x1C}, {"Z", 0x1D},
    {"1", 0x1E}, {"2", 0x1F}, {"3", 0x20}, {"4", 0x21}, {"5", 0x22},
    {"6", 0x23}, {"7", 0x24}, {"8", 0x25}, {"9", 0x26}, {"0", 0x27},
    {"L-CTRL", 0xE0}, {"L-SHIFT", 0xE1}, {"L-ALT", 0xE2},
    {"R-CTRL", 0xE4}, {"R-SHIFT", 0xE5}, {"R-ALT", 0xE6},
    {"F1", 0x3A}, {"F2", 0x3B}, {"F3", 0x3C}, {"F4", 0x3D}, {"F5", 0x3E}, {"F6", 0x3F},
    {"F7", 0x40}, {"F8", 0x41}, {"F9", 0x42}, {"F10", 0x43}, {"F11", 0x44}, {"F12", 0x45},
    {"L-Button", kLeftButtonCode}, {"R-Button", kRightButtonCode},
    {"M-Button", kMiddleButtonCode}, {"B4-Button", kBackwardButtonCode},
    {"B5-Button", kForwardButtonCode}, {"L-Tilt Wheel", kTiltLeftCode},
    {"R-Tilt Wheel", kTiltRightCode},
}};

constexpr std::array<ConsumerEntry, kMediaCount> kMedia{{
    {"Next", 0x00B5},       // Scan Next Track
    {"Previous", 0x00B6},   // Scan Previous Track
    {"Stop", 0x00B7},       // Stop
    {"Play/Pause", 0x00CD}, // Play/Pause
    {"Mute", 0x00E2},       // Mute
    {"Vol+", 0x00E9},       // Volume Increment
    {"Vol-", 0x00EA},       // Volume Decrement
}};

constexpr std::array<ConsumerEntry, kLaunchCount> kLaunch{{
    {"Multimedia Player", 0x0183},    // AL Consumer Control Configuration
    {"Mail", 0x018A},                 // AL Email Reader
    {"Calculator", 0x0192},           // AL Calculator
    {"My Computer", 0x0194},          // AL Local Machine Browser
    {"Browser-Search", 0x0221},       // AC Search
    {"Browser-Home", 0x0223},         // AC Home
    {"Browser-Back", 0x0224},         // AC Back
    {"Browser-Forward", 0x0225},      // AC Forward
    {"Browser-Stop", 0x0226},         // AC Stop
    {"Browser-Refresh", 0x0227},      // AC Refresh
    {"Browser-My Favorites", 0x022A}, // AC Bookmarks
}};

constexpr std::array<DpiSwitchEntry, kDpiSwitchCount> kDpiSwitch{{
    {"DPI +", 1}, {"DPI -", 2}, {"DPI Loop", 3},
}};
// clang-format on

// The mouse takes a multimedia usage in one byte.
constexpr bool mediaUsagesFitOneByte() {
    for (const auto& entry : kMedia) {
        if (entry.usage > 0xFF) {
            return false;
        }
    }
    return true;
}
static_assert(mediaUsagesFitOneByte());

template <typename Entry, std::size_t N>
const Entry* at(const std::array<Entry, N>& list, std::size_t position) {
    return position < N ? &list[position] : nullptr;
}

} // namespace

std::span<const FireKeyEntry> fireKeyList() {
    return kFireKeys;
}
std::span<const ConsumerEntry> mediaList() {
    return kMedia;
}
std::span<const ConsumerEntry> launchList() {
    return kLaunch;
}
std::span<const DpiSwitchEntry> dpiSwitchList() {
    return kDpiSwitch;
}

std::string_view fireKeyText(std::size_t position) {
    const auto* entry = at(kFireKeys, position);
    return entry ? entry->text : std::string_view{};
}
std::string_view mediaText(std::size_t position) {
    const auto* entry = at(kMedia, position);
    return entry ? entry->text : std::string_view{};
}
std::string_view launchText(std::size_t position) {
    const auto* entry = at(kLaunch, position);
    return entry ? entry->text : std::string_view{};
}
std::string_view dpiSwitchText(std::size_t position) {
    const auto* entry = at(kDpiSwitch, position);
    return entry ? entry->text : std::string_view{};
}

std::uint8_t fireKeyCode(std::size_t position) {
    const auto* entry = at(kFireKeys, position);
    return entry ? entry->code : 0;
}
std::uint8_t mediaUsage(std::size_t position) {
    const auto* entry = at(kMedia, position);
    return entry ? static_cast<std::uint8_t>(entry->usage) : 0;
}
std::uint8_t launchUsageLow(std::size_t position) {
    const auto* entry = at(kLaunch, position);
    return entry ? static_cast<std::uint8_t>(entry->usage & 0xFF) : 0;
}
std::uint8_t launchUsageHigh(std::size_t position) {
    const auto* entry = at(kLaunch, position);
    return entry ? static_cast<std::uint8_t>(entry->usage >> 8) : 0;
}
std::uint8_t dpiSwitchAction(std::size_t position) {
    const auto* entry = at(kDpiSwitch, position);
    return entry ? entry->action : 0;
}

} // namespace pelmora
