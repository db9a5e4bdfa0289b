#pragma once
// When the simulated mouse saves its state file: at once when asked, else
// on a thread of its own a moment after the last change of a batch (each
// change puts the save back, never beyond `kLatest` after the first unsaved
// one, so a steady stream is still saved), and on destruction.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace pelmora::sim {

class SimStateSaver {
public:
    static constexpr std::chrono::milliseconds kDelay{100};
    static constexpr std::chrono::milliseconds kLatest{1000};

    // `save` snapshots the state and writes it; it is never run twice at once.
    explicit SimStateSaver(std::function<void()> save) : save_(std::move(save)) {}
    // Stops the thread, then saves a change that is still waiting.
    ~SimStateSaver();
    SimStateSaver(const SimStateSaver&) = delete;
    SimStateSaver& operator=(const SimStateSaver&) = delete;

    // A change: saved `delay` after the last one (the thread starts with the first).
    void changed();
    // Saves now (also what is waiting).
    void saveNow();
    // Saves a change that is still waiting for its timer.
    void flush();
    void setDelay(std::chrono::milliseconds delay);
    // Runs `replace` between saves; when it returns true (it replaced the
    // state with what the file holds), a change still waiting is dropped.
    void replaceUnsaved(const std::function<bool()>& replace);

private:
    void run();

    std::function<void()> save_;
    std::mutex mutex_;
    bool dirty_ = false;
    bool stop_ = false;
    std::chrono::milliseconds delay_ = kDelay;
    std::chrono::steady_clock::time_point due_;
    std::chrono::steady_clock::time_point latest_;
    std::condition_variable wake_;
    std::mutex saving_; // one save at a time, in the order of the snapshots
    std::thread thread_;
};

} // namespace pelmora::sim
