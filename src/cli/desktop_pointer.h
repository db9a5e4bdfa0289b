#pragma once
// The pointer settings of a settings record written to the desktop, as the
// window's OK and Apply write them after the mouse, with the desktop chosen
// as the window chooses it.

#include "cli/cli_context.h"
#include "desktop/pointer_settings.h"
#include "settings/settings_block.h"

namespace pelmora::cli {

// Writes the levels and tick boxes to `desktop`. A setting the desktop does
// not take gets the page's remark on stderr and changes nothing of the
// status; a setting the desktop refused is named with the reason and gives
// the failure status.
int writePointerSettings(CliContext& ctx, PointerSettings& desktop, const SettingsBlock& settings);

// The same with the session's desktop (XDG_CURRENT_DESKTOP, overridden by
// PELMORA_POINTER_BACKEND).
int writePointerSettings(CliContext& ctx, const SettingsBlock& settings);

} // namespace pelmora::cli
