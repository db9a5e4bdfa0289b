#include "device/sim/simulated_mouse.h"

#include "base/atomic_file.h"
#include "base/hex_text.h"
#include "device/sim/sim_control.h"
#include "device/sim/sim_state_json.h"

#include <algorithm>
#include <csignal>
#include <pthread.h>
#include <system_error>

namespace pelmora::sim {

void SimulatedMouse::setObserver(Observer observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void SimulatedMouse::logLocked(std::string line, Effects& effects) {
    log_.push_back(line);
    effects.logLines.push_back(std::move(line));
}

void SimulatedMouse::finish(Effects effects) {
    Observer observer;
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
    }
    if (effects.transferEnded) {
        saveState();
    } else if (effects.stateChanged) {
        std::lock_guard lock(mutex_);
        scheduleSaveLocked();
    }
    for (const auto& line : effects.logLines) {
        if (observer.logged) {
            observer.logged(line);
        }
    }
    if (effects.plugChanged && observer.plugChanged) {
        observer.plugChanged(*effects.plugChanged);
    }
    for (SimCollection collection : effects.inputQueued) {
        if (observer.inputQueued) {
            observer.inputQueued(collection);
        }
    }
}

void SimulatedMouse::setFeature(std::span<const std::uint8_t> report) {
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) {
            return;
        }
        CommandFrame frame{};
        if (report.size() > 1) {
            std::copy_n(report.begin() + 1, std::min(kFrameSize, report.size() - 1), frame.begin());
        }
        if (report.empty() || report[0] != 0 || !checksumValid(frame)) {
            logLocked("ignored a frame with a bad checksum or report ID: " + toHex(report),
                      effects);
        } else {
            handleFrame(frame, effects);
        }
    }
    finish(std::move(effects));
}

void SimulatedMouse::handleFrame(const CommandFrame& f, Effects& effects) {
    // A new frame ends whatever was under way.
    answer_.reset();
    slotToSend_.reset();
    commandInput_.clear();
    if (pending_.target != BulkTarget::None) {
        logLocked("a new frame arrived before all chunks of the last one", effects);
        pending_ = {};
    }
    auto expectBulk = [this](BulkTarget target, std::size_t index, std::size_t length) {
        pending_ = {target, index, length, chunkCount(length), {}};
        if (pending_.chunksExpected == 0) {
            pending_ = {};
        }
    };
    switch (f[0]) {
    case 0x01:
        state_.reportInterval = f[1];
        effects.stateChanged = true;
        break;
    case 0x03:
        state_.sensorType = f[1];
        state_.reportRate = f[2];
        state_.option1 = f[3];
        state_.option2 = f[4];
        effects.stateChanged = true;
        break;
    case 0x83:
        answer_ =
            makeFrame(0x83, state_.sensorType, state_.reportRate, state_.option1, state_.option2);
        break;
    case 0x07:
        if (f[1] <= 1) {
            auto& page = f[1] == 0 ? state_.colourPage0 : state_.colourPage1;
            page = {f[2], f[3], f[4]};
            effects.stateChanged = true;
        }
        break;
    case 0x87: {
        std::array<std::uint8_t, 3> page{};
        if (f[1] <= 1) {
            page = f[1] == 0 ? state_.colourPage0 : state_.colourPage1;
        }
        answer_ = makeFrame(0x87, f[1], page[0], page[1], page[2]);
        break;
    }
    case 0x0D:
        state_.effect = f[1];
        state_.effectOption1 = f[2];
        state_.effectOption2 = f[3];
        effects.stateChanged = true;
        break;
    case 0x8D:
        answer_ = makeFrame(0x8D, state_.effect, state_.effectOption1, state_.effectOption2);
        break;
    case 0x10:
        if (f[1] == 1) {
            expectBulk(BulkTarget::DpiColours, 0, f[2]);
        }
        break;
    case 0x11:
        expectBulk(BulkTarget::DpiStages, 0, f[2]);
        break;
    case 0x12:
        if (f[1] >= 1 && f[1] <= 4) {
            expectBulk(BulkTarget::KeyMatrix, f[1] - 1u, f[2]);
        }
        break;
    case 0x13:
        if (f[1] >= 1 && f[1] <= kMacroSlotCount) {
            expectBulk(BulkTarget::MacroSlot, f[1] - 1u, f[2]);
        }
        break;
    case 0x93:
        if (f[1] >= 1 && f[1] <= kMacroSlotCount) {
            answer_ = makeFrame(0x93, f[1], static_cast<std::uint8_t>(kMacroSlotSize));
            slotToSend_ = f[1];
        } else {
            answer_ = makeFrame(0x93, f[1], 0);
        }
        break;
    default:
        logLocked("ignored unknown command " + toHex(f), effects);
        break;
    }
}

