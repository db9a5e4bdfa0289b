#include "desktop/focus/x11_focus_source.h"

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace pelmora {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

struct ConnectionDeleter {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

enum Atom : std::size_t { ActiveWindow, Supported, WmPid, WmName, Utf8String, AtomCount };
constexpr std::array<std::string_view, AtomCount> kAtomNames{
    "_NET_ACTIVE_WINDOW", "_NET_SUPPORTED", "_NET_WM_PID", "_NET_WM_NAME", "UTF8_STRING"};

class X11FocusSource final : public FocusSource {
public:
    X11FocusSource(std::unique_ptr<xcb_connection_t, ConnectionDeleter> connection,
                   xcb_window_t root, std::array<xcb_atom_t, AtomCount> atoms)
        : connection_(std::move(connection)), root_(root), atoms_(atoms) {}

    int fd() const override { return xcb_get_file_descriptor(connection_.get()); }

    bool dispatch() override {
        // Waiting for a property's reply, xcb reads the events that come
        // meanwhile into its queue, where the descriptor no longer shows
        // them: the queue is looked at again until a pass finds no change.
        for (;;) {
            bool changed = false;
            while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(connection_.get())}) {
                if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                    const auto* notify =
                        reinterpret_cast<xcb_property_notify_event_t*>(event.get());
                    changed = changed ||
                              (notify->window == root_ && notify->atom == atoms_[ActiveWindow]);
                }
            }
            if (xcb_connection_has_error(connection_.get()) != 0) {
                return false;
            }
            if (!changed) {
                return true;
            }
            tellActive();
        }
    }

    void tellCurrent() override {
        lastWindow_ = XCB_WINDOW_NONE;
        tellActive();
        dispatch();
    }

    // The window that has the focus now, when it is another than last told.
    void tellActive() {
        const std::vector<char> active = property(root_, atoms_[ActiveWindow], XCB_ATOM_WINDOW);
        xcb_window_t window = XCB_WINDOW_NONE;
        if (active.size() >= sizeof window) {
            std::memcpy(&window, active.data(), sizeof window);
        }
        if (window == XCB_WINDOW_NONE || window == lastWindow_) {
            return;
        }
        lastWindow_ = window;
        // WM_CLASS holds "instance\0class\0".
        const std::vector<char> wmClass = property(window, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
        std::vector<std::string> parts;
        for (std::size_t at = 0; at < wmClass.size();) {
            const std::size_t end =
                std::string_view(wmClass.data() + at, wmClass.size() - at).find('\0');
            const std::size_t length = end == std::string_view::npos ? wmClass.size() - at : end;
            parts.emplace_back(wmClass.data() + at, length);
            at += length + 1;
        }
        std::vector<std::string> names;
        if (parts.size() >= 2) {
            names.push_back(parts[1]);
        }
        if (!parts.empty()) {
            names.push_back(parts[0]);
        }
        std::uint32_t pid = 0;
        if (const std::vector<char> value = property(window, atoms_[WmPid], XCB_ATOM_CARDINAL);
            value.size() >= sizeof pid) {
            std::memcpy(&pid, value.data(), sizeof pid);
        }
        std::vector<char> title = property(window, atoms_[WmName], atoms_[Utf8String]);
        if (title.empty()) {
            title = property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        }
        tell(focusedApplication(names, std::string(title.begin(), title.end()), pid));
    }

    bool managerKeepsActiveWindow() {
        const std::vector<char> supported = property(root_, atoms_[Supported], XCB_ATOM_ATOM);
        for (std::size_t at = 0; at + sizeof(xcb_atom_t) <= supported.size();
             at += sizeof(xcb_atom_t)) {
            xcb_atom_t atom = XCB_ATOM_NONE;
            std::memcpy(&atom, supported.data() + at, sizeof atom);
            if (atom == atoms_[ActiveWindow]) {
                return true;
            }
        }
        return false;
    }

    void watchRoot() {
        const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_change_window_attributes(connection_.get(), root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_.get());
    }

private:
    // At most 64 KiB of a property, empty when it is missing or of another type.
    std::vector<char> property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(connection_.get(), 0, window, name, type, 0, 16384);
        XcbReply<xcb_get_property_reply_t> reply{
            xcb_get_property_reply(connection_.get(), cookie, nullptr)};
        if (!reply || reply->type != type) {
            return {};
        }
        const auto* data = static_cast<const char*>(xcb_get_property_value(reply.get()));
        return {data, data + xcb_get_property_value_length(reply.get())};
    }

    std::unique_ptr<xcb_connection_t, ConnectionDeleter> connection_;
    xcb_window_t root_;
    std::array<xcb_atom_t, AtomCount> atoms_;
    xcb_window_t lastWindow_ = XCB_WINDOW_NONE;
};

} // namespace

std::unique_ptr<FocusSource> openX11FocusSource(std::string& error) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        error = "no X display ($DISPLAY is not set)";
        return nullptr;
    }
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, ConnectionDeleter> connection{
        xcb_connect(nullptr, &screenNumber)};
    if (xcb_connection_has_error(connection.get()) != 0) {
        error = std::string("the X display ") + display + " cannot be opened";
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        error = "the X display has no such screen";
        return nullptr;
    }
    std::array<xcb_intern_atom_cookie_t, AtomCount> cookies{};
    for (std::size_t i = 0; i < AtomCount; ++i) {
        cookies[i] =
            xcb_intern_atom(connection.get(), 0, static_cast<std::uint16_t>(kAtomNames[i].size()),
                            kAtomNames[i].data());
    }
    std::array<xcb_atom_t, AtomCount> atoms{};
    for (std::size_t i = 0; i < AtomCount; ++i) {
        XcbReply<xcb_intern_atom_reply_t> reply{
            xcb_intern_atom_reply(connection.get(), cookies[i], nullptr)};
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    auto source =
        std::make_unique<X11FocusSource>(std::move(connection), screens.data->root, atoms);
    if (!source->managerKeepsActiveWindow()) {
        error = "the window manager does not tell the active window (_NET_ACTIVE_WINDOW)";
        return nullptr;
    }
    source->watchRoot();
    return source;
}

} // namespace pelmora
