#pragma once
// The doctor's line "automatic profile switching": how this session tells
// which application has the focus and whether that works (for GNOME: the
// extension installed, enabled, answering; for Plasma: KWin and the script;
// and whether the running pelmora has seen focus changes).

#include "desktop/focus/focus_mechanism.h"
#include "doctor/doctor_check.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

struct FocusFacts {
    FocusMechanism mechanism = FocusMechanism::None;
    std::string problem; // why X11 or the wlroots list could not be used
    bool wayland = false;
    // Plasma
    bool kwinAnswers = false;
    std::filesystem::path kwinScript; // empty: not installed
    // GNOME
    int shellMajor = 0; // 0: the shell did not answer
    std::string extensionUuid;
    std::vector<std::filesystem::path> extensionFolders; // where it is installed
    std::optional<int> extensionState;                   // the shell's state of it (1: running)
    // The running pelmora
    std::optional<unsigned> pelmoraReports; // empty: not running

    // Asks the session (opens and drops the direct sources).
    static FocusFacts fromSession();
};

DoctorCheck focusCheck(const FocusFacts& facts);

} // namespace pelmora