void SimulatedMouse::getFeature(std::span<std::uint8_t> report) {
    std::fill(report.begin(), report.end(), 0);
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_ || !answer_) {
            return;
        }
        if (report.size() > 1) {
            std::copy_n(answer_->begin(), std::min(kFrameSize, report.size() - 1),
                        report.begin() + 1);
        }
        answer_.reset();
        if (slotToSend_) {
            const auto& slot = state_.macroSlots[*slotToSend_ - 1u];
            for (std::size_t k = 0; k < kMacroSlotSize / kChunkSize; ++k) {
                Report chunk(kSimCommandInputLength, 0);
                std::copy_n(slot.begin() + static_cast<std::ptrdiff_t>(k * kChunkSize), kChunkSize,
                            chunk.begin() + 1);
                commandInput_.push_back(std::move(chunk));
            }
            slotToSend_.reset();
            effects.inputQueued.push_back(SimCollection::Command);
        }
    }
    finish(std::move(effects));
}

void SimulatedMouse::writeOutput(std::span<const std::uint8_t> report) {
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) {
            return;
        }
        if (pending_.target == BulkTarget::None) {
            logLocked("ignored a chunk no command announced", effects);
        } else {
            std::array<std::uint8_t, kChunkSize> chunk{};
            if (report.size() > 1) {
                std::copy_n(report.begin() + 1, std::min(kChunkSize, report.size() - 1),
                            chunk.begin());
            }
            pending_.data.insert(pending_.data.end(), chunk.begin(), chunk.end());
            if (pending_.data.size() >= pending_.chunksExpected * kChunkSize) {
                commitBulk(effects);
            }
        }
    }
    finish(std::move(effects));
}

void SimulatedMouse::commitBulk(Effects& effects) {
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
        effects.transferEnded = pending_.index + 1 == state_.keyMatrices.size();
        break;
    case BulkTarget::MacroSlot:
        store(state_.macroSlots[pending_.index]);
        break;
    case BulkTarget::None:
        break;
    }
    pending_ = {};
    effects.stateChanged = true;
}

std::optional<Report> SimulatedMouse::takeInput(SimCollection collection) {
    std::lock_guard lock(mutex_);
    auto& queue = collection == SimCollection::Command ? commandInput_ : listenerInput_;
    if (!plugged_ || queue.empty()) {
        return std::nullopt;
    }
    Report report = std::move(queue.front());
    queue.pop_front();
    return report;
}

bool SimulatedMouse::hasInput(SimCollection collection) const {
    std::lock_guard lock(mutex_);
    return plugged_ &&
           !(collection == SimCollection::Command ? commandInput_ : listenerInput_).empty();
}

void SimulatedMouse::raiseEvent(std::uint8_t type, std::uint8_t value) {
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) {
            logLocked("no event while unplugged", effects);
        } else {
            Report report(kSimListenerInputLength, 0);
            report[0] = kListenerReportId;
            report[1] = type;
            report[3] = value;
            listenerInput_.push_back(std::move(report));
            effects.inputQueued.push_back(SimCollection::Listener);
        }
    }
    finish(std::move(effects));
}

bool SimulatedMouse::plugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

void SimulatedMouse::unplug() {
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        if (!plugged_) {
            return;
        }
        plugged_ = false;
        answer_.reset();
        slotToSend_.reset();
        pending_ = {};
        commandInput_.clear();
        listenerInput_.clear();
        effects.plugChanged = false;
    }
    finish(std::move(effects));
}

void SimulatedMouse::plug() {
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        if (plugged_) {
            return;
        }
        plugged_ = true;
        effects.plugChanged = true;
    }
    finish(std::move(effects));
}

bool SimulatedMouse::handleControlLine(std::string_view line, std::string& error) {
    const auto command = parseSimControlLine(line, error);
    if (!command) {
        return false;
    }
    switch (command->kind) {
    case SimControlCommand::Kind::Event:
        raiseEvent(command->type, command->value);
        break;
    case SimControlCommand::Kind::Unplug:
        unplug();
        break;
    case SimControlCommand::Kind::Plug:
        plug();
        break;
    }
    return true;
}

