#pragma once
// A session bus of its own for one test: dbus-daemon started in the
// foreground, its address read from a pipe, stopped and reaped when the
// object goes. Nothing of the tester's session is used. The one helper of
// the core's and the window's tests.

#include <csignal>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora::test {

class PrivateSessionBus {
public:
    // `config`: a bus configuration file; empty: the standard session bus's.
    explicit PrivateSessionBus(const std::string& config = {}) {
        const std::string configArgument =
            config.empty() ? std::string("--session") : "--config-file=" + config;
        int out[2];
        if (::pipe(out) != 0) {
            return;
        }
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ::execlp("dbus-daemon", "dbus-daemon", configArgument.c_str(), "--nofork",
                     "--nopidfile", "--print-address=1", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        char c = 0;
        while (pid_ > 0 && ::read(out[0], &c, 1) == 1 && c != '\n') {
            address_ += c;
        }
        ::close(out[0]);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;
    ~PrivateSessionBus() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    // Empty when dbus-daemon could not be started.
    const std::string& address() const { return address_; }

private:
    pid_t pid_ = -1;
    std::string address_;
};

} // namespace pelmora::test
