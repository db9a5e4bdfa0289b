#include "device/sim/simulated_mouse.h"

#include "base/atomic_file.h"
#include "base/hex_text.h"
#include "device/device_event.h"
#include "device/sim/sim_control.h"
#include "device/sim/sim_state_json.h"

#include <algorithm>
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

void SimulatedMouse::takeOutcome(SimFirmware::Outcome outcome, Effects& effects) {
    for (auto& line : outcome.log) {
        logLocked(std::move(line), effects);
    }
    effects.stateChanged = effects.stateChanged || outcome.stateChanged;
    effects.transferEnded = effects.transferEnded || outcome.transferEnded;
}

void SimulatedMouse::finish(Effects effects) {
    Observer observer;
    bool keeping = false; // a state file to save to
    {
        std::lock_guard lock(mutex_);
        observer = observer_;
        keeping = stateFile_.has_value();
    }
    if (keeping && effects.transferEnded) {
        saver_.saveNow();
    } else if (keeping && effects.stateChanged) {
        saver_.changed();
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
            commandInput_.clear(); // a new frame ends whatever was under way
            SimFirmware::Outcome outcome;
            firmware_.receiveFrame(frame, outcome);
            takeOutcome(std::move(outcome), effects);
        }
    }
    finish(std::move(effects));
}

void SimulatedMouse::getFeature(std::span<std::uint8_t> report) {
    std::fill(report.begin(), report.end(), 0);
    Effects effects;
    {
        std::lock_guard lock(mutex_);
        std::vector<SimFirmware::Chunk> chunks;
        const auto answer = plugged_ ? firmware_.takeAnswer(chunks) : std::nullopt;
        if (!answer) {
            return;
        }
        if (report.size() > 1) {
            std::copy_n(answer->begin(), std::min(kFrameSize, report.size() - 1),
                        report.begin() + 1);
        }
        for (const auto& chunk : chunks) {
            Report input(kSimCommandInputLength, 0);
            std::copy(chunk.begin(), chunk.end(), input.begin() + 1);
            commandInput_.push_back(std::move(input));
        }
        if (!chunks.empty()) {
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
        SimFirmware::Chunk chunk{};
        if (report.size() > 1) {
            std::copy_n(report.begin() + 1, std::min(kChunkSize, report.size() - 1), chunk.begin());
        }
        SimFirmware::Outcome outcome;
        firmware_.receiveChunk(chunk, outcome);
        takeOutcome(std::move(outcome), effects);
    }
    finish(std::move(effects));
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
            report[0] = kListenerEventReportId;
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
        firmware_.reset();
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
    return firmware_.state();
}

void SimulatedMouse::setState(const SimMouseState& state) {
    {
        std::lock_guard lock(mutex_);
        firmware_.state() = state;
    }
    saver_.saveNow();
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
        if (!simStateFromJson(text, firmware_.state(), error)) {
            error = "the simulated mouse's state " + file.string() + " is damaged: " + error;
            return false;
        }
        upToDate = text == simStateToJson(firmware_.state());
    }
    {
        std::lock_guard lock(mutex_);
        stateFile_ = file;
    }
    if (!upToDate) {
        saver_.saveNow();
    }
    return true;
}

void SimulatedMouse::flushState() {
    saver_.flush();
}

void SimulatedMouse::reloadStateFile() {
    saver_.replaceUnsaved([this] {
        std::optional<std::filesystem::path> file;
        SimMouseState loaded;
        {
            std::lock_guard lock(mutex_);
            file = stateFile_;
            loaded = firmware_.state();
        }
        std::string text;
        std::string error;
        if (!file || !readWholeFile(*file, text, error) || !simStateFromJson(text, loaded, error)) {
            return false;
        }
        std::lock_guard lock(mutex_);
        firmware_.state() = loaded;
        return true;
    });
}

void SimulatedMouse::setStateSaveDelay(std::chrono::milliseconds delay) {
    saver_.setDelay(delay);
}

void SimulatedMouse::saveState() {
    std::optional<std::filesystem::path> file;
    std::string json;
    {
        std::lock_guard lock(mutex_);
        file = stateFile_;
        if (!file) {
            return;
        }
        json = simStateToJson(firmware_.state());
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
