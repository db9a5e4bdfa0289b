#include "settings/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

namespace pelmora {

namespace {

// Closes the descriptor and removes the temporary file unless released.
class TempFile {
public:
    TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        if (!committed_) {
            ::unlink(path_.c_str());
        }
    }
    int fd() const { return fd_; }
    const std::string& path() const { return path_; }
    bool close() {
        const int rc = ::close(fd_);
        fd_ = -1;
        return rc == 0;
    }
    void commit() { committed_ = true; }

private:
    int fd_;
    std::string path_;
    bool committed_ = false;
};

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

bool failWith(std::string& error, int* errorCode, const std::string& what) {
    const int e = errno;
    error = what + ": " + std::strerror(e);
    if (errorCode) {
        *errorCode = e;
    }
    return false;
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
    std::string pattern = file.string() + ".XXXXXX";
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0) {
        return failWith(error, errorCode, "cannot create a temporary file beside " + file.string());
    }
    TempFile temp(fd, pattern);

    struct stat old {};
    if (::stat(file.c_str(), &old) == 0) {
        ::fchmod(temp.fd(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(temp.fd(), 0666 & ~mask);
    }

    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(temp.fd(), content.data() + written, content.size() - written);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return failWith(error, errorCode, "cannot write " + temp.path());
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(temp.fd()) != 0) {
        return failWith(error, errorCode, "cannot flush " + temp.path());
    }
    if (!temp.close()) {
        return failWith(error, errorCode, "cannot close " + temp.path());
    }
    if (::rename(temp.path().c_str(), file.c_str()) != 0) {
        return failWith(error, errorCode, "cannot replace " + file.string());
    }
    temp.commit();
    return true;
}

bool readWholeFile(const std::filesystem::path& file, std::string& content, std::string& error,
                   int* errorCode) {
    // Without O_NONBLOCK, opening a pipe would wait for a writer; only a
    // regular file is read (a device such as /dev/zero would never end).
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
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
