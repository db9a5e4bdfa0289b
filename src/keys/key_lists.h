#pragma once
// The fixed choice lists of the key dialogs: fire key, multimedia, launch and
// DPI switch. A list position selects the code; the texts are what the lists
// show in English (the fire-key and DPI switch texts are the same in every
// language). The code lookups by position are in key_tables.h.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace pelmora {

struct FireKeyEntry {
    std::string_view text;
    std::uint8_t code; // keyboard usage or button code
};

// A consumer-control function (usage page 0x0C).
struct ConsumerEntry {
    std::string_view text; // English
    std::uint16_t usage;
};

struct DpiSwitchEntry {
    std::string_view text;
    std::uint8_t action; // 1 = up, 2 = down, 3 = loop
};

inline constexpr std::size_t kFireKeyCount = 61;
inline constexpr std::size_t kMediaCount = 7;
inline constexpr std::size_t kLaunchCount = 11;
inline constexpr std::size_t kDpiSwitchCount = 3;

std::span<const FireKeyEntry> fireKeyList();
std::span<const ConsumerEntry> mediaList();
std::span<const ConsumerEntry> launchList();
std::span<const DpiSwitchEntry> dpiSwitchList();

// The text at a list position; empty beyond the end of the list.
std::string_view fireKeyText(std::size_t position);
std::string_view mediaText(std::size_t position);
std::string_view launchText(std::size_t position);
std::string_view dpiSwitchText(std::size_t position);

} // namespace pelmora
