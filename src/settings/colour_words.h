#pragma once
// A colour in one word a screen reader can say ("red", "grey"), in the four
// interface languages: the DPI stage colours and the skins' text colour are
// buttons whose only content is their colour.

#include "settings/interface_texts.h"

#include <cstdint>
#include <string_view>

namespace pelmora {

std::string_view colourWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                            Language language);

} // namespace pelmora
