#include "app/single_instance.h"

#include "base/log.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace pelmora {

std::filesystem::path SingleInstanceLock::lockFile(const std::filesystem::path& folder) {
    std::filesystem::path file = folder / kInstanceMutexName;
    file += ".lock";
    return file;
}

std::filesystem::path SingleInstanceLock::defaultFolder() {
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime) {
        std::error_code ec;
        if (std::filesystem::is_directory(runtime, ec)) {
            return runtime;
        }
    }
    // The temp folder is shared by every user: the lock goes into a folder of
    // this user's own, so another user's lock file can never pose as a copy
    // of ours (nor keep us from starting).
    std::error_code ec;
    std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
    const std::filesystem::path folder =
        (ec ? std::filesystem::path("/tmp") : temp) / ("pelmora-" + std::to_string(::geteuid()));
    // An existing folder is checked, whoever made it, when the lock is taken.
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        logLine(LogCategory::Files, LogLevel::Warning,
                "cannot make " + folder.string() + ": " + std::strerror(errno));
    }
    return folder;
}

namespace {
// The lock folder must be the user's alone: a folder that another user made
// (say /tmp/pelmora-1000, made before we ever ran) or may write into could
// hold a lock file that keeps us from starting, or one swapped under us.
std::string privateFolderFault(const std::filesystem::path& folder) {
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) {
        return "cannot use " + folder.string() + ": " + std::strerror(errno);
    }
    if (!S_ISDIR(info.st_mode)) {
        return folder.string() + " is not a folder";
    }
    if (info.st_uid != ::geteuid()) {
        return folder.string() + " belongs to another user";
    }
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        return folder.string() + " can be written by other users";
    }
    return {};
}
} // namespace

SingleInstanceLock::Result SingleInstanceLock::acquire(const std::filesystem::path& folder) {
    fd_.reset(); // closing the last descriptor drops the lock
    error_ = privateFolderFault(folder);
    if (!error_.empty()) {
        return Result::Failed;
    }
    const std::filesystem::path file = lockFile(folder);
    UniqueFd fd(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!fd.valid()) {
        error_ = "cannot open " + file.string() + ": " + std::strerror(errno);
        return Result::Failed;
    }
    int rc = 0;
    do {
        rc = ::flock(fd.get(), LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const int err = errno;
        struct stat info {};
        const bool ours = ::fstat(fd.get(), &info) == 0 && info.st_uid == ::geteuid();
        if (err == EWOULDBLOCK && ours) {
            return Result::AlreadyRunning;
        }
        if (!ours) {
            error_ = file.string() + " belongs to another user";
            return Result::Failed;
        }
        error_ = "cannot lock " + file.string() + ": " + std::strerror(err);
        return Result::Failed;
    }
    // A lock file that belongs to someone else (planted in a shared folder)
    // says nothing about our copies; we run, and say why there is no lock.
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || info.st_uid != ::geteuid()) {
        error_ = file.string() + " belongs to another user";
        return Result::Failed;
    }
    fd_ = std::move(fd);
    return Result::Acquired;
}

SingleInstanceLock::Result takeInstanceLock(SingleInstanceLock& lock,
                                            const std::filesystem::path& folder) {
    const SingleInstanceLock::Result result = lock.acquire(folder);
    if (result == SingleInstanceLock::Result::Failed) {
        logLine(LogCategory::Files, LogLevel::Warning,
                lock.error() + " (running without the lock)");
    }
    return result;
}

} // namespace pelmora
