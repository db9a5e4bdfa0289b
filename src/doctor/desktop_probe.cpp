#include "doctor/desktop_probe.h"

#include "desktop/private_bus.h"

#include <gio/gio.h>
#include <xcb/xcb.h>

#include <memory>
#include <unistd.h>

namespace pelmora {

namespace {

constexpr int kCallTimeoutMs = 2000;

struct XcbDisconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

VariantPtr call(GDBusConnection* bus, const char* name, const char* path, const char* interface,
                const char* method, GVariant* args, const char* replyType, std::string& error) {
    GError* raw = nullptr;
    VariantPtr reply(g_dbus_connection_call_sync(bus, name, path, interface, method, args,
                                                 G_VARIANT_TYPE(replyType), G_DBUS_CALL_FLAGS_NONE,
                                                 kCallTimeoutMs, nullptr, &raw));
    const GErrorPtr failure(raw);
    if (!reply) {
        error = gErrorText(failure.get());
    }
    return reply;
}

bool listed(GVariant* reply, const char* name) {
    GVariantIter* names = nullptr;
    g_variant_get(reply, "(as)", &names);
    bool found = false;
    const gchar* each = nullptr;
    while (g_variant_iter_next(names, "&s", &each)) {
        found = found || g_strcmp0(each, name) == 0;
    }
    g_variant_iter_free(names);
    return found;
}

} // namespace

std::optional<bool> busNameAvailable(const std::string& address, const char* name,
                                     std::string& error) {
    const PrivateBus bus = connectPrivateBus(address, error);
    if (!bus) {
        return std::nullopt;
    }
    for (const char* method : {"ListNames", "ListActivatableNames"}) {
        const VariantPtr reply = call(bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                      "org.freedesktop.DBus", method, nullptr, "(as)", error);
        if (!reply) {
            return std::nullopt;
        }
        if (listed(reply.get(), name)) {
            return true;
        }
    }
    return false;
}

std::string notificationServer(const std::string& address) {
    std::string error;
    const PrivateBus bus = connectPrivateBus(address, error);
    if (!bus) {
        return {};
    }
    // Asked only of a service that runs: the call must not start one.
    const VariantPtr reply =
        callRunning(bus.get(), "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                    "org.freedesktop.Notifications", "GetServerInformation", nullptr, "(ssss)");
    if (!reply) {
        return {};
    }
    const gchar* name = nullptr;
    const gchar* vendor = nullptr;
    const gchar* version = nullptr;
    g_variant_get(reply.get(), "(&s&s&s&s)", &name, &vendor, &version, nullptr);
    std::string text = name;
    if (*version != 0) {
        text += std::string(" ") + version;
    }
    if (*vendor != 0) {
        text += std::string(" (") + vendor + ")";
    }
    return text;
}

std::optional<bool> xembedTrayPresent(const std::string& display, std::string& error) {
    int screen = 0;
    std::unique_ptr<xcb_connection_t, XcbDisconnect> x(xcb_connect(display.c_str(), &screen));
    if (xcb_connection_has_error(x.get()) != 0) {
        error = "cannot open the X display " + display;
        return std::nullopt;
    }
    const std::string atomName = "_NET_SYSTEM_TRAY_S" + std::to_string(screen);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(x.get(),
                              xcb_intern_atom(x.get(), 0,
                                              static_cast<std::uint16_t>(atomName.size()),
                                              atomName.c_str()),
                              nullptr),
        &std::free);
    if (!atom) {
        error = "the X server did not answer";
        return std::nullopt;
    }
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(x.get(), xcb_get_selection_owner(x.get(), atom->atom),
                                      nullptr),
        &std::free);
    return owner && owner->owner != XCB_NONE;
}

SeatSession logindSession() {
    SeatSession session;
    const PrivateBus bus = connectPrivateBus(systemBusAddress(), session.detail);
    if (!bus) {
        session.detail = "no system bus: " + session.detail;
        return session;
    }
    constexpr const char* kLogind = "org.freedesktop.login1";
    const VariantPtr path =
        call(bus.get(), kLogind, "/org/freedesktop/login1", "org.freedesktop.login1.Manager",
             "GetSessionByPID", g_variant_new("(u)", static_cast<guint32>(::getpid())), "(o)",
             session.detail);
    if (!path) {
        return session;
    }
    const gchar* object = nullptr;
    g_variant_get(path.get(), "(&o)", &object);
    const VariantPtr all =
        call(bus.get(), kLogind, object, "org.freedesktop.DBus.Properties", "GetAll",
             g_variant_new("(s)", "org.freedesktop.login1.Session"), "(a{sv})", session.detail);
    if (!all) {
        return session;
    }
    VariantPtr properties(g_variant_get_child_value(all.get(), 0));
    gboolean active = FALSE;
    g_variant_lookup(properties.get(), "Active", "b", &active);
    const gchar* seat = nullptr;
    const gchar* seatPath = nullptr;
    if (g_variant_lookup(properties.get(), "Seat", "(&s&o)", &seat, &seatPath) && seat != nullptr) {
        session.seat = seat;
    }
    session.known = true;
    session.active = active != FALSE;
    return session;
}

} // namespace pelmora
