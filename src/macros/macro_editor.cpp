#include "macros/macro_editor.h"

#include "macros/macro_item.h"
#include "settings/shell_messages.h"

#include <map>

namespace pelmora {

namespace {

// The first `limit` characters of a UTF-8 text.
std::string firstCharacters(std::string_view s, std::size_t limit) {
    std::size_t pos = 0;
    for (std::size_t count = 0; pos < s.size() && count < limit; ++count) {
        ++pos;
        while (pos < s.size() && (static_cast<unsigned char>(s[pos]) & 0xC0) == 0x80) {
            ++pos;
        }
    }
    return std::string(s.substr(0, pos));
}

// The loop field's number: 1..65535, anything else none.
std::optional<long> loopValue(std::string_view text) {
    long value = 0;
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        value = value * 10 + (text[i] - '0');
        if (value > 65535) {
            return std::nullopt;
        }
    }
    if (!digits || value < 1) {
        return std::nullopt;
    }
    return value;
}

std::string replaced(std::string_view s, std::string_view what, std::string_view by) {
    std::string result(s);
    const std::size_t at = result.find(what);
    if (at != std::string::npos) {
        result.replace(at, what.size(), by);
    }
    return result;
}

constexpr std::string_view kClickMark = " Click";

} // namespace

void MacroEditor::load(MessageSink& messages) {
    std::string error;
    names_ = store_.names(&error);
    if (!error.empty()) {
        messages.showMessage(error, kWarningCaption);
    }
    selectedMacro_.reset();
    selectedEvent_.reset();
    events_.clear();
    if (names_.empty()) {
        nameField_.clear();
        setLoopField("", messages);
        return;
    }
    const StoredMacro first = store_.load(names_.front());
    nameField_ = names_.front();
    setLoopField(first.loopText, messages);
    events_ = first.items;
    selectedMacro_ = 0;
    showSlotLoopCount(0, messages);
}

void MacroEditor::showSlotLoopCount(std::size_t slot, MessageSink& messages) {
    if (slot >= macroData_.size()) {
        return;
    }
    // A slot with loop count 0 was never filled from this macro (config.bin
    // older than record.ini): the file's count stands rather than being
    // overwritten with 1.
    const MacroSlot& data = macroData_[slot];
    const int loops = (data[0] << 8) | data[1];
    if (loops != 0) {
        setLoopField(std::to_string(loops), messages);
    }
}

void MacroEditor::setNameField(std::string_view text) {
    nameField_ = firstCharacters(text, kMaxMacroNameLength);
}

void MacroEditor::setLoopField(std::string_view text, MessageSink& messages) {
    const std::optional<long> parsed = loopValue(text);
    loopField_ = parsed ? std::string(text) : "1";
    const long value = parsed.value_or(1);
    if (!selectedMacro_) {
        return;
    }
    const std::size_t slot = *selectedMacro_;
    if (slot < macroData_.size()) {
        macroData_[slot][0] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
        macroData_[slot][1] = static_cast<std::uint8_t>(value & 0xFF);
    }
    std::string error;
    if (!store_.setLoopCount(names_[slot], value, error)) {
        messages.showMessage(error, kWarningCaption);
    }
}

void MacroEditor::selectMacro(std::size_t index, MessageSink& messages) {
    if (index >= names_.size()) {
        return;
    }
    selectedMacro_ = index;
    selectedEvent_.reset();
    nameField_ = names_[index];
    const StoredMacro stored = store_.load(names_[index]);
    setLoopField(stored.loopText, messages);
    events_ = stored.items;
    if (!stored.items.empty()) {
        showSlotLoopCount(index, messages);
    }
}

void MacroEditor::selectEvent(std::optional<std::size_t> line) {
    selectedEvent_ = line && *line < events_.size() ? line : std::nullopt;
}

bool MacroEditor::newMacro(MessageSink& messages) {
    if (nameField_.empty()) {
        messages.showMessage(text(TextId::MacroNameBlank), kAppName);
        return false;
    }
    // A name record.ini cannot hold as it stands would come back different.
    if (const std::string problem = macroNameProblem(nameField_); !problem.empty()) {
        messages.showMessage(problem, kWarningCaption);
        return false;
    }
    if (names_.size() >= kMaxMacroCount) {
        messages.showMessage(kMacroLimitText, kWarningCaption);
        return false;
    }
    // The file takes "abc" and "ABC" for one macro.
    if (macroNameTaken(names_, nameField_)) {
        messages.showMessage(text(TextId::MacroNameExists), kAppName);
        return false;
    }
    names_.push_back(nameField_);
    events_.clear();
    selectedEvent_.reset();
    selectedMacro_ = names_.size() - 1;
    return true;
}

