#include "base/ini_file.h"

#include "base/atomic_file.h"
#include "base/utf_text.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <system_error>
#include <unordered_set>

namespace pelmora {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// Simple case folding of the letters a user may put into a name: Latin-1,
// Latin Extended-A, Greek and Cyrillic capitals map to their small letters.
char32_t foldCase(char32_t c) {
    if (c >= 'A' && c <= 'Z') {
        return c + 0x20;
    }
    if (c < 0xC0) {
        return c;
    }
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return c + 0x20;
    }
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) {
            return 'i'; // capital I with dot
        }
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) {
            return (c % 2 == 1) ? c + 1 : c;
        }
        if (c == 0x178) {
            return 0xFF;
        }
        if (c <= 0x137 || (c >= 0x14A && c <= 0x177)) {
            return (c % 2 == 0) ? c + 1 : c;
        }
        return c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) {
        return c + 0x20;
    }
    if (c >= 0x410 && c <= 0x42F) {
        return c + 0x20;
    }
    if (c >= 0x400 && c <= 0x40F) {
        return c + 0x50;
    }
    return c;
}

// Characters that end a line or the text: never part of a name or value.
bool hasLineBreak(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// A value is written in quotes when reading it back would otherwise change it.
std::string valueForFile(std::string_view value) {
    const bool blankEdge =
        !value.empty() && (kBlanks.find(value.front()) != std::string_view::npos ||
                           kBlanks.find(value.back()) != std::string_view::npos);
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (blankEdge || quoted) {
        return '"' + std::string(value) + '"';
    }
    return std::string(value);
}

} // namespace

bool iniNamesEqual(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (foldCase(nextCodePoint(a, i)) != foldCase(nextCodePoint(b, j))) {
            return false;
        }
    }
    return i == a.size() && j == b.size();
}

std::string foldIniName(std::string_view name) {
    std::string folded;
    folded.reserve(name.size());
    std::size_t pos = 0;
    while (pos < name.size()) {
        appendUtf8(folded, foldCase(nextCodePoint(name, pos)));
    }
    return folded;
}

IniFile::Line IniFile::parseLine(std::string_view text) {
    Line line;
    line.text = std::string(text);
    const std::string_view t = trim(text);
    if (t.empty() || t.front() == ';' || t.front() == '#') {
        return line;
    }
    if (t.front() == '[') {
        const auto close = t.find(']');
        if (close != std::string_view::npos) {
            line.kind = Kind::Section;
            line.name = std::string(trim(t.substr(1, close - 1)));
        }
        return line;
    }
    const auto equals = t.find('=');
    if (equals == std::string_view::npos) {
        return line;
    }
    const std::string_view key = trim(t.substr(0, equals));
    if (key.empty()) {
        return line;
    }
    std::string_view value = trim(t.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    line.kind = Kind::Key;
    line.name = std::string(key);
    line.value = std::string(value);
    return line;
}

IniFile IniFile::parse(std::string_view bytes) {
    IniFile ini;
    std::string decoded;
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        decoded = utf16leToUtf8(bytes.substr(2));
        // Text that begins with a second byte order mark (U+FEFF) is written
        // behind a UTF-8 one: without it, reading the written file would take
        // that character for the mark and change the first line.
        ini.utf8Bom_ = decoded.starts_with(kUtf8Bom);
    } else if (bytes.starts_with(kUtf8Bom)) {
        ini.utf8Bom_ = true;
        decoded = std::string(bytes.substr(kUtf8Bom.size()));
    } else {
        decoded = std::string(bytes);
    }
    std::string_view rest = decoded;
    bool eolSeen = false;
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        std::string_view text = rest.substr(0, nl);
        if (nl != std::string_view::npos) {
            if (!eolSeen) {
                ini.crlf_ = text.ends_with('\r');
                eolSeen = true;
            }
            rest.remove_prefix(nl + 1);
        } else {
            rest = {};
        }
        // Every carriage return that ends a line goes: a line never keeps one
        // that a write would turn into part of its line end.
        while (text.ends_with('\r')) {
            text.remove_suffix(1);
        }
        ini.lines_.push_back(parseLine(text));
    }
    return ini;
}

