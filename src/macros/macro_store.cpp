#include "macros/macro_store.h"

#include "settings/decimal_text.h"
#include "settings/ini_file.h"

#include <algorithm>
#include <system_error>

namespace pelmora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Loads, edits and replaces the file; nothing is written when the file
// cannot be read or the edit is refused.
template <typename Edit>
bool editFile(const std::filesystem::path& file, std::string& error, Edit edit) {
    IniFile ini;
    if (!IniFile::load(file, ini, error)) {
        return false;
    }
    if (!edit(ini)) {
        error = ini.invalidReason();
        return false;
    }
    return ini.save(file, error);
}

} // namespace

std::string itemKey(std::size_t index) {
    return "Item" + std::to_string(index);
}

std::uint16_t loopCountFromText(std::string_view text) {
    const long long value = leadingInteger(text);
    return (value < 1 || value > 65535) ? 1 : static_cast<std::uint16_t>(value);
}

std::string macroNameProblem(std::string_view name) {
    if (name.empty()) {
        return "The macro name is empty.";
    }
    if (utf8Length(name) > kMaxMacroNameLength) {
        return "The macro name is longer than 31 characters.";
    }
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return "The macro name cannot contain a line break.";
    }
    if (name.find(']') != std::string_view::npos) {
        return "The macro name cannot contain \"]\".";
    }
    if (name.front() == '[') {
        return "The macro name cannot begin with \"[\".";
    }
    if (isBlank(name.front()) || isBlank(name.back())) {
        return "The macro name cannot begin or end with a blank.";
    }
    return {};
}

bool sameMacroName(std::string_view a, std::string_view b) {
    return iniNamesEqual(a, b);
}

bool macroNameTaken(const std::vector<std::string>& names, std::string_view name) {
    return std::ranges::any_of(
        names, [&](const std::string& other) { return sameMacroName(other, name); });
}

bool MacroStore::fileExists() const {
    std::error_code ec;
    return std::filesystem::exists(file_, ec);
}

std::vector<std::string> MacroStore::names(std::string* error) const {
    IniFile ini;
    std::string message;
    if (!IniFile::load(file_, ini, message)) {
        if (error) {
            *error = message;
        }
        return {};
    }
    return ini.sectionNames();
}

StoredMacro macroFromIni(const IniFile& ini, std::string_view name) {
    StoredMacro macro;
    macro.loopText = ini.valueOr(name, kLoopTimesKey);
    const long long count = leadingInteger(ini.valueOr(name, kItemCountKey));
    const auto limit = static_cast<long long>(ini.keyNames(name).size());
    const std::size_t n = static_cast<std::size_t>(std::clamp(count, 0LL, limit));
    macro.items.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        macro.items.push_back(ini.valueOr(name, itemKey(i)));
    }
    return macro;
}

StoredMacro MacroStore::load(std::string_view name) const {
    IniFile ini;
    std::string error;
    if (!IniFile::load(file_, ini, error)) {
        return {};
    }
    return macroFromIni(ini, name);
}

bool MacroStore::save(std::string_view name, std::string_view loopText,
                      const std::vector<std::string>& items, std::string& error) {
    if (const auto problem = macroNameProblem(name); !problem.empty()) {
        error = problem;
        return false;
    }
    return editFile(file_, error, [&](IniFile& ini) {
        if (!ini.clearSection(name) || !ini.setValue(name, kLoopTimesKey, loopText) ||
            !ini.setValue(name, kItemCountKey, std::to_string(items.size()))) {
            return false;
        }
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (!ini.setValue(name, itemKey(i), items[i])) {
                return false;
            }
        }
        return true;
    });
}

bool MacroStore::setLoopCount(std::string_view name, long count, std::string& error) {
    if (const auto problem = macroNameProblem(name); !problem.empty()) {
        error = problem;
        return false;
    }
    return editFile(file_, error, [&](IniFile& ini) {
        return ini.setValue(name, kLoopTimesKey, std::to_string(count));
    });
}

bool MacroStore::remove(std::string_view name, std::string& error) {
    IniFile ini;
    if (!IniFile::load(file_, ini, error)) {
        return false;
    }
    if (!ini.hasSection(name)) {
        return true; // nothing to remove; a missing file is not created
    }
    ini.removeSection(name);
    return ini.save(file_, error);
}

} // namespace pelmora
