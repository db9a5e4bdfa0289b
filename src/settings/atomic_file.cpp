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

bool replaceFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> content,
                           std::string& error, int* errorCode) {
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
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return failWith(error, errorCode, "cannot open " + file.string());
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
