#pragma once
// Recording a macro from the keyboard: key events of the program's own window
// become event items of the macro selected in the editor. Delays are not
// measured; every event after the first is preceded by "50 ms". The window
// feeds the events; this object decides what they add and when recording ends.

#include "settings/interface_texts.h"
#include "settings/message_sink.h"

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// Events 1..64 of a recording are taken; the 65th ends it.
inline constexpr unsigned kMaxRecordedEvents = 64;
// Key names are kept to 31 characters.
inline constexpr std::size_t kMaxKeyNameLength = 31;

enum class FirstEventState { NoEventYet = 0, EventAdded = 1, Stopped = 2 };

struct RecordedKey {
    std::vector<std::string> appended; // items to append to the event list, in order
    bool stopped = false;              // this event ended the recording
};

class MacroRecorder {
public:
    explicit MacroRecorder(Language language) : language_(language) {}

    // The "Start Recording" button. With an empty macro-name list the user is
    // told "Macro name is blank" and nothing starts (false). Otherwise the
    // user sees "Start Recording", and recording begins when that message
    // is closed (true): the caller then clears the event list and shows
    // recordingHint() as the window title.
    bool start(bool haveMacroNames, MessageSink& messages);

    // One key event of the window while the macro area is shown. `wasDown`:
    // the key was down before this event (set for auto-repeat presses and for
    // ordinary releases). A release of a key whose press was not seen since
    // the recording started (the Enter that closed the "Start Recording"
    // box) is not an event.
    // `macroSelected`: a macro is selected in the name list.
    // Ctrl+Break (the Pause key pressed while a Ctrl key is down) stops the
    // recording as the "Stop Recording" button does, and neither key of it
    // is recorded: a Ctrl press is held back until the next event shows
    // whether it begins that combination.
    RecordedKey keyEvent(std::string_view keyName, bool pressed, bool wasDown, bool macroSelected,
                         MessageSink& messages);

    // The "Stop Recording" button (also run by the 65th event).
    void stop(MessageSink& messages);

    // Leaving the advanced page: stops listening without a message.
    void detach() {
        listening_ = false;
        heldCtrl_.reset();
    }

    bool recording() const { return recording_; }
    bool listening() const { return listening_; }
    unsigned eventCount() const { return eventCount_; }
    FirstEventState firstEventState() const { return firstEventState_; }
    std::string_view recordingHint() const { return text(TextId::RecordingStopHint, language_); }

private:
    struct HeldPress {
        std::string name;
        bool macroSelected = false;
    };
    // The event as recorded, once Ctrl+Break has been ruled out.
    RecordedKey takeEvent(const std::string& name, bool pressed, bool wasDown, bool macroSelected,
                          MessageSink& messages);
    bool ctrlDown() const;

    Language language_;
    bool listening_ = false; // key events are taken (the keyboard source is attached)
    bool recording_ = false; // a recording runs
    unsigned eventCount_ = 0;
    FirstEventState firstEventState_ = FirstEventState::NoEventYet;
    std::string lastPressedKey_;
    std::set<std::string, std::less<>> keysDown_; // pressed since the start, not yet released
    std::optional<HeldPress> heldCtrl_;           // a Ctrl press not yet recorded
};

} // namespace pelmora
