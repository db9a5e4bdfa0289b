#pragma once
// The texts the page frame draws, in the active language, taken from the
// interface text table.

#include "settings/interface_texts.h"

#include <QString>

#include <cstdint>
#include <string_view>

namespace pelmora {

// The one place the frame gets a text from.
QString pageText(TextId id, std::string_view languageCode);

// Name of key function index 0..15 as a button label.
QString keyFunctionName(int index, std::string_view languageCode);

} // namespace pelmora
