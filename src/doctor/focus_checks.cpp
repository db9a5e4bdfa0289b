#include "doctor/focus_checks.h"

namespace pelmora {

namespace {

constexpr int kExtensionRunning = 1;

std::string enableCommand(const FocusFacts& facts) {
    return "gnome-extensions enable " + facts.extensionUuid;
}

// What the doctor says of the mechanism itself.
DoctorCheck mechanismCheck(const FocusFacts& facts) {
    const std::string name(focusMechanismName(facts.mechanism));
    switch (facts.mechanism) {
    case FocusMechanism::X11:
        return {{},
                Verdict::Ok,
                name + (facts.wayland ? "; under XWayland only X11 windows are seen" : ""),
                {}};
    case FocusMechanism::Wlroots:
        return {{}, Verdict::Ok, name, {}};
    case FocusMechanism::KWinScript:
        if (facts.kwinScript.empty()) {
            return {{},
                    Verdict::Warn,
                    "the KWin script pelmora-focus.js is not installed",
                    "reinstall pelmora (the package ships share/pelmora/kwin/pelmora-focus.js)"};
        }
        if (!facts.kwinAnswers) {
            return {{}, Verdict::Warn, "KWin does not answer on the session bus", {}};
        }
        return {
            {}, Verdict::Ok, name + " " + facts.kwinScript.string() + ", loaded by pelmora", {}};
    case FocusMechanism::GnomeExtension:
        if (facts.extensionFolders.empty()) {
            return {{},
                    Verdict::Warn,
                    "the GNOME Shell extension " + facts.extensionUuid + " is not installed",
                    "install pelmora's package, log out and in, then run: " + enableCommand(facts)};
        }
        if (!facts.extensionState) {
            return {{},
                    Verdict::Warn,
                    name + " installed in " + facts.extensionFolders.front().string() +
                        "; GNOME Shell did not answer",
                    {}};
        }
        if (*facts.extensionState != kExtensionRunning) {
            return {{},
                    Verdict::Warn,
                    name + " installed in " + facts.extensionFolders.front().string() +
                        ", not enabled (state " + std::to_string(*facts.extensionState) + ")",
                    enableCommand(facts) +
                        " (an extension copied in is loaded only after the next login)"};
        }
        return {{}, Verdict::Ok, name + " " + facts.extensionUuid + " enabled", {}};
    case FocusMechanism::None:
        break;
    }
    return {{},
            Verdict::Warn,
            "not available on this desktop" +
                (facts.problem.empty() ? "" : " (" + facts.problem + ")") +
                "; switching profiles by hand works",
            {}};
}

} // namespace

DoctorCheck focusCheck(const FocusFacts& facts) {
    DoctorCheck check = mechanismCheck(facts);
    check.topic = "automatic profile switching";
    if (!facts.pelmoraReports) {
        check.found += "; pelmora is not running";
    } else if (check.verdict == Verdict::Ok) {
        check.found +=
            "; pelmora has seen " + std::to_string(*facts.pelmoraReports) + " focus changes";
    }
    return check;
}

} // namespace pelmora
