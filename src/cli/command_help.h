#pragma once
// What `pelmora-cli COMMAND --help` prints for each command.

#include <string_view>

namespace pelmora::cli {

// The help text of a command; empty for an unknown name.
std::string_view commandHelp(std::string_view command);

} // namespace pelmora::cli
