// record.ini through the macro store and the encoder: every slot holds what
// fits and drops the rest from one event on; a macro written back reads the same.
#include "fuzz_check.h"
#include "fuzz_files.h"
#include "fuzz_input.h"
#include "macros/macro_encoder.h"
#include "macros/macro_store.h"
#include "base/ini_file.h"

#include <algorithm>

using namespace pelmora;

namespace {
fuzz::ScratchCleanup cleanup;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto file = fuzz::writeScratchFile("record.ini", std::span(data, size));
    MacroSlots slots{};
    slots[11].fill(0xAB); // a slot after the last macro keeps its content
    MacroEncodeReport report;
    std::string error;
    FUZZ_CHECK(encodeMacros(file, slots, report, error));

    const MacroStore store(file);
    const auto names = store.names();
    FUZZ_CHECK(report.encodedMacros == std::min(names.size(), kMaxMacroCount));
    if (names.size() < kMaxMacroCount) {
        FUZZ_CHECK(
            std::all_of(slots[11].begin(), slots[11].end(), [](auto b) { return b == 0xAB; }));
    }
    for (std::size_t i = 0; i < report.encodedMacros; ++i) {
        const StoredMacro macro = store.load(names[i]);
        std::vector<std::size_t> dropped;
        const MacroSlot slot = encodeStoredMacro(macro, &dropped);
        FUZZ_CHECK(slot == slots[i]);
        // A macro without items holds no events; only a negative count keeps its loop count.
        if (macro.items.empty()) {
            FUZZ_CHECK(std::all_of(slot.begin() + 2, slot.end(), [](auto b) { return b == 0; }));
            FUZZ_CHECK((slot[0] == 0 && slot[1] == 0) == (macro.itemCount >= 0));
        }
        // What is dropped runs from the first event that did not fit to the end,
        // and what is kept fits: encoding it alone drops nothing and gives the same slot.
        if (!dropped.empty()) {
            for (std::size_t k = 0; k < dropped.size(); ++k) {
                FUZZ_CHECK(dropped[k] == dropped.front() + k);
            }
            FUZZ_CHECK(dropped.back() + 1 == macro.items.size());
            std::vector<std::string> kept(macro.items.begin(),
                                          macro.items.begin() +
                                              static_cast<std::ptrdiff_t>(dropped.front()));
            std::vector<std::size_t> droppedAgain;
            FUZZ_CHECK(encodeMacroSlot(loopCountFromText(macro.loopText), kept, &droppedAgain) ==
                       slot);
            FUZZ_CHECK(droppedAgain.empty());
        }
    }

    // Write-then-read: the first macro saved into a fresh store reads back the same.
    if (!names.empty() && macroNameProblem(names[0]).empty()) {
        const StoredMacro macro = store.load(names[0]);
        const auto copyFile = fuzz::scratchFolder() / "copy.ini";
        std::filesystem::remove(copyFile);
        MacroStore copy(copyFile);
        if (copy.save(names[0], macro.loopText, macro.items, error)) {
            const StoredMacro back = copy.load(names[0]);
            FUZZ_CHECK(back.items == macro.items);
            FUZZ_CHECK(back.loopText == macro.loopText);
        }
    }
    return 0;
}
