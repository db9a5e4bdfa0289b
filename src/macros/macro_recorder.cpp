#include "macros/macro_recorder.h"

#include "macros/macro_item.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace pelmora {

namespace {

std::string cutKeyName(std::string_view name) {
    std::size_t pos = 0;
    std::size_t count = 0;
    while (pos < name.size() && count < kMaxKeyNameLength) {
        // Step over one UTF-8 character.
        ++pos;
        while (pos < name.size() && (static_cast<unsigned char>(name[pos]) & 0xC0) == 0x80) {
            ++pos;
        }
        ++count;
    }
    return std::string(name.substr(0, pos));
}

// The keys of the Ctrl+Break combination, by the key-name table's names.
constexpr std::string_view kBreakKey = "Pause";
bool isCtrl(std::string_view name) {
    return name == "Ctrl" || name == "Right Ctrl";
}

void appendTo(RecordedKey& into, RecordedKey&& more) {
    into.appended.insert(into.appended.end(), std::make_move_iterator(more.appended.begin()),
                         std::make_move_iterator(more.appended.end()));
    into.stopped = into.stopped || more.stopped;
}

} // namespace

bool MacroRecorder::ctrlDown() const {
    return heldCtrl_.has_value() || std::any_of(keysDown_.begin(), keysDown_.end(),
                                                [](const std::string& k) { return isCtrl(k); });
}

bool MacroRecorder::start(bool haveMacroNames, MessageSink& messages) {
    if (!haveMacroNames) {
        messages.showMessage(text(TextId::MacroNameBlank, language_), kWarningCaption);
        return false;
    }
    messages.showMessage(text(TextId::StartRecording, language_), kAppName);
    eventCount_ = 0;
    listening_ = true;
    recording_ = true;
    firstEventState_ = FirstEventState::NoEventYet;
    keysDown_.clear();
    heldCtrl_.reset();
    return true;
}

RecordedKey MacroRecorder::keyEvent(std::string_view keyName, bool pressed, bool wasDown,
                                    bool macroSelected, MessageSink& messages) {
    RecordedKey result;
    if (!listening_) {
        return result;
    }
    const std::string name = cutKeyName(keyName);
    if (pressed && name == kBreakKey && ctrlDown()) {
        heldCtrl_.reset();
        stop(messages);
        result.stopped = true;
        return result;
    }
    if (heldCtrl_) {
        if (pressed && name == heldCtrl_->name) {
            return result; // the held Ctrl's auto-repeat
        }
        const HeldPress held = *std::exchange(heldCtrl_, std::nullopt);
        result = takeEvent(held.name, true, false, held.macroSelected, messages);
        if (result.stopped) {
            return result;
        }
    }
    if (pressed && !wasDown && isCtrl(name) && !keysDown_.contains(name)) {
        heldCtrl_ = HeldPress{name, macroSelected};
        return result;
    }
    appendTo(result, takeEvent(name, pressed, wasDown, macroSelected, messages));
    return result;
}

RecordedKey MacroRecorder::takeEvent(const std::string& name, bool pressed, bool wasDown,
                                     bool macroSelected, MessageSink& messages) {
    RecordedKey result;
    // A release of the last pressed key that was not down, and the
    // auto-repeat of a held key, are not events.
    if (name == lastPressedKey_ && (pressed ? wasDown : !wasDown)) {
        return result;
    }
    if (!pressed) {
        const auto down = keysDown_.find(name);
        if (down == keysDown_.end()) {
            return result;
        }
        keysDown_.erase(down);
    } else {
        keysDown_.insert(name);
    }
    ++eventCount_;
    if (eventCount_ > kMaxRecordedEvents) {
        stop(messages);
        result.stopped = true;
        return result;
    }
    if (!macroSelected) {
        return result;
    }
    if (pressed) {
        if (firstEventState_ == FirstEventState::NoEventYet) {
            firstEventState_ = FirstEventState::EventAdded;
        } else {
            result.appended.push_back(delayItem(kRecordedDelayMs));
        }
        result.appended.push_back(pressItem(name));
        lastPressedKey_ = name;
    } else {
        result.appended.push_back(delayItem(kRecordedDelayMs));
        result.appended.push_back(releaseItem(name));
    }
    return result;
}

void MacroRecorder::stop(MessageSink& messages) {
    messages.showMessage(text(TextId::StopRecording, language_), kAppName);
    eventCount_ = 0;
    if (!recording_) {
        messages.showMessage(text(TextId::NotRecordingStopUnneeded, language_), kWarningCaption);
        return;
    }
    if (listening_) {
        listening_ = false;
        firstEventState_ = FirstEventState::Stopped;
    }
    recording_ = false;
}

} // namespace pelmora
