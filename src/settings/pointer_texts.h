#pragma once
// The page's one-line remark under a pointer setting this desktop does not
// take, in the four interface languages.

#include "settings/interface_texts.h"

#include <string_view>

namespace pelmora {

std::string_view desktopLacksSettingText(Language language);

} // namespace pelmora
