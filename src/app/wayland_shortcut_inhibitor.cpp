#include "app/wayland_shortcut_inhibitor.h"

#include "ui/skin/display_session.h"

#include "keyboard-shortcuts-inhibit-unstable-v1-client-protocol.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstring>

namespace pelmora {

namespace {

struct Global {
    std::uint32_t name = 0;
};

void onGlobal(void* data, wl_registry* /*registry*/, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    if (std::strcmp(interface, zwp_keyboard_shortcuts_inhibit_manager_v1_interface.name) == 0) {
        static_cast<Global*>(data)->name = name;
    }
}
void onGlobalRemove(void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}
constexpr wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

class Inhibition final : public ShortcutInhibition {
public:
    Inhibition(wl_display* display, zwp_keyboard_shortcuts_inhibitor_v1* inhibitor,
               std::function<void(bool)> answer)
        : display_(display), inhibitor_(inhibitor), answer_(std::move(answer)) {
        zwp_keyboard_shortcuts_inhibitor_v1_add_listener(inhibitor_, &kListener, this);
        wl_display_flush(display_);
    }
    ~Inhibition() override {
        zwp_keyboard_shortcuts_inhibitor_v1_destroy(inhibitor_);
        wl_display_flush(display_);
    }
    Inhibition(const Inhibition&) = delete;
    Inhibition& operator=(const Inhibition&) = delete;

private:
    // The events come on the display's default queue, which Qt dispatches on
    // the GUI thread.
    static void onActive(void* data, zwp_keyboard_shortcuts_inhibitor_v1* /*inhibitor*/) {
        static_cast<Inhibition*>(data)->answer_(true);
    }
    static void onInactive(void* data, zwp_keyboard_shortcuts_inhibitor_v1* /*inhibitor*/) {
        static_cast<Inhibition*>(data)->answer_(false);
    }
    static constexpr zwp_keyboard_shortcuts_inhibitor_v1_listener kListener{onActive, onInactive};

    wl_display* display_;
    zwp_keyboard_shortcuts_inhibitor_v1* inhibitor_;
    std::function<void(bool)> answer_;
};

} // namespace

std::unique_ptr<WaylandShortcutInhibitor> WaylandShortcutInhibitor::create() {
    if (displaySession() != DisplaySession::Wayland) {
        return nullptr;
    }
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (native == nullptr) {
        return nullptr;
    }
    auto* display = static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
    auto* seat = static_cast<wl_seat*>(native->nativeResourceForIntegration("wl_seat"));
    if (display == nullptr || seat == nullptr) {
        return nullptr;
    }
    // The globals are listed on a queue of our own, so that Qt's dispatching
    // never sees this registry.
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapped = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapped), queue);
    wl_registry* registry = wl_display_get_registry(wrapped);
    wl_proxy_wrapper_destroy(wrapped);
    Global global;
    wl_registry_add_listener(registry, &kRegistryListener, &global);
    wl_display_roundtrip_queue(display, queue);
    zwp_keyboard_shortcuts_inhibit_manager_v1* manager = nullptr;
    if (global.name != 0) {
        manager = static_cast<zwp_keyboard_shortcuts_inhibit_manager_v1*>(wl_registry_bind(
            registry, global.name, &zwp_keyboard_shortcuts_inhibit_manager_v1_interface, 1));
        // The inhibitors made from it answer on the default queue.
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(manager), nullptr);
    }
    wl_registry_destroy(registry);
    wl_event_queue_destroy(queue);
    if (manager == nullptr) {
        return nullptr;
    }
    return std::make_unique<WaylandShortcutInhibitor>(display, seat, manager);
}

WaylandShortcutInhibitor::~WaylandShortcutInhibitor() {
    zwp_keyboard_shortcuts_inhibit_manager_v1_destroy(manager_);
    wl_display_flush(display_);
}

std::unique_ptr<ShortcutInhibition>
WaylandShortcutInhibitor::inhibit(QWindow& window, std::function<void(bool)> answer) {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    auto* surface =
        native != nullptr
            ? static_cast<wl_surface*>(native->nativeResourceForWindow("surface", &window))
            : nullptr;
    if (surface == nullptr) {
        return nullptr;
    }
    return std::make_unique<Inhibition>(
        display_,
        zwp_keyboard_shortcuts_inhibit_manager_v1_inhibit_shortcuts(manager_, surface, seat_),
        std::move(answer));
}

} // namespace pelmora
