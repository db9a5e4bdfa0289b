#pragma once
// The multimedia and launch lists as the key dialogs show them in each
// interface language. A chosen entry's text is what the button's label
// becomes, so the window and pelmora-cli take it from here alike. The
// positions are those of mediaList() and launchList(), whose texts are the
// English ones.

#include "keys/key_lists.h"
#include "settings/interface_texts.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace pelmora {

std::array<std::string_view, kMediaCount> mediaListTexts(Language language);
std::array<std::string_view, kLaunchCount> launchListTexts(Language language);

// The text at a list position in a language; empty beyond the end.
std::string_view mediaText(std::size_t position, Language language);
std::string_view launchText(std::size_t position, Language language);

} // namespace pelmora
