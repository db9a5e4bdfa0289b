// Plays a pointer and a keyboard (wlroots' virtual pointer, the virtual keyboard
// protocol with xkbcommon's us keymap, so evdev codes arrive unchanged) to a
// Wayland compositor: click X Y WIDTH HEIGHT | keys +CODE (press) -CODE (release)...

#include "base/unique_fd.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

constexpr std::uint32_t kLeftButton = 0x110; // BTN_LEFT
constexpr auto kStep = std::chrono::milliseconds(40);

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* pointers = nullptr;
    zwp_virtual_keyboard_manager_v1* keyboards = nullptr;
};

void onGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t /*version*/) {
    auto* g = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && g->seat == nullptr) {
        g->seat = static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        g->pointers = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    } else if (std::strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        g->keyboards = static_cast<zwp_virtual_keyboard_manager_v1*>(
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1));
    }
}
void onGlobalRemove(void*, wl_registry*, std::uint32_t) {}
constexpr wl_registry_listener kRegistryListener{onGlobal, onGlobalRemove};

std::uint32_t now() {
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int fail(const char* what) {
    std::fprintf(stderr, "wl-virtual-input: %s\n", what);
    return 1;
}

void pause(wl_display* display) {
    wl_display_roundtrip(display);
    std::this_thread::sleep_for(kStep);
}

int click(wl_display* display, const Globals& g, char** args) {
    if (g.pointers == nullptr) {
        return fail("the compositor has no virtual pointer");
    }
    const auto value = [&](int i) { return static_cast<std::uint32_t>(std::atoi(args[i])); };
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(g.pointers, g.seat);
    zwlr_virtual_pointer_v1_motion_absolute(pointer, now(), value(0), value(1), value(2), value(3));
    zwlr_virtual_pointer_v1_frame(pointer);
    pause(display);
    for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
        zwlr_virtual_pointer_v1_button(pointer, now(), kLeftButton, state);
        zwlr_virtual_pointer_v1_frame(pointer);
        pause(display);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    return 0;
}

int keys(wl_display* display, const Globals& g, int count, char** args) {
    if (g.keyboards == nullptr || g.seat == nullptr) {
        return fail("the compositor has no virtual keyboard");
    }
    const std::unique_ptr<xkb_context, decltype(&xkb_context_unref)> context(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS), xkb_context_unref);
    const xkb_rule_names names{"evdev", "pc105", "us", "", ""};
    const std::unique_ptr<xkb_keymap, decltype(&xkb_keymap_unref)> keymap(
        xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS),
        xkb_keymap_unref);
    if (!keymap) {
        return fail("no us keymap");
    }
    const std::unique_ptr<char, decltype(&std::free)> text(
        xkb_keymap_get_as_string(keymap.get(), XKB_KEYMAP_FORMAT_TEXT_V1), std::free);
    const std::size_t size = std::strlen(text.get()) + 1;
    const pelmora::UniqueFd fd(memfd_create("keymap", MFD_CLOEXEC));
    if (fd.get() < 0 || write(fd.get(), text.get(), size) != static_cast<ssize_t>(size)) {
        return fail("cannot hand over the keymap");
    }
    const std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> state(xkb_state_new(keymap.get()),
                                                                       xkb_state_unref);
    zwp_virtual_keyboard_v1* keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(g.keyboards, g.seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd.get(),
                                   static_cast<std::uint32_t>(size));
    pause(display);
    const auto send = [&](std::uint32_t code, bool down) {
        zwp_virtual_keyboard_v1_key(keyboard, now(), code,
                                    down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                         : WL_KEYBOARD_KEY_STATE_RELEASED);
        xkb_state_update_key(state.get(), code + 8, down ? XKB_KEY_DOWN : XKB_KEY_UP);
        zwp_virtual_keyboard_v1_modifiers(
            keyboard, xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_DEPRESSED),
            xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_LATCHED),
            xkb_state_serialize_mods(state.get(), XKB_STATE_MODS_LOCKED),
            xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE));
        pause(display);
    };
    for (int i = 0; i < count; ++i) {
        send(static_cast<std::uint32_t>(std::atoi(args[i] + 1)), args[i][0] == '+');
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool isClick = argc == 6 && std::strcmp(argv[1], "click") == 0;
    const bool isKeys = argc >= 3 && std::strcmp(argv[1], "keys") == 0;
    if (!isClick && !isKeys) {
        std::fputs("usage: wl-virtual-input click X Y WIDTH HEIGHT | keys +CODE|-CODE...\n",
                   stderr);
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr) {
        return fail("no Wayland display");
    }
    Globals globals;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &globals);
    wl_display_roundtrip(display);
    const int status =
        isClick ? click(display, globals, argv + 2) : keys(display, globals, argc - 2, argv + 2);
    // Everything goes before the connection, so that a leak checker finds nothing.
    for (void* proxy : {static_cast<void*>(globals.pointers), static_cast<void*>(globals.keyboards),
                        static_cast<void*>(globals.seat)}) {
        if (proxy != nullptr) {
            wl_proxy_destroy(static_cast<wl_proxy*>(proxy));
        }
    }
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return status;
}
