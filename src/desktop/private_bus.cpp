#include "desktop/private_bus.h"

#include "base/environment.h"

#include <filesystem>

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

VariantPtr callRunning(GDBusConnection* bus, const char* name, const char* path,
                       const char* interface, const char* method, GVariant* args,
                       const char* replyType, std::string* error) {
    constexpr int kTimeoutMs = 2000;
    GError* raw = nullptr;
    VariantPtr reply(g_dbus_connection_call_sync(
        bus, name, path, interface, method, args, G_VARIANT_TYPE(replyType),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, kTimeoutMs, nullptr, &raw));
    const GErrorPtr failure(raw);
    if (!reply && error) {
        *error = gErrorText(failure.get());
    }
    return reply;
}

VariantPtr runningProperty(GDBusConnection* bus, const char* name, const char* path,
                           const char* interface, const char* property, std::string* error) {
    const VariantPtr reply = callRunning(bus, name, path, "org.freedesktop.DBus.Properties", "Get",
                                         g_variant_new("(ss)", interface, property), "(v)", error);
    if (!reply) {
        return nullptr;
    }
    GVariant* value = nullptr;
    g_variant_get(reply.get(), "(v)", &value);
    return VariantPtr(value);
}

std::string sessionBusAddress() {
    if (std::string env = environmentValue("DBUS_SESSION_BUS_ADDRESS"); !env.empty()) {
        return env;
    }
    if (const std::string run = environmentValue("XDG_RUNTIME_DIR"); !run.empty()) {
        std::error_code ec;
        const std::filesystem::path socket = std::filesystem::path(run) / "bus";
        if (std::filesystem::is_socket(socket, ec)) {
            return "unix:path=" + socket.string();
        }
    }
    return {};
}

std::string systemBusAddress() {
    if (std::string env = environmentValue("DBUS_SYSTEM_BUS_ADDRESS"); !env.empty()) {
        return env;
    }
    std::error_code ec;
    constexpr const char* kSocket = "/run/dbus/system_bus_socket";
    return std::filesystem::exists(kSocket, ec) ? std::string("unix:path=") + kSocket
                                                : std::string();
}

} // namespace pelmora
