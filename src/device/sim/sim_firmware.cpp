#include "device/sim/sim_firmware.h"

#include "base/hex_text.h"

#include <algorithm>
#include <utility>

namespace pelmora::sim {

void SimFirmware::reset() {
    answer_.reset();
    slotToSend_.reset();
    pending_ = {};
}

void SimFirmware::expectBulk(BulkTarget target, std::size_t index, std::size_t length) {
    pending_ = {target, index, length, chunkCount(length), {}};
    if (pending_.chunksExpected == 0) {
        pending_ = {};
    }
}

void SimFirmware::receiveFrame(const CommandFrame& f, Outcome& outcome) {
    answer_.reset();
    slotToSend_.reset();
    if (pending_.target != BulkTarget::None) {
        outcome.log.emplace_back("a new frame arrived before all chunks of the last one");
        pending_ = {};
    }
    auto& s = state_;
    switch (f[0]) {
    case kSetReportInterval:
        s.reportInterval = f[1];
        outcome.stateChanged = true;
        break;
    case kWriteBasicSettings:
        s.sensorType = f[1];
        s.reportRate = f[2];
        s.option1 = f[3];
        s.option2 = f[4];
        outcome.stateChanged = true;
        break;
    case kReadBasicSettings:
        answer_ = makeFrame(kReadBasicSettings, s.sensorType, s.reportRate, s.option1, s.option2);
        break;
    case kWriteColourPage:
        if (f[1] <= 1) {
            (f[1] == 0 ? s.colourPage0 : s.colourPage1) = {f[2], f[3], f[4]};
            outcome.stateChanged = true;
        }
        break;
    case kReadColourPage: {
        std::array<std::uint8_t, 3> page{};
        if (f[1] <= 1) {
            page = f[1] == 0 ? s.colourPage0 : s.colourPage1;
        }
        answer_ = makeFrame(kReadColourPage, f[1], page[0], page[1], page[2]);
        break;
    }
    case kWriteEffect:
        s.effect = f[1];
        s.effectOption1 = f[2];
        s.effectOption2 = f[3];
        outcome.stateChanged = true;
        break;
    case kReadEffect:
        answer_ = makeFrame(kReadEffect, s.effect, s.effectOption1, s.effectOption2);
        break;
    case kWriteDpiColours:
        if (f[1] == 1) { // frame 0 only announces
            expectBulk(BulkTarget::DpiColours, 0, f[2]);
        }
        break;
    case kWriteDpiStages:
        expectBulk(BulkTarget::DpiStages, 0, f[2]);
        break;
    case kWriteKeyMatrix:
        if (f[1] >= 1 && f[1] <= s.keyMatrices.size()) {
            expectBulk(BulkTarget::KeyMatrix, f[1] - 1u, f[2]);
        }
        break;
    case kWriteMacroSlot:
        if (f[1] >= 1 && f[1] <= kMacroSlotCount) {
            expectBulk(BulkTarget::MacroSlot, f[1] - 1u, f[2]);
        }
        break;
    case kReadMacroSlot:
        if (f[1] >= 1 && f[1] <= kMacroSlotCount) {
            answer_ = makeFrame(kReadMacroSlot, f[1], static_cast<std::uint8_t>(kMacroSlotSize));
            slotToSend_ = f[1];
        } else {
            answer_ = makeFrame(kReadMacroSlot, f[1], 0);
        }
        break;
    default:
        outcome.log.push_back("ignored unknown command " + toHex(f));
        break;
    }
}

std::optional<CommandFrame> SimFirmware::takeAnswer(std::vector<Chunk>& chunks) {
    const auto answer = std::exchange(answer_, std::nullopt);
    if (answer && slotToSend_) {
        const auto& slot = state_.macroSlots[*slotToSend_ - 1u];
        for (std::size_t at = 0; at < kMacroSlotSize; at += kChunkSize) {
            Chunk& chunk = chunks.emplace_back();
            std::copy_n(slot.begin() + static_cast<std::ptrdiff_t>(at), kChunkSize, chunk.begin());
        }
        slotToSend_.reset();
    }
    return answer;
}

void SimFirmware::receiveChunk(const Chunk& chunk, Outcome& outcome) {
    if (pending_.target == BulkTarget::None) {
        outcome.log.emplace_back("ignored a chunk no command announced");
        return;
    }
    pending_.data.insert(pending_.data.end(), chunk.begin(), chunk.end());
    if (pending_.data.size() >= pending_.chunksExpected * kChunkSize) {
        commitBulk(outcome);
    }
}

void SimFirmware::commitBulk(Outcome& outcome) {
    auto store = [this](std::span<std::uint8_t> target) {
        std::copy_n(pending_.data.begin(), std::min(target.size(), pending_.length),
                    target.begin());
    };
    switch (pending_.target) {
    case BulkTarget::DpiColours:
        store(state_.dpiColours);
        break;
    case BulkTarget::DpiStages:
        store(state_.dpiStages);
        break;
    case BulkTarget::KeyMatrix:
        store(state_.keyMatrices[pending_.index]);
        // Matrix 4 is the last command of an Apply: the whole transfer is in.
        outcome.transferEnded = pending_.index + 1 == state_.keyMatrices.size();
        break;
    case BulkTarget::MacroSlot:
        store(state_.macroSlots[pending_.index]);
        break;
    case BulkTarget::None:
        break;
    }
    pending_ = {};
    outcome.stateChanged = true;
}

} // namespace pelmora::sim
