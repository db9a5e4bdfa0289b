#pragma once
// What the advanced page and OK/Apply do with the desktop's pointer
// settings: the first read, the write of the levels, and Default. Settings
// the desktop does not have are skipped without a word (the page says once
// that this desktop does not take them); a real failure shows its message
// with the caption "Warning" (and, given a language, a line with the
// desktop's reason and what to do), and the next setting is still written.

#include "desktop/pointer_settings.h"
#include "settings/interface_texts.h"
#include "settings/message_sink.h"
#include "settings/settings_block.h"

#include <optional>

namespace pelmora {

// The desktop's values into the levels; settings the desktop lacks, or
// that cannot be read, keep their levels.
PointerReport readDesktopPointerSettings(PointerSettings& desktop, SettingsBlock& settings,
                                         MessageSink& messages,
                                         std::optional<Language> language = std::nullopt);
// OK and Apply: the levels to the desktop (levels outside 1..11 left alone).
PointerReport applyDesktopPointerSettings(PointerSettings& desktop, const SettingsBlock& settings,
                                          MessageSink& messages,
                                          std::optional<Language> language = std::nullopt);
// Default: the desktop's defaults written at once, then the default levels.
PointerReport writeDesktopPointerDefaults(PointerSettings& desktop, SettingsBlock& settings,
                                          MessageSink& messages,
                                          std::optional<Language> language = std::nullopt);

} // namespace pelmora
