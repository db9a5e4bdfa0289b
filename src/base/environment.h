#pragma once
// The process's environment variables, read where they are used.

#include <string>

namespace pelmora {

// The value of an environment variable; empty when it is not set.
std::string environmentValue(const char* name);

} // namespace pelmora
