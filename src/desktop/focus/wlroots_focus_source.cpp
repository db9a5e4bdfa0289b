#include "desktop/focus/wlroots_focus_source.h"

#include "wlr-foreign-toplevel-management-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <list>
#include <string_view>

namespace pelmora {

namespace {

constexpr std::uint32_t kManagerVersion = 3;

struct DisplayDeleter {
    void operator()(wl_display* display) const { wl_display_disconnect(display); }
};

class WlrootsFocusSource;

struct Toplevel {
    WlrootsFocusSource* owner = nullptr;
    zwlr_foreign_toplevel_handle_v1* handle = nullptr;
    std::string title;
    std::string appId;
    bool activatedPending = false;
    bool activated = false;
    std::string toldAppId; // the app id last told while it was activated
};

class WlrootsFocusSource final : public FocusSource {
public:
    explicit WlrootsFocusSource(std::unique_ptr<wl_display, DisplayDeleter> display)
        : display_(std::move(display)) {}

    ~WlrootsFocusSource() override {
        for (Toplevel& toplevel : toplevels_) {
            zwlr_foreign_toplevel_handle_v1_destroy(toplevel.handle);
        }
        if (manager_) {
            zwlr_foreign_toplevel_manager_v1_stop(manager_);
            zwlr_foreign_toplevel_manager_v1_destroy(manager_);
        }
        if (registry_) {
            wl_registry_destroy(registry_);
        }
        wl_display_flush(display_.get());
    }

    // Binds the manager; false when the compositor has none.
    bool bind() {
        registry_ = wl_display_get_registry(display_.get());
        wl_registry_add_listener(registry_, &kRegistryListener, this);
        if (wl_display_roundtrip(display_.get()) < 0 || !manager_) {
            return false;
        }
        zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &kManagerListener, this);
        // The toplevels and then their states arrive.
        return wl_display_roundtrip(display_.get()) >= 0 &&
               wl_display_roundtrip(display_.get()) >= 0;
    }

    int fd() const override { return wl_display_get_fd(display_.get()); }

    bool dispatch() override {
        wl_display* display = display_.get();
        while (wl_display_prepare_read(display) != 0) {
            if (wl_display_dispatch_pending(display) < 0) {
                return false;
            }
        }
        wl_display_flush(display);
        // Called when the descriptor is readable: this does not wait.
        if (wl_display_read_events(display) < 0) {
            return false;
        }
        return wl_display_dispatch_pending(display) >= 0 && !finished_;
    }

    void tellCurrent() override {
        const auto focused = std::ranges::find_if(toplevels_, &Toplevel::activated);
        if (focused != toplevels_.end()) {
            tellOf(*focused);
        }
    }

private:
    void tellOf(Toplevel& toplevel) {
        toplevel.toldAppId = toplevel.appId;
        tell(focusedApplication({toplevel.appId}, toplevel.title, 0));
    }

    static void global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                       std::uint32_t version) {
        auto* self = static_cast<WlrootsFocusSource*>(data);
        if (!self->manager_ &&
            std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name) == 0) {
            self->manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(
                wl_registry_bind(registry, name, &zwlr_foreign_toplevel_manager_v1_interface,
                                 std::min(version, kManagerVersion)));
        }
    }
    static void globalRemove(void*, wl_registry*, std::uint32_t) {}

    static void toplevelAdded(void* data, zwlr_foreign_toplevel_manager_v1*,
                              zwlr_foreign_toplevel_handle_v1* handle) {
        auto* self = static_cast<WlrootsFocusSource*>(data);
        Toplevel& toplevel = self->toplevels_.emplace_back();
        toplevel.owner = self;
        toplevel.handle = handle;
        zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kToplevelListener, &toplevel);
    }
    static void managerFinished(void* data, zwlr_foreign_toplevel_manager_v1*) {
        auto* self = static_cast<WlrootsFocusSource*>(data);
        // The compositor destroyed the manager with this event.
        zwlr_foreign_toplevel_manager_v1_destroy(self->manager_);
        self->manager_ = nullptr;
        self->finished_ = true;
    }

    static void title(void* data, zwlr_foreign_toplevel_handle_v1*, const char* text) {
        static_cast<Toplevel*>(data)->title = text ? text : "";
    }
    static void appId(void* data, zwlr_foreign_toplevel_handle_v1*, const char* text) {
        static_cast<Toplevel*>(data)->appId = text ? text : "";
    }
    static void output(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}
    static void state(void* data, zwlr_foreign_toplevel_handle_v1*, wl_array* states) {
        auto* toplevel = static_cast<Toplevel*>(data);
        toplevel->activatedPending = false;
        const std::size_t count = states->size / sizeof(std::uint32_t);
        for (std::size_t i = 0; i < count; ++i) {
            std::uint32_t value = 0;
            std::memcpy(&value, static_cast<const char*>(states->data) + i * sizeof value,
                        sizeof value);
            toplevel->activatedPending = toplevel->activatedPending ||
                                         value == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
        }
    }
    static void done(void* data, zwlr_foreign_toplevel_handle_v1*) {
        auto* toplevel = static_cast<Toplevel*>(data);
        const bool gained = toplevel->activatedPending && !toplevel->activated;
        toplevel->activated = toplevel->activatedPending;
        if (toplevel->activated && (gained || toplevel->appId != toplevel->toldAppId)) {
            toplevel->owner->tellOf(*toplevel);
        }
    }
    static void closed(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
        auto* toplevel = static_cast<Toplevel*>(data);
        WlrootsFocusSource* self = toplevel->owner;
        zwlr_foreign_toplevel_handle_v1_destroy(handle);
        self->toplevels_.remove_if([&](const Toplevel& t) { return &t == toplevel; });
    }
    static void parent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

    static constexpr wl_registry_listener kRegistryListener{global, globalRemove};
    static constexpr zwlr_foreign_toplevel_manager_v1_listener kManagerListener{toplevelAdded,
                                                                                managerFinished};
    static constexpr zwlr_foreign_toplevel_handle_v1_listener kToplevelListener{
        title, appId, output, output, state, done, closed, parent};

    std::unique_ptr<wl_display, DisplayDeleter> display_;
    wl_registry* registry_ = nullptr;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    std::list<Toplevel> toplevels_; // the listeners hold their addresses
    bool finished_ = false;
};

} // namespace

std::unique_ptr<FocusSource> openWlrootsFocusSource(std::string& error) {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    if (!name || !*name) {
        error = "no Wayland display ($WAYLAND_DISPLAY is not set)";
        return nullptr;
    }
    std::unique_ptr<wl_display, DisplayDeleter> display{wl_display_connect(nullptr)};
    if (!display) {
        error = std::string("the Wayland display ") + name + " cannot be reached";
        return nullptr;
    }
    auto source = std::make_unique<WlrootsFocusSource>(std::move(display));
    if (!source->bind()) {
        error = "the compositor does not offer the wlroots toplevel list "
                "(zwlr_foreign_toplevel_manager_v1)";
        return nullptr;
    }
    return source;
}

} // namespace pelmora
