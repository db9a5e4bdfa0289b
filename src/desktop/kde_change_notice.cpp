#include "desktop/kde_change_notice.h"

#include <gio/gio.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace pelmora {

namespace {
struct Unref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
struct ErrorFree {
    void operator()(GError* e) const { g_error_free(e); }
};

std::string messageOf(GError* e) {
    return e != nullptr && e->message != nullptr ? std::string(e->message) : std::string("unknown");
}
} // namespace

std::string sessionBusAddress() {
    if (const char* env = std::getenv("DBUS_SESSION_BUS_ADDRESS"); env != nullptr && *env != 0) {
        return env;
    }
    if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run != nullptr && *run != 0) {
        std::error_code ec;
        const std::filesystem::path socket = std::filesystem::path(run) / "bus";
        if (std::filesystem::is_socket(socket, ec)) {
            return "unix:path=" + socket.string();
        }
    }
    return {};
}

bool notifyKdeMouseSettingsChanged(const std::string& address, std::string& error) {
    if (address.empty()) {
        error = "no session bus";
        return false;
    }
    GError* raw = nullptr;
    // A private connection of our own: nothing is started, nothing shared.
    std::unique_ptr<GDBusConnection, Unref> bus(g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &raw));
    std::unique_ptr<GError, ErrorFree> failure(raw);
    if (!bus) {
        error = "cannot connect to the session bus: " + messageOf(failure.get());
        return false;
    }
    raw = nullptr;
    const gboolean sent = g_dbus_connection_emit_signal(
        bus.get(), nullptr, "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
        g_variant_new("(ii)", kKdeSettingsChanged, kKdeMouseSettings), &raw);
    failure.reset(raw);
    if (sent == FALSE) {
        error = "cannot send notifyChange: " + messageOf(failure.get());
        return false;
    }
    raw = nullptr;
    const gboolean flushed = g_dbus_connection_flush_sync(bus.get(), nullptr, &raw);
    failure.reset(raw);
    if (flushed == FALSE) {
        error = "cannot send notifyChange: " + messageOf(failure.get());
        return false;
    }
    g_dbus_connection_close_sync(bus.get(), nullptr, nullptr);
    return true;
}

} // namespace pelmora
