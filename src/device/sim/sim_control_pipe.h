#pragma once
// Reads --sim-control lines from a named pipe on a thread of its own and
// hands them to the simulated mouse. Creates the pipe when it is missing.

#include "device/event_fd.h"
#include "device/sim/simulated_mouse.h"
#include "base/unique_fd.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace pelmora::sim {

// Opens the named pipe at `path` (created when missing) for reading and
// writing, non-blocking: it then never reports an end when a writer leaves,
// and the open does not wait for a writer. Anything that is not a named pipe
// is refused (an invalid descriptor and `error`).
UniqueFd openControlPipe(const std::filesystem::path& path, std::string& error);

// Text read from a control pipe, handed out as whole lines; blank lines are
// skipped, and 4096 bytes without a newline are dropped as noise.
class ControlLineBuffer {
public:
    std::vector<std::string> feed(std::string_view text);

private:
    std::string pending_;
};

class SimControlPipe {
public:
    using ErrorHandler = std::function<void(std::string_view)>;

    SimControlPipe(std::shared_ptr<SimulatedMouse> mouse, ErrorHandler onError = {});
    ~SimControlPipe(); // stops and joins the reader
    SimControlPipe(const SimControlPipe&) = delete;
    SimControlPipe& operator=(const SimControlPipe&) = delete;

    // Opens (creating if needed) the pipe and starts reading; false with `error`.
    bool start(const std::filesystem::path& path, std::string& error);

private:
    void run();

    std::shared_ptr<SimulatedMouse> mouse_;
    ErrorHandler onError_;
    UniqueFd fifo_;
    EventFd stop_;
    std::thread thread_;
};

} // namespace pelmora::sim
