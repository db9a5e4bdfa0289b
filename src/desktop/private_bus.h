#pragma once
// A D-Bus connection of our own to the bus at an address: GDBus starts no
// daemon for it and shares it with nobody else in the process; it is closed
// before it is dropped, so GDBus's worker lets go of it.

#include <gio/gio.h>

#include <memory>
#include <string>

namespace pelmora {

struct GErrorFree {
    void operator()(GError* e) const { g_error_free(e); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFree>;

// The text of a GLib error ("unknown" without one).
std::string gErrorText(const GError* e);

struct PrivateBusClose {
    void operator()(GDBusConnection* bus) const;
};
using PrivateBus = std::unique_ptr<GDBusConnection, PrivateBusClose>;

// The addresses of the session bus ($DBUS_SESSION_BUS_ADDRESS, else the
// socket $XDG_RUNTIME_DIR/bus) and of the system bus
// ($DBUS_SYSTEM_BUS_ADDRESS, else /run/dbus/system_bus_socket); empty when
// there is none (no bus is ever started for them).
std::string sessionBusAddress();
std::string systemBusAddress();

// Connects to the bus at `address`; null with `error` when it cannot.
PrivateBus connectPrivateBus(const std::string& address, std::string& error);

struct GVariantUnref {
    void operator()(GVariant* v) const { g_variant_unref(v); }
};
using VariantPtr = std::unique_ptr<GVariant, GVariantUnref>;

// A method's reply of type `replyType`, asked of a service that runs (none is
// started for it), at most two seconds; null with `error` (when given) when
// it does not answer so.
VariantPtr callRunning(GDBusConnection* bus, const char* name, const char* path,
                       const char* interface, const char* method, GVariant* args,
                       const char* replyType, std::string* error = nullptr);
// A property's value, asked so; null when its owner does not answer.
VariantPtr runningProperty(GDBusConnection* bus, const char* name, const char* path,
                           const char* interface, const char* property,
                           std::string* error = nullptr);

} // namespace pelmora
