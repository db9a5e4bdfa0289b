#pragma once
// Keeps a second copy of the program from running: an advisory lock on a file
// named after the mutex "KandroMutex" in the user's runtime folder. The kernel
// drops the lock when the owner dies, so a crashed copy leaves nothing stale.

#include "base/unique_fd.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace pelmora {

inline constexpr std::string_view kInstanceMutexName = "KandroMutex";

class SingleInstanceLock {
public:
    enum class Result {
        Acquired,       // this process is the only copy
        AlreadyRunning, // another copy holds the lock
        Failed,         // the lock file could not be opened (see error())
    };

    // Takes the lock on `folder`/KandroMutex.lock. Never blocks. A lock file
    // owned by another user is a failure, never a second copy.
    Result acquire(const std::filesystem::path& folder);
    bool held() const { return fd_.valid(); }
    const std::string& error() const { return error_; }

    // $XDG_RUNTIME_DIR when set and a folder, else the user's own folder
    // pelmora-<uid> (mode 0700) in the temp folder.
    static std::filesystem::path defaultFolder();
    static std::filesystem::path lockFile(const std::filesystem::path& folder);

private:
    UniqueFd fd_;
    std::string error_;
};

// Takes the lock; when the lock file cannot be used, says so on stderr (the
// program then runs without the lock).
SingleInstanceLock::Result takeInstanceLock(SingleInstanceLock& lock,
                                            const std::filesystem::path& folder);

} // namespace pelmora
