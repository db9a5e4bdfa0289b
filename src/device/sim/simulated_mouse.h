#pragma once
// A model of the mouse's firmware, independent of how reports reach it: the
// in-process backend calls it directly, a /dev/uhid bridge can feed it the
// kernel's reports. Every report uses the Windows layout (byte 0 the report
// ID: 0 on the command collection, 6 for listener events).
//
// Host to mouse: setFeature (a command frame in bytes 1..8), getFeature (the
// answer to the last read-back frame), writeOutput (a bulk chunk in bytes
// 1..32). Mouse to host: takeInput per collection (bulk chunks of 0x93,
// listener events); observers hear when input is queued and when the mouse
// is unplugged or plugged. Thread-safe; observers run without the lock held.

#include "device/command_frame.h"
#include "device/sim/sim_mouse_state.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace pelmora::sim {

enum class SimCollection { Command, Listener };
using Report = std::vector<std::uint8_t>;

// Report lengths of the two vendor collections, report ID byte included.
inline constexpr std::uint16_t kSimFeatureLength = 9;
inline constexpr std::uint16_t kSimCommandInputLength = 33;
inline constexpr std::uint16_t kSimCommandOutputLength = 33;
inline constexpr std::uint16_t kSimListenerInputLength = 9;
inline constexpr std::uint8_t kListenerReportId = 6;

class SimulatedMouse {
public:
    struct Observer {
        std::function<void(SimCollection)> inputQueued;
        std::function<void(bool plugged)> plugChanged;
        std::function<void(std::string_view)> logged; // bad frames and the like
    };

    // The state file is saved at once at the end of a transfer, otherwise when
    // no change came for `kStateSaveDelay` (at most `kStateSaveLatest` after
    // the first unsaved one), and on destruction.
    static constexpr std::chrono::milliseconds kStateSaveDelay{100};
    static constexpr std::chrono::milliseconds kStateSaveLatest{1000};

    SimulatedMouse() = default;
    ~SimulatedMouse();
    SimulatedMouse(const SimulatedMouse&) = delete;
    SimulatedMouse& operator=(const SimulatedMouse&) = delete;

    void setObserver(Observer observer);

    // Host to mouse. Reports shorter than their content are taken as far as
    // they go; nothing is done while the mouse is unplugged.
    void setFeature(std::span<const std::uint8_t> report);
    // Fills the report with the answer frame (zeros when there is none).
    void getFeature(std::span<std::uint8_t> report);
    void writeOutput(std::span<const std::uint8_t> report);

    // Mouse to host.
    std::optional<Report> takeInput(SimCollection collection);
    bool hasInput(SimCollection collection) const;
    // Queues listener input report 6 with the type in byte 1, the value in byte 3.
    void raiseEvent(std::uint8_t type, std::uint8_t value);

    bool plugged() const;
    void unplug();
    void plug();

    // One --sim-control line; false with `error` when it is not understood.
    bool handleControlLine(std::string_view line, std::string& error);

    SimMouseState state() const;
    void setState(const SimMouseState& state);
    // Loads the state from the file if it exists and keeps it there: at once
    // after the last command of an Apply (key matrix 4) and after setState,
    // otherwise `kStateSaveDelay` after a change. Every save replaces the file
    // whole, so a crash loses at most the newest changes, never the file. A
    // damaged file is reported and neither loaded nor overwritten (the mouse
    // then keeps its state only in memory).
    bool attachStateFile(const std::filesystem::path& file, std::string& error);
    // Saves a change that is still waiting for its timer.
    void flushState();
    // Takes the state file's content as the state (another program may have
    // written the file meanwhile, under the transfer lock); a change still
    // waiting for its timer is dropped. A missing or damaged file changes
    // nothing.
    void reloadStateFile();
    void setStateSaveDelay(std::chrono::milliseconds delay);

    std::vector<std::string> log() const;

private:
    enum class BulkTarget { None, DpiColours, DpiStages, KeyMatrix, MacroSlot };
    struct PendingWrite {
        BulkTarget target = BulkTarget::None;
        std::size_t index = 0;
        std::size_t length = 0; // announced bytes
        std::size_t chunksExpected = 0;
        std::vector<std::uint8_t> data;
    };
    // What a change under the lock leaves for the caller to do after unlocking.
    struct Effects {
        bool stateChanged = false;
        bool transferEnded = false; // save now instead of on the timer
        std::vector<SimCollection> inputQueued;
        std::optional<bool> plugChanged;
        std::vector<std::string> logLines;
    };

    void handleFrame(const CommandFrame& frame, Effects& effects);
    void commitBulk(Effects& effects);
    void logLocked(std::string line, Effects& effects);
    void finish(Effects effects);
    void saveState();
    void scheduleSaveLocked();
    void saverMain();

    mutable std::mutex mutex_;
    SimMouseState state_;
    bool plugged_ = true;
    std::optional<CommandFrame> answer_;
    std::optional<std::uint8_t> slotToSend_; // chunks follow the 0x93 answer
    PendingWrite pending_;
    std::deque<Report> commandInput_;
    std::deque<Report> listenerInput_;
    std::vector<std::string> log_;
    std::optional<std::filesystem::path> stateFile_;
    Observer observer_;

    // Deferred saves: the saver thread starts with the first deferred change.
    bool saveDirty_ = false;
    bool stopSaver_ = false;
    std::chrono::milliseconds saveDelay_ = kStateSaveDelay;
    std::chrono::steady_clock::time_point saveDue_;
    std::chrono::steady_clock::time_point saveLatest_;
    std::condition_variable saveWake_;
    std::mutex saveMutex_; // one save at a time, in the order of the snapshots
    std::thread saver_;
};

} // namespace pelmora::sim
