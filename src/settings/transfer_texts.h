#pragma once
// What the main window says about a transfer to the mouse, in the four
// interface languages: the short status while OK or Apply sends the settings
// or waits for another program, and the message when that program kept the
// mouse for the whole wait.

#include "settings/interface_texts.h"

#include <string_view>

namespace pelmora {

std::string_view sendingSettingsText(Language language);
// The status while another program (pelmora-cli, say) sends settings to the mouse.
std::string_view waitingForMouseText(Language language);

enum class MouseBusy : std::uint8_t {
    NothingSent, // OK or Apply: nothing was sent, the edits are kept
    NotRead,     // the read of the mouse's settings after its arrival
};
std::string_view mouseBusyText(MouseBusy what, Language language);

} // namespace pelmora
