#include "base/atomic_file.h"

#include "base/unique_fd.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <random>
#include <string>
#include <string_view>

namespace pelmora {

namespace {

bool failWith(std::string& error, int* errorCode, const std::string& what) {
    const int e = errno;
    error = what + ": " + std::strerror(e);
    if (errorCode) {
        *errorCode = e;
    }
    return false;
}

// A temporary file carries a name only between its link into the folder and
// the rename over the real file, and only while its writer holds an flock on
// it. A name of that pattern whose lock can be taken is what a killed save
// left behind.
std::string tempPrefix(const std::filesystem::path& file) {
    return "." + file.filename().string() + ".tmp-";
}
constexpr std::size_t kTempSuffixLength = 6; // mkstemp's XXXXXX

bool isOurTemporaryName(const std::string& name, const std::string& prefix) {
    return name.size() == prefix.size() + kTempSuffixLength && name.starts_with(prefix);
}

// Removes the temporaries of `file` that no live writer holds.
void removeStaleTemporaries(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    const std::string prefix = tempPrefix(file);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!isOurTemporaryName(name, prefix)) {
            continue;
        }
        UniqueFd fd(::open(it->path().c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
        struct stat opened {};
        struct stat named {};
        if (fd.get() < 0 || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0 ||
            ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) {
            continue; // a save in progress, or nothing of ours
        }
        // Still the same file under that name (not renamed away meanwhile).
        if (::lstat(it->path().c_str(), &named) == 0 && named.st_ino == opened.st_ino &&
            named.st_dev == opened.st_dev) {
            ::unlink(it->path().c_str());
        }
    }
}

// The file-creation mask, read without changing it: umask() can only be
// read by setting it, and a save on the transfer thread beside one on the
// simulated mouse's saver thread could leave it at 0 for every later file.
// The kernel shows it in /proc/self/status; without /proc, the mask the
// process started with (read once, before any thread exists) stands in.
mode_t startUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}
const mode_t kStartUmask = startUmask();

mode_t processUmask() {
    UniqueFd fd(::open("/proc/self/status", O_RDONLY | O_CLOEXEC));
    char text[4096];
    const ssize_t n = fd.valid() ? ::read(fd.get(), text, sizeof text - 1) : -1;
    if (n > 0) {
        text[n] = '\0';
        if (const char* line = std::strstr(text, "\nUmask:")) {
            return static_cast<mode_t>(std::strtoul(line + 7, nullptr, 8)) & 0777;
        }
    }
    return kStartUmask;
}

bool writeAll(int fd, std::span<const std::uint8_t> content) {
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool lockTemporary(int fd) {
    int rc = 0;
    do {
        rc = ::flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

void randomSuffix(std::string& pattern) {
    constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    for (std::size_t i = pattern.size() - kTempSuffixLength; i < pattern.size(); ++i) {
        pattern[i] = kLetters[random() % kLetters.size()];
    }
}

// Gives the unnamed (O_TMPFILE) file `fd` a fresh name of the pattern.
// False when that cannot be done (no /proc, a name too long, ...).
bool linkUnnamed(int fd, std::string& pattern) {
    const std::string procPath = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 100; ++attempt) {
        randomSuffix(pattern);
        if (::linkat(AT_FDCWD, procPath.c_str(), AT_FDCWD, pattern.c_str(), AT_SYMLINK_FOLLOW) ==
            0) {
            return true;
        }
        if (errno != EEXIST) {
            return false;
        }
    }
    return false;
}

// The content in a temporary file beside the real one, flushed, named and
// locked: `fd` holds the lock, `temp` the name. A file system without
// unnamed files gets a named temporary from the start.
bool writeTemporary(const std::filesystem::path& folder, std::span<const std::uint8_t> content,
                    mode_t mode, UniqueFd& fd, std::string& temp, std::string& what) {
    // First choice: an unnamed file, written while it has no name, so a kill
    // during the write leaves nothing behind; it is named just before the rename.
    fd.reset(::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (fd.get() >= 0) {
        ::fchmod(fd.get(), mode);
        if (!writeAll(fd.get(), content) || ::fsync(fd.get()) != 0) {
            what = "cannot write a temporary file in ";
            return false;
        }
        if (lockTemporary(fd.get()) && linkUnnamed(fd.get(), temp)) {
            return true;
        }
    }
    // A named file, locked at once; should a cleaner have removed it before
    // the lock was ours, it has no name left and another one is made.
    for (int attempt = 0; attempt < 10; ++attempt) {
        temp.replace(temp.size() - kTempSuffixLength, kTempSuffixLength, "XXXXXX");
        fd.reset(::mkostemp(temp.data(), O_CLOEXEC));
        if (fd.get() < 0) {
            what = "cannot create a temporary file in ";
            return false;
        }
        struct stat info {};
        if (lockTemporary(fd.get()) && ::fstat(fd.get(), &info) == 0 && info.st_nlink > 0) {
            ::fchmod(fd.get(), mode);
            if (!writeAll(fd.get(), content) || ::fsync(fd.get()) != 0) {
                const int e = errno;
                ::unlink(temp.c_str());
                errno = e;
                what = "cannot write a temporary file in ";
                return false;
            }
            return true;
        }
    }
    errno = EAGAIN;
    what = "cannot create a temporary file in ";
    return false;
}

// True when `file` is a regular file that already holds exactly `content`;
// it is then flushed, which costs nothing when its pages are already clean.
bool holdsAlready(const std::filesystem::path& file, std::span<const std::uint8_t> content) {
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) != content.size()) {
        return false;
    }
    std::uint8_t buffer[8192];
    std::size_t offset = 0;
    while (offset < content.size()) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0 || offset + static_cast<std::size_t>(n) > content.size() ||
            std::memcmp(buffer, content.data() + offset, static_cast<std::size_t>(n)) != 0) {
            return false;
        }
        offset += static_cast<std::size_t>(n);
    }
    std::uint8_t more = 0;
    return ::read(fd.get(), &more, 1) == 0 && ::fdatasync(fd.get()) == 0;
}

} // namespace

