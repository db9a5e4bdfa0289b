#pragma once
// What the advanced page and OK/Apply do with the desktop's pointer
// settings: the first read, the write of the levels, and Default. Settings
// the desktop does not have are skipped without a word (the page says once
// that this desktop does not take them); a real failure shows its message
// with the caption "Warning", and the next setting is still written.

#include "settings/message_sink.h"
#include "desktop/pointer_settings.h"
#include "settings/settings_block.h"

namespace pelmora {

// The desktop's values into the levels; settings the desktop lacks, or
// that cannot be read, keep their levels.
PointerReport readDesktopPointerSettings(PointerSettings& desktop, SettingsBlock& settings,
                                         MessageSink& messages);
// OK and Apply: the levels to the desktop (levels outside 1..11 left alone).
PointerReport applyDesktopPointerSettings(PointerSettings& desktop, const SettingsBlock& settings,
                                          MessageSink& messages);
// Default: the desktop's defaults written at once, then the default levels.
PointerReport writeDesktopPointerDefaults(PointerSettings& desktop, SettingsBlock& settings,
                                          MessageSink& messages);

} // namespace pelmora