bool IniFile::load(const std::filesystem::path& file, IniFile& ini, std::string& error) {
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        ini = IniFile();
        return true;
    }
    std::string bytes;
    if (!readWholeFile(file, bytes, error)) {
        return false;
    }
    ini = parse(bytes);
    return true;
}

std::string IniFile::serialise() const {
    std::string out;
    if (utf8Bom_) {
        out += kUtf8Bom;
    }
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    for (const auto& line : lines_) {
        out += line.text;
        out += eol;
    }
    return out;
}

bool IniFile::save(const std::filesystem::path& file, std::string& error) const {
    const std::string content = serialise();
    return replaceFileAtomically(
        file, std::span(reinterpret_cast<const std::uint8_t*>(content.data()), content.size()),
        error);
}

std::optional<IniFile::Range> IniFile::findSection(std::string_view section) const {
    if (!sectionIndex_) {
        sectionIndex_.emplace();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (lines_[i].kind == Kind::Section) {
                sectionIndex_->try_emplace(foldIniName(lines_[i].name), i);
            }
        }
    }
    const auto found = sectionIndex_->find(foldIniName(section));
    if (found == sectionIndex_->end()) {
        return std::nullopt;
    }
    const std::size_t begin = found->second;
    std::size_t end = begin + 1;
    while (end < lines_.size() && lines_[end].kind != Kind::Section) {
        ++end;
    }
    return Range{begin, end};
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const auto& line : lines_) {
        if (line.kind == Kind::Section && seen.insert(foldIniName(line.name)).second) {
            names.push_back(line.name);
        }
    }
    return names;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(section).has_value();
}

std::vector<std::string> IniFile::keyNames(std::string_view section) const {
    std::vector<std::string> keys;
    for (auto& entry : entries(section)) {
        keys.push_back(std::move(entry.first));
    }
    return keys;
}

std::vector<std::pair<std::string, std::string>> IniFile::entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> found;
    const auto range = findSection(section);
    if (!range) {
        return found;
    }
    std::unordered_set<std::string> seen;
    for (std::size_t i = range->begin + 1; i < range->end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Key && seen.insert(foldIniName(line.name)).second) {
            found.emplace_back(line.name,
                               std::string(cutToCharacters(line.value, kIniValueMaxLength)));
        }
    }
    return found;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto range = findSection(section);
    if (!range) {
        return std::nullopt;
    }
    for (std::size_t i = range->begin + 1; i < range->end; ++i) {
        if (lines_[i].kind == Kind::Key && iniNamesEqual(lines_[i].name, key)) {
            return std::string(cutToCharacters(lines_[i].value, kIniValueMaxLength));
        }
    }
    return std::nullopt;
}

std::string IniFile::sectionNameProblem(std::string_view section) {
    if (section.empty()) {
        return "a section name cannot be empty";
    }
    if (hasLineBreak(section)) {
        return "a section name cannot contain a line break";
    }
    if (section.find(']') != std::string_view::npos) {
        return "a section name cannot contain \"]\"";
    }
    if (trim(section).size() != section.size()) {
        return "a section name cannot begin or end with a blank";
    }
    return {};
}

std::string IniFile::keyNameProblem(std::string_view key) {
    if (key.empty()) {
        return "a key name cannot be empty";
    }
    if (hasLineBreak(key)) {
        return "a key name cannot contain a line break";
    }
    if (key.find('=') != std::string_view::npos) {
        return "a key name cannot contain \"=\"";
    }
    if (trim(key).size() != key.size()) {
        return "a key name cannot begin or end with a blank";
    }
    if (key.front() == '[' || key.front() == ';' || key.front() == '#') {
        return "a key name cannot begin with \"[\", \";\" or \"#\"";
    }
    return {};
}

