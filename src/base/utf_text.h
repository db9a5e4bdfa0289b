#pragma once
// UTF-8 and UTF-16 text: the data files are read in either form and written
// as UTF-8; names are measured in characters, not bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// Decodes one code point at `pos` and advances it; a stray byte decodes as itself.
char32_t nextCodePoint(std::string_view text, std::size_t& pos);

// Appends `cp` to `out` in UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// UTF-16LE bytes (no byte order mark) as UTF-8; unpaired surrogates become U+FFFD.
std::string utf16leToUtf8(std::string_view bytes);

// The first `count` characters of UTF-8 text.
std::string_view cutToCharacters(std::string_view text, std::size_t count);

// Number of characters (code points) of UTF-8 text; stray bytes count one each.
std::size_t utf8Length(std::string_view text);

} // namespace pelmora
