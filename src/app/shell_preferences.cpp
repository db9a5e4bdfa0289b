#include "app/shell_preferences.h"

namespace pelmora {

std::string readLanguageCode(const std::filesystem::path&) {
    return {};
}

void readShellPreferences(const std::filesystem::path&, ShellPreferences&) {}

void writeShellLabels(const std::filesystem::path&, const ShellPreferences&) {}

void setDefaultLabels(ShellPreferences& prefs) {
    static constexpr std::array<const char*, 8> kDefaults{"Left Click", "Right Click", "Mid Click",
                                                          "Forward",    "Backward",    "DPI Loop",
                                                          "Key Off",    "Key Off"};
    for (std::size_t i = 0; i < 16; ++i) {
        prefs.labels[i] = kDefaults[i % 8];
    }
}

} // namespace pelmora
