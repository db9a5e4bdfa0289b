// profile focus: the running pelmora's focus changes as they come (its
// ApplicationFocused signal), one line of application ids each, so that a
// user finds the id of a game by switching to it.
#include "cli/cli_context.h"
#include "desktop/private_bus.h"
#include "settings/app_identity.h"

#include <gio/gio.h>
#include <glib-unix.h>

#include <csignal>
#include <ostream>

namespace pelmora::cli {

namespace {

constexpr const char* kName = identity::kBusName;
constexpr const char* kPath = identity::kBusPath;
constexpr const char* kInterface = "org.pelmora.Pelmora1";

struct LoopUnref {
    void operator()(GMainLoop* loop) const { g_main_loop_unref(loop); }
};

struct Watch {
    CliContext& ctx;
    GMainLoop* loop;
    bool gone = false; // pelmora ended while watched
};

void onFocused(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
               GVariant* parameters, gpointer data) {
    auto* watch = static_cast<Watch*>(data);
    if (!g_variant_is_of_type(parameters, G_VARIANT_TYPE("(as)"))) {
        return;
    }
    GVariantIter* ids = nullptr;
    g_variant_get(parameters, "(as)", &ids);
    const gchar* id = nullptr;
    const char* separator = "";
    while (g_variant_iter_next(ids, "&s", &id)) {
        watch->ctx.out << separator << id;
        separator = " ";
    }
    g_variant_iter_free(ids);
    watch->ctx.out << std::endl; // at once: the user is switching windows
}

void onOwnerChanged(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                    GVariant* parameters, gpointer data) {
    const gchar* name = nullptr;
    const gchar* before = nullptr;
    const gchar* after = nullptr;
    g_variant_get(parameters, "(&s&s&s)", &name, &before, &after);
    if (g_strcmp0(name, kName) == 0 && *after == '\0') {
        auto* watch = static_cast<Watch*>(data);
        watch->gone = true;
        g_main_loop_quit(watch->loop);
    }
}

gboolean onSignal(gpointer loop) {
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
    return G_SOURCE_REMOVE;
}

// Pelmora's FocusMechanism; empty with `error` when it does not answer.
std::string focusMechanism(GDBusConnection* bus, std::string& error) {
    const VariantPtr value =
        runningProperty(bus, kName, kPath, kInterface, "FocusMechanism", &error);
    return value && g_variant_is_of_type(value.get(), G_VARIANT_TYPE_STRING)
               ? g_variant_get_string(value.get(), nullptr)
               : "";
}

} // namespace

int focusWatch(CliContext& ctx) {
    std::string error;
    const PrivateBus bus = connectPrivateBus(sessionBusAddress(), error);
    if (!bus) {
        return ctx.fail("profile focus: no session bus: " + error);
    }
    const std::unique_ptr<GMainLoop, LoopUnref> loop(g_main_loop_new(nullptr, FALSE));
    Watch watch{ctx, loop.get()};
    const guint focusId = g_dbus_connection_signal_subscribe(
        bus.get(), kName, kInterface, "ApplicationFocused", kPath, nullptr,
        G_DBUS_SIGNAL_FLAGS_NONE, onFocused, &watch, nullptr);
    const guint ownerId = g_dbus_connection_signal_subscribe(
        bus.get(), "org.freedesktop.DBus", "org.freedesktop.DBus", "NameOwnerChanged",
        "/org/freedesktop/DBus", kName, G_DBUS_SIGNAL_FLAGS_NONE, onOwnerChanged, &watch, nullptr);
    // Asked after subscribing: no change falls between the two.
    const std::string mechanism = focusMechanism(bus.get(), error);
    int status = kOkStatus;
    if (mechanism.empty()) {
        status = ctx.fail("profile focus: pelmora is not running (start it first): " + error);
    } else {
        ctx.err << "pelmora-cli: profile focus: the focus comes from: " << mechanism
                << "; switch to the application whose id you want (Ctrl+C ends)" << std::endl;
        const guint intId = g_unix_signal_add(SIGINT, onSignal, loop.get());
        const guint termId = g_unix_signal_add(SIGTERM, onSignal, loop.get());
        g_main_loop_run(loop.get());
        g_source_remove(intId);
        g_source_remove(termId);
        if (watch.gone) {
            status = ctx.fail("profile focus: pelmora ended");
        }
    }
    g_dbus_connection_signal_unsubscribe(bus.get(), focusId);
    g_dbus_connection_signal_unsubscribe(bus.get(), ownerId);
    return status;
}

} // namespace pelmora::cli
