#include "desktop/kde_change_notice.h"

#include "desktop/private_bus.h"

#include <gio/gio.h>

#include <memory>

namespace pelmora {

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
