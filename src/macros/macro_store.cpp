#include "macros/macro_store.h"

#include "base/decimal_text.h"
#include "base/ini_file.h"
#include "base/utf_text.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <unordered_map>

namespace pelmora {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
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

namespace {

// The index of a key named "Item<index>" (any case, no leading zeros), or
// nothing for any other key.
std::optional<std::size_t> itemIndexOfKey(std::string_view foldedKey) {
    constexpr std::string_view kPrefix = "item";
    if (!foldedKey.starts_with(kPrefix)) {
        return std::nullopt;
    }
    const std::string_view digits = foldedKey.substr(kPrefix.size());
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits.front() == '0') ||
        !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(leadingInteger(digits));
}

} // namespace

StoredMacro macroFromIni(const IniFile& ini, std::string_view name) {
    // One pass over the section: a macro of many items reads in linear time.
    const std::string loopKey = foldIniName(kLoopTimesKey);
    const std::string countKey = foldIniName(kItemCountKey);
    StoredMacro macro;
    std::unordered_map<std::size_t, std::string> stored;
    std::size_t storedEnd = 0; // one past the highest item index present
    for (auto& [key, value] : ini.entries(name)) {
        const std::string folded = foldIniName(key);
        if (folded == loopKey) {
            macro.loopText = std::move(value);
        } else if (folded == countKey) {
            macro.itemCount = leadingInteger(value);
        } else if (const auto index = itemIndexOfKey(folded)) {
            storedEnd = std::max(storedEnd, *index + 1);
            stored.emplace(*index, std::move(value));
        }
    }
    const long long limit = static_cast<long long>(std::max(kItemCountLimit, storedEnd));
    const auto n = static_cast<std::size_t>(std::clamp(macro.itemCount, 0LL, limit));
    macro.items.resize(n);
    for (auto& [index, value] : stored) {
        if (index < n) {
            macro.items[index] = std::move(value);
        }
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
    std::vector<std::pair<std::string, std::string>> keys;
    keys.reserve(items.size() + 2);
    keys.emplace_back(kLoopTimesKey, loopText);
    keys.emplace_back(kItemCountKey, std::to_string(items.size()));
    for (std::size_t i = 0; i < items.size(); ++i) {
        keys.emplace_back(itemKey(i), items[i]);
    }
    return editIniFile(file_, error, [&](IniFile& ini) { return ini.replaceKeys(name, keys); });
}

bool MacroStore::setLoopCount(std::string_view name, long count, std::string& error) {
    if (const auto problem = macroNameProblem(name); !problem.empty()) {
        error = problem;
        return false;
    }
    return editIniFile(file_, error, [&](IniFile& ini) {
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
