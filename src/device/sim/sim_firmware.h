#pragma once
// The mouse's firmware as the simulated mouse plays it: what each command
// frame and bulk chunk does to the kept state, and the answers to the
// read-back frames. Not thread-safe: SimulatedMouse calls it under its lock
// and owns the queues, the plugging and the observers.

#include "device/command_frame.h"
#include "device/sim/sim_mouse_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmora::sim {

class SimFirmware {
public:
    // What a frame or chunk did, for the caller to act on.
    struct Outcome {
        bool stateChanged = false;
        bool transferEnded = false; // the last command of an Apply: save at once
        std::vector<std::string> log;
    };
    using Chunk = std::array<std::uint8_t, kChunkSize>;

    // A frame whose checksum was checked. A new frame ends whatever was under way.
    void receiveFrame(const CommandFrame& frame, Outcome& outcome);
    // A bulk chunk after the frame that announced it.
    void receiveChunk(const Chunk& chunk, Outcome& outcome);
    // The answer to the last read-back frame, once; a macro slot read adds
    // the slot's chunks to `chunks`.
    std::optional<CommandFrame> takeAnswer(std::vector<Chunk>& chunks);
    // Forgets what was under way (the mouse was unplugged).
    void reset();

    const SimMouseState& state() const { return state_; }
    SimMouseState& state() { return state_; }

private:
    enum class BulkTarget { None, DpiColours, DpiStages, KeyMatrix, MacroSlot };
    struct PendingWrite {
        BulkTarget target = BulkTarget::None;
        std::size_t index = 0;
        std::size_t length = 0; // announced bytes
        std::size_t chunksExpected = 0;
        std::vector<std::uint8_t> data;
    };

    void expectBulk(BulkTarget target, std::size_t index, std::size_t length);
    void commitBulk(Outcome& outcome);

    SimMouseState state_;
    std::optional<CommandFrame> answer_;
    std::optional<std::uint8_t> slotToSend_; // chunks follow the macro slot answer
    PendingWrite pending_;
};

} // namespace pelmora::sim
