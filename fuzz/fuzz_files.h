#pragma once
// A scratch folder per fuzz process for targets that read real files.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <unistd.h>

namespace pelmora::fuzz {

// The folder's name: under $PELMORA_FUZZ_SCRATCH when set (scripts/fuzz
// points it into its own work folder, removed whatever happens), else in
// /dev/shm or the temp dir, one per process.
inline std::filesystem::path scratchFolderPath() {
    const char* given = std::getenv("PELMORA_FUZZ_SCRATCH");
    const std::filesystem::path base = given != nullptr && *given != '\0' ? given
                                       : std::filesystem::exists("/dev/shm")
                                           ? "/dev/shm"
                                           : std::filesystem::temp_directory_path();
    return base / ("pelmora-fuzz-" + std::to_string(::getpid()));
}

inline const std::filesystem::path& scratchFolder() {
    static const std::filesystem::path folder = [] {
        auto dir = scratchFolderPath();
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

// Removes the scratch folder when the fuzz process ends. It names the folder
// afresh: the static path of scratchFolder() may be gone by then.
struct ScratchCleanup {
    ~ScratchCleanup() {
        std::error_code ec;
        std::filesystem::remove_all(scratchFolderPath(), ec);
    }
};

} // namespace pelmora::fuzz
