#include "doctor/focus_checks.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// The line for each kind of session, and what it tells the user to do.
TEST(FocusChecksTest, EachSessionsLine) {
    FocusFacts gnome;
    gnome.mechanism = FocusMechanism::GnomeExtension;
    gnome.extensionUuid = "pelmora@pelmora.org";
    FocusFacts installed = gnome;
    installed.extensionFolders = {"/usr/share/gnome-shell/extensions/pelmora@pelmora.org"};
    FocusFacts disabled = installed;
    disabled.extensionState = 2;
    FocusFacts enabled = installed;
    enabled.extensionState = 1;
    enabled.pelmoraReports = 3;
    FocusFacts xwayland;
    xwayland.mechanism = FocusMechanism::X11;
    xwayland.wayland = true;
    FocusFacts none;
    none.problem = "the compositor does not offer the wlroots toplevel list";
    none.pelmoraReports = 0;
    const struct {
        const FocusFacts& facts;
        Verdict verdict;
        const char* found; // a part of it
        const char* fix;   // a part of it; "" for none
    } rows[] = {
        {gnome, Verdict::Warn, "pelmora@pelmora.org is not installed; pelmora is not running",
         "log out and in, then run: gnome-extensions enable pelmora@pelmora.org"},
        {installed, Verdict::Warn, "GNOME Shell did not answer", ""},
        {disabled, Verdict::Warn, "not enabled (state 2)",
         "gnome-extensions enable pelmora@pelmora.org (an extension copied in is loaded only"},
        {enabled, Verdict::Ok, "enabled; pelmora has seen 3 focus changes", ""},
        {xwayland, Verdict::Ok, "under XWayland only X11 windows are seen", ""},
        {none, Verdict::Warn, "not available on this desktop (the compositor does not offer", ""},
    };
    for (const auto& row : rows) {
        const DoctorCheck check = focusCheck(row.facts);
        EXPECT_EQ(check.topic, "automatic profile switching");
        EXPECT_EQ(check.verdict, row.verdict) << check.found;
        EXPECT_NE(check.found.find(row.found), std::string::npos) << check.found;
        EXPECT_EQ(check.fix.empty(), *row.fix == '\0') << check.fix;
        EXPECT_NE(check.fix.find(row.fix), std::string::npos) << check.fix;
    }
}

} // namespace
} // namespace pelmora