SimMouseState SimulatedMouse::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void SimulatedMouse::setState(const SimMouseState& state) {
    {
        std::lock_guard lock(mutex_);
        state_ = state;
    }
    saveState();
}

bool SimulatedMouse::attachStateFile(const std::filesystem::path& file, std::string& error) {
    std::error_code ec;
    bool upToDate = false; // the file already holds exactly what would be saved
    if (std::filesystem::exists(file, ec)) {
        std::string text;
        if (!readWholeFile(file, text, error)) {
            error = "cannot read the simulated mouse's state " + file.string() + ": " + error;
            return false;
        }
        std::lock_guard lock(mutex_);
        if (!simStateFromJson(text, state_, error)) {
            error = "the simulated mouse's state " + file.string() + " is damaged: " + error;
            return false;
        }
        upToDate = text == simStateToJson(state_);
    }
    {
        std::lock_guard lock(mutex_);
        stateFile_ = file;
    }
    if (!upToDate) {
        saveState();
    }
    return true;
}

SimulatedMouse::~SimulatedMouse() {
    {
        std::lock_guard lock(mutex_);
        stopSaver_ = true;
    }
    saveWake_.notify_all();
    if (saver_.joinable()) {
        saver_.join();
    }
    flushState();
}

void SimulatedMouse::flushState() {
    bool dirty = false;
    {
        std::lock_guard lock(mutex_);
        dirty = saveDirty_;
    }
    if (dirty) {
        saveState();
    }
}

void SimulatedMouse::reloadStateFile() {
    std::lock_guard saving(saveMutex_);
    std::optional<std::filesystem::path> file;
    SimMouseState loaded;
    {
        std::lock_guard lock(mutex_);
        file = stateFile_;
        loaded = state_;
    }
    std::string text;
    std::string error;
    if (!file || !readWholeFile(*file, text, error) || !simStateFromJson(text, loaded, error)) {
        return;
    }
    std::lock_guard lock(mutex_);
    state_ = loaded;
    saveDirty_ = false;
}

void SimulatedMouse::setStateSaveDelay(std::chrono::milliseconds delay) {
    std::lock_guard lock(mutex_);
    saveDelay_ = delay;
}

void SimulatedMouse::scheduleSaveLocked() {
    if (!stateFile_) {
        return;
    }
    // Each change of a batch (the commands of a transfer come every few
    // milliseconds) puts the save back, but never beyond `kStateSaveLatest`
    // after the first unsaved change, so a steady stream is still saved.
    const auto now = std::chrono::steady_clock::now();
    if (!saveDirty_) {
        saveDirty_ = true;
        saveLatest_ = now + std::max(saveDelay_, std::chrono::milliseconds(kStateSaveLatest));
    }
    saveDue_ = std::min(now + saveDelay_, saveLatest_);
    if (!saver_.joinable() && !stopSaver_) {
        saver_ = std::thread([this] { saverMain(); });
    }
    saveWake_.notify_all();
}

void SimulatedMouse::saverMain() {
    // Signals belong to the threads that wait for them.
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, nullptr);
    std::unique_lock lock(mutex_);
    while (!stopSaver_) {
        if (!saveDirty_) {
            saveWake_.wait(lock);
            continue;
        }
        const auto due = saveDue_;
        if (saveWake_.wait_until(lock, due, [this] { return stopSaver_ || !saveDirty_; }) ||
            saveDue_ > due) {
            continue; // stopping (the destructor saves), already saved, or put back
        }
        lock.unlock();
        saveState();
        lock.lock();
    }
}

void SimulatedMouse::saveState() {
    std::lock_guard saving(saveMutex_);
    std::optional<std::filesystem::path> file;
    std::string json;
    {
        std::lock_guard lock(mutex_);
        file = stateFile_;
        saveDirty_ = false;
        if (!file) {
            return;
        }
        json = simStateToJson(state_);
    }
    std::string error;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(json.data());
    if (!replaceFileAtomically(*file, std::span<const std::uint8_t>(bytes, json.size()), error)) {
        Effects effects;
        {
            std::lock_guard lock(mutex_);
            logLocked("cannot save the state: " + error, effects);
        }
        Observer observer;
        {
            std::lock_guard lock(mutex_);
            observer = observer_;
        }
        if (observer.logged) {
            observer.logged(effects.logLines.front());
        }
    }
}

std::vector<std::string> SimulatedMouse::log() const {
    std::lock_guard lock(mutex_);
    return log_;
}

} // namespace pelmora::sim
