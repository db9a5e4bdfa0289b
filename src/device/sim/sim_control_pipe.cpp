#include "device/sim/sim_control_pipe.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>

namespace pelmora::sim {

SimControlPipe::SimControlPipe(std::shared_ptr<SimulatedMouse> mouse, ErrorHandler onError)
    : mouse_(std::move(mouse)), onError_(std::move(onError)) {}

SimControlPipe::~SimControlPipe() {
    if (thread_.joinable()) {
        stop_.signal();
        thread_.join();
    }
}

bool SimControlPipe::start(const std::filesystem::path& path, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT || ::mkfifo(path.c_str(), 0600) != 0) {
            error = "cannot create the control pipe " + path.string() + ": " + std::strerror(errno);
            return false;
        }
    } else if (!S_ISFIFO(st.st_mode)) {
        error = path.string() + " exists and is not a named pipe";
        return false;
    }
    // Opened for reading and writing: the pipe then never reports an end
    // when a writer closes it, and the open does not wait for a writer.
    fifo_.reset(::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!fifo_.valid()) {
        error = "cannot open the control pipe " + path.string() + ": " + std::strerror(errno);
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimControlPipe::run() {
    std::string pending;
    char buffer[512];
    while (true) {
        pollfd fds[2] = {{fifo_.get(), POLLIN, 0}, {stop_.fd(), POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        const ssize_t n = ::read(fifo_.get(), buffer, sizeof buffer);
        if (n <= 0) {
            continue;
        }
        pending.append(buffer, static_cast<std::size_t>(n));
        std::size_t end;
        while ((end = pending.find('\n')) != std::string::npos) {
            const std::string line = pending.substr(0, end);
            pending.erase(0, end + 1);
            if (line.find_first_not_of(" \t\r") == std::string::npos) {
                continue;
            }
            std::string error;
            if (!mouse_->handleControlLine(line, error) && onError_) {
                onError_(error);
            }
        }
        if (pending.size() > 4096) {
            pending.clear(); // no line is that long: drop the noise
        }
    }
}

} // namespace pelmora::sim
