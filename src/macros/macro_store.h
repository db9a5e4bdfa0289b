#pragma once
// The macro store: record.ini, one section per macro in macro-number order,
// with the keys "MacroLoopTimes", "ItemCount" and "Item0".."Item<N-1>".
// The store keeps nothing in memory; every operation reads or replaces the file.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class IniFile;

inline constexpr std::size_t kMaxMacroCount = 12;
inline constexpr std::size_t kMaxMacroNameLength = 31; // characters
inline constexpr std::string_view kLoopTimesKey = "MacroLoopTimes";
inline constexpr std::string_view kItemCountKey = "ItemCount";

// "Item<index>".
std::string itemKey(std::size_t index);

// The loop count of a loop text: 1..65535 as typed, anything else 1.
std::uint16_t loopCountFromText(std::string_view text);

// Why `name` cannot be stored as a macro name (empty, more than 31
// characters, a line break, "]", "[" at the start, blanks at either end),
// or empty text when it can.
std::string macroNameProblem(std::string_view name);

// True when the file would take the two names for one macro (its section
// names match without regard to case).
bool sameMacroName(std::string_view a, std::string_view b);
// True when `name` is one of `names` in that sense: the editor's "this name
// already exists".
bool macroNameTaken(const std::vector<std::string>& names, std::string_view name);

// A count above this reads only up to the last item the section holds
// (a damaged "ItemCount" cannot make millions of empty items).
inline constexpr std::size_t kItemCountLimit = 4096;

struct StoredMacro {
    std::string loopText;           // "MacroLoopTimes" as stored ("" when missing)
    long long itemCount = 0;        // "ItemCount" as read (may be negative)
    std::vector<std::string> items; // "Item0".."Item<N-1>", a missing one empty
};

// One macro as `MacroStore::load` reads it, from an already loaded file.
StoredMacro macroFromIni(const IniFile& ini, std::string_view name);

class MacroStore {
public:
    explicit MacroStore(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& file() const { return file_; }
    bool fileExists() const;

    // Every macro name in file order (the first twelve have mouse slots).
    // A missing file gives none; an unreadable one gives none and `error`.
    std::vector<std::string> names(std::string* error = nullptr) const;

    // The loop text and items of a macro; a missing macro or key reads empty.
    // "ItemCount" N is read from its leading digits and gives the items
    // 0..N-1 (a missing one empty, a negative N none); above kItemCountLimit
    // reading stops after the last item the section holds.
    StoredMacro load(std::string_view name) const;

    // Replaces the macro's keys by "MacroLoopTimes", "ItemCount" and the items.
    // An existing section keeps its place; a new one goes to the end.
    bool save(std::string_view name, std::string_view loopText,
              const std::vector<std::string>& items, std::string& error);

    // Writes "MacroLoopTimes" alone (creating the section when needed).
    bool setLoopCount(std::string_view name, long count, std::string& error);

    // Removes the macro's section; every later macro moves up one number.
    bool remove(std::string_view name, std::string& error);

private:
    std::filesystem::path file_;
};

} // namespace pelmora
