#pragma once
// What the program tells the user about the link to the mouse, in the four
// interface languages: writes an Apply lost, and why a mouse that is plugged
// in cannot be used.

#include "settings/interface_texts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace pelmora {

// Why the mouse is not usable although it is there (None: nothing known).
enum class MouseProblem : std::uint8_t {
    None,
    NoPermission,         // its nodes may not be opened by this user
    UnreadableDescriptor, // its report descriptor cannot be read or parsed
    CannotOpen,           // opening failed for another reason
};

// "The mouse stopped answering; N of M writes did not reach it." in the language.
std::string writesLostText(std::size_t failed, std::size_t total, Language language);

// One sentence on the problem in the language, and where to find out more
// (pelmora-cli doctor); empty for None.
std::string mouseProblemText(MouseProblem problem, Language language);

} // namespace pelmora
