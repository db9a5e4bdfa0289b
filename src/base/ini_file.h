#pragma once
// INI files (str.ini, record.ini) with the semantics of the Windows profile
// functions the files come from: section and key names match without regard
// to case, sections keep their order, a new section goes to the end of the
// file and a new key to the end of its section, a section is removed whole.
//
// Files are read as UTF-8 (with or without a byte order mark) or as UTF-16LE
// with a byte order mark, and written as UTF-8. Lines that are not sections or
// keys (blank lines, comments, anything unparsable) are kept as they are when
// the file is written again. Writes replace the file atomically.
//
// Our own code on purpose: no INI library reads UTF-16, matches names
// without regard to case and keeps comments and unknown lines all at once.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace pelmora {

// A value is read into a buffer of 1024 characters: longer values are cut.
inline constexpr std::size_t kIniValueMaxLength = 1023;

// True when two section or key names are the same name to the file: equal
// after folding the case of Latin, Greek and Cyrillic letters.
bool iniNamesEqual(std::string_view a, std::string_view b);

// The name with its letters folded as iniNamesEqual folds them: two names
// are the same name to the file exactly when their folded forms are equal.
std::string foldIniName(std::string_view name);

class IniFile {
public:
    // Reads `file`. A missing file gives an empty IniFile; a file that exists
    // but cannot be read gives false with `error`.
    static bool load(const std::filesystem::path& file, IniFile& ini, std::string& error);
    // Decodes the bytes of a file (BOM detection included).
    static IniFile parse(std::string_view bytes);

    // The content as it would be written (UTF-8, the file's line endings).
    std::string serialise() const;
    // Replaces `file` atomically with the content.
    bool save(const std::filesystem::path& file, std::string& error) const;

    // Section names in file order; a name that appears twice is listed once.
    std::vector<std::string> sectionNames() const;
    bool hasSection(std::string_view section) const;
    // Key names of a section in file order (first spelling of each).
    std::vector<std::string> keyNames(std::string_view section) const;
    // The value of a key, trimmed, surrounding quotes removed, cut to
    // kIniValueMaxLength characters; nothing when the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value, or empty text when missing.
    std::string valueOr(std::string_view section, std::string_view key) const {
        return value(section, key).value_or(std::string());
    }
    // Every key of a section with its value as value() gives it: first
    // spelling and first value of each name, in file order. One pass over
    // the section, for readers that need many keys of it.
    std::vector<std::pair<std::string, std::string>> entries(std::string_view section) const;

    // Edits. Each returns false (and changes nothing) when a name or value
    // cannot be stored in an INI file; `invalidReason` then says why.
    bool setValue(std::string_view section, std::string_view key, std::string_view value);
    // Removes the key (every line of it) from the section.
    void removeKey(std::string_view section, std::string_view key);
    // Removes every section of that name with all its lines.
    void removeSection(std::string_view section);
    // Removes every key of the section and keeps the section where it is
    // (creates it at the end when missing). Comments and unparsable lines stay.
    bool clearSection(std::string_view section);
    // clearSection, then the keys in the given order (names distinct), in
    // one pass: the same file as clearSection and a setValue per key.
    bool replaceKeys(std::string_view section,
                     const std::vector<std::pair<std::string, std::string>>& keys);

    const std::string& invalidReason() const { return invalidReason_; }

    // Why a name cannot be a section or key name, or empty when it can.
    static std::string sectionNameProblem(std::string_view section);
    static std::string keyNameProblem(std::string_view key);

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        Kind kind = Kind::Other;
        std::string text; // the line as in the file, without its line ending
        std::string name; // section or key name
        std::string value;
    };
    struct Range {
        std::size_t begin; // the header line
        std::size_t end;   // one past the section's last line
    };

    static Line parseLine(std::string_view text);
    static Line keyLine(std::string_view key, std::string_view value);
    std::optional<Range> findSection(std::string_view section) const;
    // Every edit that moves lines drops the index of section headers.
    void changed() { sectionIndex_.reset(); }
    std::size_t appendSection(std::string_view section);
    // Erases the key lines of the range: those of `key`, or all without one.
    void eraseKeys(const Range& range, std::optional<std::string_view> key);

    std::vector<Line> lines_;
    // Folded section name -> line of its first header, built on first use.
    mutable std::optional<std::unordered_map<std::string, std::size_t>> sectionIndex_;
    bool crlf_ = false;
    bool utf8Bom_ = false;
    std::string invalidReason_;
};

// One file operation each, as the program uses them: a missing file or key
// reads as empty text; writes load, change and replace the whole file.
std::string readIniValue(const std::filesystem::path& file, std::string_view section,
                         std::string_view key);
bool writeIniValue(const std::filesystem::path& file, std::string_view section,
                   std::string_view key, std::string_view value, std::string& error);

// Loads `file` (a missing one as empty), lets `edit` change it and replaces
// the file with the result. Nothing is written when the file cannot be read
// or `edit` refuses a change (returns false; `error` then says why).
template <typename Edit>
bool editIniFile(const std::filesystem::path& file, std::string& error, Edit&& edit) {
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

} // namespace pelmora
