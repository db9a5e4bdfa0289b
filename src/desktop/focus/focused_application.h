#pragma once
// The application that has the keyboard focus, as the desktop tells it: the
// ids a profile's "match" list may name (the X11 WM_CLASS class and
// instance, or the Wayland app id, then the executable's file name), the
// window's title (shown in the profile chooser, never stored) and its
// process.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

struct FocusedApplication {
    std::vector<std::string> ids; // the most telling first; none empty, no two alike
    std::string title;
    std::uint32_t pid = 0; // 0: not known

    bool operator==(const FocusedApplication&) const = default;
};

// Application ids compare without regard to ASCII case.
bool sameApplicationId(std::string_view a, std::string_view b);
// Whether both name the same application (their first ids).
bool sameApplication(const FocusedApplication& a, const FocusedApplication& b);

// What the desktop said, made safe: `names` in order and then the file name
// of `pid`'s executable, each kept once; a name that is empty, longer than
// 255 bytes or holds a control character is dropped (the names come from
// other programs). The title is cut to 256 bytes at a character's start.
FocusedApplication focusedApplication(const std::vector<std::string>& names, std::string title,
                                      std::uint32_t pid,
                                      const std::filesystem::path& procRoot = "/proc");

// The ids of Pelmora's own window (its Wayland app id and X11 class).
bool isOwnApplication(const FocusedApplication& application, std::uint32_t ownPid);

} // namespace pelmora
