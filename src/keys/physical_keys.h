#pragma once
// Names of physical keys. A key event carries the key's evdev code (on X11
// and Wayland a Qt key event's nativeScanCode() minus 8); the same key always
// gets the same English name of the key-name table, whatever the keyboard
// layout, the Num Lock state or the modifiers held: the keypad's 1 is
// "Num 1" also when it acts as End, the right Ctrl key is "Right Ctrl".

#include <cstdint>
#include <span>
#include <string_view>

namespace pelmora {

// One physical key: its evdev code and the key-name table's code for it
// (a keyboard usage of page 0x07).
struct PhysicalKey {
    int evdevCode;
    std::uint8_t usage;
};

// Every key that has a name, in evdev order.
std::span<const PhysicalKey> physicalKeyTable();

// The keyboard usage of a physical key; 0 for a key the mouse cannot send.
std::uint8_t keyCodeFromEvdevCode(int evdevCode);

// The name of a physical key: the key-name table's name of its usage, or,
// for the few keys the mouse cannot send, the name the desktop gives them
// ("Application" for the menu key). Empty for any other code.
std::string_view keyNameFromEvdevCode(int evdevCode);

} // namespace pelmora
