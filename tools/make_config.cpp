// Writes the delivered config.bin: flag byte 0, then the factory settings.
#include "settings/factory_settings.h"
#include "settings/settings_file.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-config OUTPUT\n");
        return 2;
    }
    const auto settings = pelmora::factorySettings();
    std::string error;
    if (!pelmora::writeSettingsFileAtomically(argv[1], settings, 0, error)) {
        std::fprintf(stderr, "make-config: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
