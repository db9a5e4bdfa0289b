#include "base/environment.h"

#include <cstdlib>

namespace pelmora {

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace pelmora
