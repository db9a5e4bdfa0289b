#pragma once
// A named pipe in place of a file, for tests that the program never waits on
// one. Should the code under test block in open() or read() anyway, the
// guard opens the writing end after a grace period and closes it again, which
// ends the wait with end-of-file; `released()` then tells the test it hung.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <stop_token>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora::test {

class FifoGuard {
public:
    explicit FifoGuard(std::filesystem::path path,
                       std::chrono::milliseconds grace = std::chrono::seconds(3))
        : path_(std::move(path)) {
        created_ = ::mkfifo(path_.c_str(), 0600) == 0;
        thread_ = std::jthread([this, grace](std::stop_token stop) {
            const auto end = std::chrono::steady_clock::now() + grace;
            while (!stop.stop_requested() && std::chrono::steady_clock::now() < end) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            // Opening for writing without blocking succeeds only while a
            // reader waits; keep trying until the test is over.
            while (!stop.stop_requested()) {
                const int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    released_ = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
    }
    FifoGuard(const FifoGuard&) = delete;
    FifoGuard& operator=(const FifoGuard&) = delete;
    ~FifoGuard() {
        thread_.request_stop();
        thread_.join();
    }

    bool created() const { return created_; }
    // True when something waited on the pipe past the grace period.
    bool released() const { return released_; }

private:
    std::filesystem::path path_;
    bool created_ = false;
    std::atomic<bool> released_{false};
    std::jthread thread_;
};

} // namespace pelmora::test
