#include "desktop/private_bus.h"

namespace pelmora {

std::string gErrorText(const GError* e) {
    return e != nullptr && e->message != nullptr ? std::string(e->message) : std::string("unknown");
}

void PrivateBusClose::operator()(GDBusConnection* bus) const {
    g_dbus_connection_close_sync(bus, nullptr, nullptr);
    g_object_unref(bus);
}

PrivateBus connectPrivateBus(const std::string& address, std::string& error) {
    if (address.empty()) {
        error = "no bus address";
        return nullptr;
    }
    GError* raw = nullptr;
    PrivateBus bus(g_dbus_connection_new_for_address_sync(
        address.c_str(),
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
        nullptr, nullptr, &raw));
    const GErrorPtr failure(raw);
    if (!bus) {
        error = gErrorText(failure.get());
    }
    return bus;
}

} // namespace pelmora
