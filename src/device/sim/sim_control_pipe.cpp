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

UniqueFd openControlPipe(const std::filesystem::path& path, std::string& error) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT || ::mkfifo(path.c_str(), 0600) != 0) {
            error = "cannot create the control pipe " + path.string() + ": " + std::strerror(errno);
            return UniqueFd();
        }
    } else if (!S_ISFIFO(st.st_mode)) {
        error = path.string() + " exists and is not a named pipe";
        return UniqueFd();
    }
    UniqueFd fifo(::open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!fifo.valid()) {
        error = "cannot open the control pipe " + path.string() + ": " + std::strerror(errno);
    }
    return fifo;
}

std::vector<std::string> ControlLineBuffer::feed(std::string_view text) {
    constexpr std::size_t kLongestLine = 4096;
    std::vector<std::string> lines;
    pending_.append(text);
    std::size_t end;
    while ((end = pending_.find('\n')) != std::string::npos) {
        std::string line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        if (line.find_first_not_of(" \t\r") != std::string::npos) {
            lines.push_back(std::move(line));
        }
    }
    if (pending_.size() > kLongestLine) {
        pending_.clear(); // no line is that long: drop the noise
    }
    return lines;
}

bool SimControlPipe::start(const std::filesystem::path& path, std::string& error) {
    fifo_ = openControlPipe(path, error);
    if (!fifo_.valid()) {
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void SimControlPipe::run() {
    ControlLineBuffer lines;
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
        for (const std::string& line : lines.feed({buffer, static_cast<std::size_t>(n)})) {
            std::string error;
            if (!mouse_->handleControlLine(line, error) && onError_) {
                onError_(error);
            }
        }
    }
}

} // namespace pelmora::sim
