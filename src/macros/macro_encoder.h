#pragma once
// The macro encoder: every macro of record.ini becomes the 128-byte slot of
// its macro number in `macroData`.
//
// Slot layout: loop count high byte, low byte, then 2-byte event records
// (bit 7 of the first byte set for a release, bits 6..0 the following delay
// in 10 ms units, then the key code). A delay above 1270 ms takes a 4-byte
// record: flag | delay mod 100, key code, delay / 100, 0x03.

#include "macros/macro_store.h"
#include "settings/settings_block.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace pelmora {

using MacroSlots = std::array<MacroSlot, kMacroSlotCount>;

// A delay up to this many milliseconds fits the 2-byte record.
inline constexpr long long kShortDelayLimitMs = 1270;

// One macro in one slot. Events that do not fit the slot are left out, from
// the first that does not fit to the end; their item indexes go to `dropped`.
// No items give an all-zero slot, loop count included.
MacroSlot encodeMacroSlot(std::uint16_t loopCount, const std::vector<std::string>& items,
                          std::vector<std::size_t>* dropped = nullptr);

// One macro of record.ini as the encoder writes it into its slot: like
// encodeMacroSlot, except that a negative "ItemCount" (no items, but no empty
// macro either) keeps the loop count in bytes 0 and 1.
MacroSlot encodeStoredMacro(const StoredMacro& macro, std::vector<std::size_t>* dropped = nullptr);

struct DroppedMacroEvent {
    std::size_t slot; // 0..11
    std::string macroName;
    std::size_t item; // index of the item in the macro
    std::string itemText;
};

struct MacroEncodeReport {
    bool fileFound = false;
    std::size_t encodedMacros = 0;
    std::vector<DroppedMacroEvent> droppedEvents;
    std::vector<std::string> skippedMacros; // sections after the twelfth, not encoded
};

// Encodes record.ini into `macroData`. A missing file changes nothing; slots
// after the last macro keep their content. False with `error` (and nothing
// changed) when the file exists but cannot be read.
bool encodeMacros(const std::filesystem::path& recordIni, MacroSlots& macroData,
                  MacroEncodeReport& report, std::string& error);

} // namespace pelmora
