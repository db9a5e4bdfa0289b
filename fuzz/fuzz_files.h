#pragma once
// A scratch folder per fuzz process for targets that read real files.

#include <filesystem>
#include <fstream>
#include <span>
#include <unistd.h>

namespace pelmora::fuzz {

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        const std::filesystem::path base = std::filesystem::exists("/dev/shm")
                                               ? "/dev/shm"
                                               : std::filesystem::temp_directory_path();
        auto dir = base / ("pelmora-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        return dir;
    }();
    return folder;
}

inline std::filesystem::path writeScratchFile(const char* name,
                                              std::span<const std::uint8_t> bytes) {
    const auto file = scratchFolder() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return file;
}

// Removes the scratch folder when the fuzz process ends.
struct ScratchCleanup {
    ~ScratchCleanup() {
        std::error_code ec;
        std::filesystem::remove_all(scratchFolder(), ec);
    }
};

} // namespace pelmora::fuzz
