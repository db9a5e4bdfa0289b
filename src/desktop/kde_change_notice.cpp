#include "desktop/kde_change_notice.h"

#include "desktop/private_bus.h"

#include <gio/gio.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

namespace pelmora {

namespace {} // namespace

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
    std::string reason;
    const PrivateBus bus = connectPrivateBus(address, reason);
    if (!bus) {
        error = "cannot connect to the session bus: " + reason;
        return false;
    }
    GError* raw = nullptr;
    GErrorPtr failure;
    const gboolean sent = g_dbus_connection_emit_signal(
        bus.get(), nullptr, "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
        g_variant_new("(ii)", kKdeSettingsChanged, kKdeMouseSettings), &raw);
    failure.reset(raw);
    if (sent == FALSE) {
        error = "cannot send notifyChange: " + gErrorText(failure.get());
        return false;
    }
    raw = nullptr;
    const gboolean flushed = g_dbus_connection_flush_sync(bus.get(), nullptr, &raw);
    failure.reset(raw);
    if (flushed == FALSE) {
        error = "cannot send notifyChange: " + gErrorText(failure.get());
        return false;
    }
    return true;
}

} // namespace pelmora
