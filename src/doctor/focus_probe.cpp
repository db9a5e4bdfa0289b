// What the doctor asks about focus: the direct sources (opened and
// dropped), KWin, GNOME Shell and the running pelmora on the session bus.
#include "desktop/focus/focus_helpers.h"
#include "desktop/private_bus.h"
#include "doctor/focus_checks.h"
#include "settings/app_identity.h"

#include <gio/gio.h>

#include <cstdlib>

namespace pelmora {

FocusFacts FocusFacts::fromSession() {
    FocusFacts facts;
    const FocusSession session = FocusSession::fromEnvironment();
    facts.wayland = session.wayland();
    const OpenedFocus opened = openFocus(session);
    facts.mechanism = opened.mechanism;
    facts.problem = opened.problem;
    facts.kwinScript = kwinFocusScript();
    std::string error;
    const PrivateBus bus = connectPrivateBus(sessionBusAddress(), error);
    if (!bus) {
        facts.extensionUuid = std::string(kGnomeExtensionUuid);
        return facts;
    }
    facts.kwinAnswers = callRunning(bus.get(), "org.kde.KWin", "/Scripting",
                                    "org.freedesktop.DBus.Peer", "Ping", nullptr, "()") != nullptr;
    if (const VariantPtr version = runningProperty(bus.get(), "org.gnome.Shell", "/org/gnome/Shell",
                                                   "org.gnome.Shell", "ShellVersion");
        version && g_variant_is_of_type(version.get(), G_VARIANT_TYPE_STRING)) {
        facts.shellMajor = std::atoi(g_variant_get_string(version.get(), nullptr));
    }
    facts.extensionUuid = std::string(facts.shellMajor > 0 ? gnomeExtensionUuidFor(facts.shellMajor)
                                                           : kGnomeExtensionUuid);
    facts.extensionFolders = gnomeExtensionFolders(facts.extensionUuid);
    if (const VariantPtr info = callRunning(
            bus.get(), "org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Extensions",
            "GetExtensionInfo", g_variant_new("(s)", facts.extensionUuid.c_str()), "(a{sv})")) {
        VariantPtr fields(g_variant_get_child_value(info.get(), 0));
        double state = 0;
        if (g_variant_lookup(fields.get(), "state", "d", &state)) {
            facts.extensionState = static_cast<int>(state);
        }
    }
    if (const VariantPtr reports =
            runningProperty(bus.get(), identity::kBusName, identity::kBusPath,
                            "org.pelmora.Pelmora1", "FocusReports");
        reports && g_variant_is_of_type(reports.get(), G_VARIANT_TYPE_UINT32)) {
        facts.pelmoraReports = g_variant_get_uint32(reports.get());
    }
    return facts;
}

} // namespace pelmora
