// What the doctor asks about focus: the direct sources (opened and
// dropped), KWin, GNOME Shell and the running pelmora on the session bus.
#include "desktop/focus/focus_helpers.h"
#include "desktop/private_bus.h"
#include "doctor/focus_checks.h"

#include <gio/gio.h>

#include <memory>

namespace pelmora {

namespace {

constexpr int kCallTimeoutMs = 2000;

struct VariantUnref {
    void operator()(GVariant* v) const { g_variant_unref(v); }
};
using VariantPtr = std::unique_ptr<GVariant, VariantUnref>;

VariantPtr callQuietly(GDBusConnection* bus, const char* name, const char* path,
                       const char* interface, const char* method, GVariant* args,
                       const char* replyType) {
    GError* raw = nullptr;
    VariantPtr reply(g_dbus_connection_call_sync(
        bus, name, path, interface, method, args, G_VARIANT_TYPE(replyType),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, &raw));
    const GErrorPtr failure(raw);
    return reply;
}

// A property's value; null when its owner does not answer.
VariantPtr property(GDBusConnection* bus, const char* name, const char* path, const char* interface,
                    const char* property) {
    VariantPtr reply = callQuietly(bus, name, path, "org.freedesktop.DBus.Properties", "Get",
                                   g_variant_new("(ss)", interface, property), "(v)");
    if (!reply) {
        return nullptr;
    }
    GVariant* value = nullptr;
    g_variant_get(reply.get(), "(v)", &value);
    return VariantPtr(value);
}

} // namespace

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
    facts.kwinAnswers = callQuietly(bus.get(), "org.kde.KWin", "/Scripting",
                                    "org.freedesktop.DBus.Peer", "Ping", nullptr, "()") != nullptr;
    if (const VariantPtr version = property(bus.get(), "org.gnome.Shell", "/org/gnome/Shell",
                                            "org.gnome.Shell", "ShellVersion");
        version && g_variant_is_of_type(version.get(), G_VARIANT_TYPE_STRING)) {
        facts.shellMajor = std::atoi(g_variant_get_string(version.get(), nullptr));
    }
    facts.extensionUuid = std::string(facts.shellMajor > 0 ? gnomeExtensionUuidFor(facts.shellMajor)
                                                           : kGnomeExtensionUuid);
    facts.extensionFolders = gnomeExtensionFolders(facts.extensionUuid);
    if (const VariantPtr info = callQuietly(
            bus.get(), "org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell.Extensions",
            "GetExtensionInfo", g_variant_new("(s)", facts.extensionUuid.c_str()), "(a{sv})")) {
        VariantPtr fields(g_variant_get_child_value(info.get(), 0));
        double state = 0;
        if (g_variant_lookup(fields.get(), "state", "d", &state)) {
            facts.extensionState = static_cast<int>(state);
        }
    }
    if (const VariantPtr reports =
            property(bus.get(), "org.pelmora.Pelmora", "/org/pelmora/Pelmora",
                     "org.pelmora.Pelmora1", "FocusReports");
        reports && g_variant_is_of_type(reports.get(), G_VARIANT_TYPE_UINT32)) {
        facts.pelmoraReports = g_variant_get_uint32(reports.get());
    }
    return facts;
}

} // namespace pelmora
