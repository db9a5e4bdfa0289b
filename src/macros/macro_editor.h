#pragma once
// The macro editor of the advanced page without its window: the list of
// macro names (store order, so a list index is a slot index), the name and
// loop fields, the event list of the macro being edited and its selected
// line, and what New, Delete, Confirm, inserting a mouse event and editing a
// delay do to record.ini and to `macroData`. The page draws this state and
// forwards the user's actions; messages go to a MessageSink.
//
// On the map (docs/ARCHITECTURE.md): src/macros, above src/keys; the advanced
// page's macro part draws it, pelmora-cli's macro commands edit it too.

#include "macros/macro_encoder.h"
#include "macros/macro_store.h"
#include "settings/interface_texts.h"
#include "settings/message_sink.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The entries of the mouse event list, in the order it offers them.
inline constexpr std::array<std::string_view, 9> kMouseEventEntries = {
    "L-Button Click", "R-Button Click", "M-Button Click", "L-Button   Dn", "L-Button   Up",
    "R-Button   Dn",  "R-Button   Up",  "M-Button   Dn",  "M-Button   Up"};

// A delay line longer than this many milliseconds becomes "10 ms".
inline constexpr unsigned kMaxEditedDelayMs = 10000;
// ... and the delay it becomes.
inline constexpr int kOverlongDelayMs = 10;

class MacroEditor {
public:
    MacroEditor(MacroStore store, MacroSlots& macroData, Language language)
        : store_(std::move(store)), macroData_(macroData), language_(language) {}

    // Building the macro area: every name of record.ini, the first one
    // selected with its items, the loop field from slot 0.
    void load(MessageSink& messages);

    const std::vector<std::string>& names() const { return names_; }
    std::optional<std::size_t> selectedMacro() const { return selectedMacro_; }
    const std::string& nameField() const { return nameField_; }
    const std::string& loopField() const { return loopField_; }
    const std::vector<std::string>& events() const { return events_; }
    std::optional<std::size_t> selectedEvent() const { return selectedEvent_; }

    // The user typed into the name field; it keeps at most 31 characters.
    void setNameField(std::string_view text);
    // Every change of the loop field: 0, text without digits and anything
    // above 65535 become "1"; the value goes to the selected macro's slot
    // and to record.ini at once.
    void setLoopField(std::string_view text, MessageSink& messages);

    // A selection in the macro-name list.
    void selectMacro(std::size_t index, MessageSink& messages);
    // The line under the mouse or clicked in the event list (none: nullopt).
    void selectEvent(std::optional<std::size_t> line);

    // The buttons. New adds the typed name to the list only; Delete removes
    // the selected macro from the list and the file; Confirm saves the
    // selected macro and rebuilds all of `macroData` from the file (an empty
    // event list clears the macro's slot and writes nothing).
    bool newMacro(MessageSink& messages);
    bool deleteMacro(MessageSink& messages);
    bool confirm(MessageSink& messages);

    // A choice in the mouse event list ("L-Button Click" adds a press and a
    // release), inserted after the selected line.
    void insertMouseEvent(std::string_view entry);
    // True when the line is a delay the delay dialog may edit.
    bool isDelayLine(std::size_t line) const;
    // The delay dialog ended with OK on a delay line.
    void setDelay(std::size_t line, int value, std::string_view valueText);
    // The context menu's "Delete": removes the selected event line.
    void deleteSelectedEvent();

    // Recording: a new recording clears the list; recorded items go to its end.
    void clearEvents();
    void appendEvents(const std::vector<std::string>& items);

private:
    void showSlotLoopCount(std::size_t slot, MessageSink& messages);
    void insertAt(std::size_t pos, std::vector<std::string> items,
                  std::optional<std::size_t> select);
    std::string_view text(TextId id) const { return pelmora::text(id, language_); }

    MacroStore store_;
    MacroSlots& macroData_;
    Language language_;
    std::vector<std::string> names_;
    std::optional<std::size_t> selectedMacro_;
    std::string nameField_;
    std::string loopField_;
    std::vector<std::string> events_;
    std::optional<std::size_t> selectedEvent_;
};

} // namespace pelmora
