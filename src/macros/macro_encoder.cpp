#include "macros/macro_encoder.h"

#include "keys/key_tables.h"
#include "macros/macro_item.h"
#include "macros/macro_store.h"
#include "base/ini_file.h"

#include <algorithm>

namespace pelmora {

namespace {

constexpr std::uint8_t kReleaseFlag = 0x80;
constexpr std::uint8_t kLongDelayMarker = 0x03;
constexpr std::size_t kFirstRecord = 2;

} // namespace

MacroSlot encodeMacroSlot(std::uint16_t loopCount, const std::vector<std::string>& items,
                          std::vector<std::size_t>* dropped) {
    MacroSlot slot{};
    if (items.empty()) {
        return slot;
    }
    slot[0] = static_cast<std::uint8_t>(loopCount >> 8);
    slot[1] = static_cast<std::uint8_t>(loopCount & 0xFF);
    std::size_t pos = kFirstRecord;
    bool full = false;
    for (std::size_t j = 0; j < items.size(); ++j) {
        const ParsedItem item = parseItem(items[j]);
        if (item.kind != ItemKind::Press && item.kind != ItemKind::Release) {
            continue;
        }
        if (full) {
            if (dropped) {
                dropped->push_back(j);
            }
            continue;
        }
        // The delay is the item after the event; a negative one means none.
        const long long delay =
            j + 1 < items.size() ? std::max(0LL, delayFromItem(items[j + 1])) : 0;
        const std::uint8_t flag = item.kind == ItemKind::Release ? kReleaseFlag : 0;
        const std::uint8_t code = keyCodeFromName(item.keyName);
        const std::size_t size = delay <= kShortDelayLimitMs ? 2 : 4;
        if (pos + size > slot.size()) {
            full = true;
            if (dropped) {
                dropped->push_back(j);
            }
            continue;
        }
        if (size == 2) {
            slot[pos] = static_cast<std::uint8_t>(flag | ((delay / 10) & 0x7F));
            slot[pos + 1] = code;
        } else {
            slot[pos] = static_cast<std::uint8_t>(flag | ((delay % 100) & 0x7F));
            slot[pos + 1] = code;
            slot[pos + 2] = static_cast<std::uint8_t>((delay / 100) & 0xFF);
            slot[pos + 3] = kLongDelayMarker;
        }
        pos += size;
    }
    return slot;
}

MacroSlot encodeStoredMacro(const StoredMacro& macro, std::vector<std::size_t>* dropped) {
    const std::uint16_t loop = loopCountFromText(macro.loopText);
    MacroSlot slot = encodeMacroSlot(loop, macro.items, dropped);
    if (macro.itemCount < 0) {
        // A negative count is no items, but unlike a count of 0 it is no
        // empty macro: its loop count is still written.
        slot[0] = static_cast<std::uint8_t>(loop >> 8);
        slot[1] = static_cast<std::uint8_t>(loop & 0xFF);
    }
    return slot;
}

bool encodeMacros(const std::filesystem::path& recordIni, MacroSlots& macroData,
                  MacroEncodeReport& report, std::string& error) {
    report = {};
    std::error_code ec;
    if (!std::filesystem::exists(recordIni, ec)) {
        return true;
    }
    IniFile ini;
    if (!IniFile::load(recordIni, ini, error)) {
        return false;
    }
    report.fileFound = true;
    const auto names = ini.sectionNames();
    for (std::size_t s = 0; s < names.size(); ++s) {
        if (s >= macroData.size()) {
            report.skippedMacros.push_back(names[s]);
            continue;
        }
        const StoredMacro macro = macroFromIni(ini, names[s]);
        std::vector<std::size_t> dropped;
        macroData[s] = encodeStoredMacro(macro, &dropped);
        for (const std::size_t item : dropped) {
            report.droppedEvents.push_back({s, names[s], item, macro.items[item]});
        }
        ++report.encodedMacros;
    }
    return true;
}

} // namespace pelmora