bool replaceFileAtomically(const std::filesystem::path& link, std::span<const std::uint8_t> content,
                           std::string& error, int* errorCode) {
    // Through a symbolic link the file it points to is replaced: the link stays.
    std::filesystem::path file = link;
    std::error_code ec;
    if (std::filesystem::is_symlink(link, ec)) {
        if (auto target = std::filesystem::canonical(link, ec); !ec) {
            file = std::move(target);
        }
    }
    // A file the user cannot write (made read-only) is left alone, as
    // writing it in place would be refused.
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT) {
        return failWith(error, errorCode, "cannot write " + file.string());
    }
    removeStaleTemporaries(file);
    // Writing the same bytes again would only cost a flush to the disk.
    if (holdsAlready(file, content)) {
        return true;
    }

    mode_t mode = 0;
    if (struct stat old{}; ::stat(file.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode = 0666 & ~processUmask();
    }
    const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
    std::string temp = (folder / tempPrefix(file)).string() + "XXXXXX";
    UniqueFd fd;
    std::string what;
    if (!writeTemporary(folder, content, mode, fd, temp, what)) {
        return failWith(error, errorCode, what + folder.string());
    }
    if (::rename(temp.c_str(), file.c_str()) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        errno = e;
        return failWith(error, errorCode, "cannot replace " + file.string());
    }
    // Closing drops the lock; the name is the real file's by now.
    fd.reset();
    // The rename lives in the folder: flushed too, so that a power cut
    // cannot bring back the old file. A folder that cannot be opened for
    // reading, or a file system that does not sync folders, is left as it is.
    if (const UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        dir.valid() && ::fsync(dir.get()) != 0 && errno != EINVAL) {
        return failWith(error, errorCode, "cannot flush the folder " + folder.string());
    }
    return true;
}

bool readWholeFile(const std::filesystem::path& file, std::string& content, std::string& error,
                   int* errorCode) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer; only a
    // regular file is read (a device such as /dev/zero would never end).
    UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0) {
        return failWith(error, errorCode, "cannot open " + file.string());
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failWith(error, errorCode, "cannot examine " + file.string());
    }
    if (!S_ISREG(info.st_mode)) {
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return failWith(error, errorCode, file.string() + " is not a regular file");
    }
    content.clear();
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failWith(error, errorCode, "cannot read " + file.string());
        }
        if (n == 0) {
            return true;
        }
        content.append(buffer, static_cast<std::size_t>(n));
    }
}

} // namespace pelmora