std::size_t IniFile::appendSection(std::string_view section) {
    changed();
    Line header;
    header.kind = Kind::Section;
    header.name = std::string(section);
    header.text = "[" + std::string(section) + "]";
    lines_.push_back(std::move(header));
    return lines_.size() - 1;
}

bool IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    invalidReason_ = sectionNameProblem(section);
    if (invalidReason_.empty()) {
        invalidReason_ = keyNameProblem(key);
    }
    if (invalidReason_.empty() && hasLineBreak(value)) {
        invalidReason_ = "a value cannot contain a line break";
    }
    if (!invalidReason_.empty()) {
        return false;
    }
    auto range = findSection(section);
    if (!range) {
        const std::size_t header = appendSection(section);
        range = Range{header, header + 1};
    }
    std::size_t insertAt = range->begin + 1;
    for (std::size_t i = range->begin + 1; i < range->end; ++i) {
        Line& line = lines_[i];
        if (line.kind != Kind::Key) {
            continue;
        }
        if (iniNamesEqual(line.name, key)) {
            line.value = std::string(value);
            line.text = line.name + "=" + valueForFile(value);
            return true;
        }
        insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine(key, value));
    changed();
    return true;
}

IniFile::Line IniFile::keyLine(std::string_view key, std::string_view value) {
    Line line;
    line.kind = Kind::Key;
    line.name = std::string(key);
    line.value = std::string(value);
    line.text = line.name + "=" + valueForFile(value);
    return line;
}

void IniFile::eraseKeys(const Range& range, std::optional<std::string_view> key) {
    const auto first = lines_.begin() + static_cast<std::ptrdiff_t>(range.begin + 1);
    const auto last = lines_.begin() + static_cast<std::ptrdiff_t>(range.end);
    lines_.erase(std::remove_if(first, last,
                                [&](const Line& line) {
                                    return line.kind == Kind::Key &&
                                           (!key || iniNamesEqual(line.name, *key));
                                }),
                 last);
    changed();
}

void IniFile::removeKey(std::string_view section, std::string_view key) {
    if (const auto range = findSection(section)) {
        eraseKeys(*range, key);
    }
}

void IniFile::removeSection(std::string_view section) {
    while (const auto range = findSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->begin),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
        changed();
    }
}

bool IniFile::clearSection(std::string_view section) {
    invalidReason_ = sectionNameProblem(section);
    if (!invalidReason_.empty()) {
        return false;
    }
    if (const auto range = findSection(section)) {
        eraseKeys(*range, std::nullopt);
    } else {
        appendSection(section);
    }
    return true;
}

bool IniFile::replaceKeys(std::string_view section,
                          const std::vector<std::pair<std::string, std::string>>& keys) {
    invalidReason_ = sectionNameProblem(section);
    for (std::size_t i = 0; invalidReason_.empty() && i < keys.size(); ++i) {
        invalidReason_ = keyNameProblem(keys[i].first);
        if (invalidReason_.empty() && hasLineBreak(keys[i].second)) {
            invalidReason_ = "a value cannot contain a line break";
        }
    }
    if (!invalidReason_.empty() || !clearSection(section)) {
        return false;
    }
    // The first key goes right below the header, each next one after it,
    // as setValue places them in a section without keys.
    std::vector<Line> added;
    added.reserve(keys.size());
    for (const auto& [key, value] : keys) {
        added.push_back(keyLine(key, value));
    }
    const std::size_t header = findSection(section)->begin;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(header + 1),
                  std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
    changed();
    return true;
}

std::string readIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key) {
    IniFile ini;
    std::string error;
    if (!IniFile::load(file, ini, error)) {
        return {};
    }
    return ini.valueOr(section, key);
}

bool writeIniValue(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value, std::string& error) {
    return editIniFile(file, error,
                       [&](IniFile& ini) { return ini.setValue(section, key, value); });
}

} // namespace pelmora
