#include "device/sim/sim_state_saver.h"

#include "base/signal_watch.h"

#include <algorithm>

namespace pelmora::sim {

SimStateSaver::~SimStateSaver() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
    flush();
}

void SimStateSaver::changed() {
    std::lock_guard lock(mutex_);
    const auto now = std::chrono::steady_clock::now();
    if (!dirty_) {
        dirty_ = true;
        latest_ = now + std::max(delay_, kLatest);
    }
    due_ = std::min(now + delay_, latest_);
    if (!thread_.joinable() && !stop_) {
        thread_ = std::thread([this] { run(); });
    }
    wake_.notify_all();
}

void SimStateSaver::saveNow() {
    std::lock_guard saving(saving_);
    {
        std::lock_guard lock(mutex_);
        dirty_ = false; // a change from here on is in this snapshot or saved again
    }
    save_();
}

void SimStateSaver::flush() {
    bool dirty = false;
    {
        std::lock_guard lock(mutex_);
        dirty = dirty_;
    }
    if (dirty) {
        saveNow();
    }
}

void SimStateSaver::setDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    delay_ = delay;
}

void SimStateSaver::replaceUnsaved(const std::function<bool()>& replace) {
    std::lock_guard saving(saving_);
    if (replace()) {
        std::lock_guard lock(mutex_);
        dirty_ = false;
    }
}

void SimStateSaver::run() {
    // Signals belong to the threads that wait for them.
    blockSignalsInThisThread();
    std::unique_lock lock(mutex_);
    while (!stop_) {
        if (!dirty_) {
            wake_.wait(lock);
            continue;
        }
        const auto due = due_;
        if (wake_.wait_until(lock, due, [this] { return stop_ || !dirty_; }) || due_ > due) {
            continue; // stopping (the destructor saves), already saved, or put back
        }
        lock.unlock();
        saveNow();
        lock.lock();
    }
}

} // namespace pelmora::sim
