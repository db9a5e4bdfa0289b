#pragma once
// Reads --sim-control lines from a named pipe on a thread of its own and
// hands them to the simulated mouse. Creates the pipe when it is missing.

#include "device/event_fd.h"
#include "device/sim/simulated_mouse.h"
#include "device/unique_fd.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace pelmora::sim {

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