bool MacroEditor::deleteMacro(MessageSink& messages) {
    if (names_.empty() || !selectedMacro_) {
        return false;
    }
    const std::string name = names_[*selectedMacro_];
    names_.erase(names_.begin() + static_cast<std::ptrdiff_t>(*selectedMacro_));
    selectedMacro_.reset();
    selectedEvent_.reset();
    events_.clear();
    nameField_.clear();
    std::string error;
    if (!store_.remove(name, error)) {
        messages.showMessage(error, kWarningCaption);
    }
    return true;
}

bool MacroEditor::confirm(MessageSink& messages) {
    if (!selectedMacro_) {
        return false;
    }
    const std::size_t slot = *selectedMacro_;
    if (events_.empty()) {
        if (slot < macroData_.size()) {
            macroData_[slot].fill(0);
        }
        return true;
    }
    const std::string& name = names_[slot];
    std::string error;
    const std::string loopText = std::to_string(loopCountFromText(loopField_));
    if (!store_.save(name, loopText, events_, error)) {
        messages.showMessage(error, kWarningCaption);
        messages.showMessage(notSavedText(store_.file(), error, language_), kAppName);
        return false;
    }
    MacroEncodeReport report;
    if (!encodeMacros(store_.file(), macroData_, report, error)) {
        messages.showMessage(error, kWarningCaption);
        return false;
    }
    // Events that did not fit a slot, counted per macro.
    std::map<std::size_t, std::pair<std::string, std::size_t>> dropped;
    for (const DroppedMacroEvent& event : report.droppedEvents) {
        auto& entry = dropped[event.slot];
        entry.first = event.macroName;
        ++entry.second;
    }
    for (const auto& [droppedSlot, entry] : dropped) {
        messages.showMessage(std::to_string(entry.second) + " event(s) of macro \"" + entry.first +
                                 "\" do not fit its 128-byte slot and are not sent to the mouse.",
                             kWarningCaption);
    }
    if (slot >= kMacroSlotCount) {
        messages.showMessage("Macro \"" + name +
                                 "\" is saved, but only the first 12 macros are sent to the mouse.",
                             kWarningCaption);
    }
    return true;
}

void MacroEditor::insertAt(std::size_t pos, std::vector<std::string> items,
                           std::optional<std::size_t> select) {
    events_.insert(events_.begin() + static_cast<std::ptrdiff_t>(pos),
                   std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    if (select) {
        selectedEvent_ = pos + *select;
    }
}

void MacroEditor::insertMouseEvent(std::string_view entry) {
    const bool click = entry.find(kClickMark) != std::string_view::npos;
    const std::string press = click ? replaced(entry, kClickMark, kPressMark) : std::string(entry);
    const std::string release = replaced(entry, kClickMark, kReleaseMark);
    const std::string delay = delayItem(kRecordedDelayMs);
    if (!selectedEvent_ || *selectedEvent_ >= events_.size()) {
        if (events_.empty() && selectedMacro_) {
            if (click) {
                insertAt(0, {press, delay, release, delay}, std::nullopt);
            } else {
                insertAt(0, {press, delay}, std::nullopt);
            }
        }
        return;
    }
    const std::size_t after = *selectedEvent_ + 1;
    if (isDelayLine(*selectedEvent_)) {
        if (click) {
            insertAt(after, {press, delay, release, delay}, 0);
        } else {
            insertAt(after, {press, delay}, 0);
        }
    } else if (click) {
        insertAt(after, {delay, press, delay, release}, 1);
    } else {
        insertAt(after, {delay, press}, 1);
    }
}

bool MacroEditor::isDelayLine(std::size_t line) const {
    return line < events_.size() && parseItem(events_[line]).kind == ItemKind::Delay;
}

void MacroEditor::setDelay(std::size_t line, int value, std::string_view valueText) {
    if (!isDelayLine(line)) {
        return;
    }
    // A negative number is a huge one to the mouse's rule as well.
    events_[line] = static_cast<unsigned>(value) > kMaxEditedDelayMs
                        ? delayItem(kOverlongDelayMs)
                        : std::string(valueText) + std::string(kDelayMark);
    selectedEvent_ = line;
}

void MacroEditor::deleteSelectedEvent() {
    if (!selectedEvent_ || *selectedEvent_ >= events_.size()) {
        return;
    }
    events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(*selectedEvent_));
    selectedEvent_.reset();
}

void MacroEditor::clearEvents() {
    events_.clear();
    selectedEvent_.reset();
}

void MacroEditor::appendEvents(const std::vector<std::string>& items) {
    events_.insert(events_.end(), items.begin(), items.end());
    if (!events_.empty() && !items.empty()) {
        selectedEvent_ = events_.size() - 1;
    }
}

} // namespace pelmora
