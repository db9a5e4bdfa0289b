// pelmora-virtual-mouse: the simulated mouse's firmware model behind
// /dev/uhid, so the kernel, and every program on the machine, sees the mouse
// 04d9:a09f plugged in. It runs until interrupted.

#include "device/uhid/virtual_mouse.h"
#include "base/common_options.h"
#include "base/signal_watch.h"
#include "base/unique_fd.h"
#include "device/sim/sim_control.h"
#include "device/sim/sim_control_pipe.h"
#include "device/sim/simulated_mouse.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <optional>
#include <poll.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

using pelmora::UniqueFd;
using pelmora::uhid::UhidDevice;
using pelmora::uhid::VirtualMouse;

constexpr std::string_view kUsage =
    "usage: pelmora-virtual-mouse [--sim-state FILE] [--sim-control PATH] [--uhid PATH]\n\n"
    "Plays the simulated gaming mouse 04d9:a09f to the kernel through /dev/uhid\n"
    "until interrupted. Needs write access to /dev/uhid (root, or a udev rule).\n\n"
    "options:\n"
    "  --sim-state FILE     load and keep the mouse's state in FILE\n"
    "  --sim-control PATH   named pipe (created when missing) taking one line each:\n"
    "                         event TYPE VALUE   raise a listener event\n"
    "                         unplug, plug       remove the mouse, attach it again\n"
    "                         stall, resume      stop and restart sending bulk chunks\n"
    "                         motion BUTTONS DX DY  a report of the ordinary mouse\n"
    "  --uhid PATH          the uhid device node (default /dev/uhid)\n"
    "  --version            the version and the licence\n";

struct Options {
    pelmora::CommonOptions sim; // --sim-state, --sim-control
    std::string uhid = "/dev/uhid";
};

template <typename T> std::optional<T> number(std::string_view text) {
    T value{};
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The lines only the virtual mouse knows; false when the line is not one.
bool handleOwnLine(std::string_view line, VirtualMouse& mouse, std::string& error) {
    const auto w = pelmora::sim::controlLineWords(line);
    if (w.size() == 1 && w[0] == "stall") {
        mouse.setStalled(true);
        return true;
    }
    if (w.size() == 1 && w[0] == "resume") {
        mouse.setStalled(false);
        return true;
    }
    if (w.size() == 4 && w[0] == "motion") {
        const auto buttons = number<std::uint8_t>(w[1]);
        const auto dx = number<std::int16_t>(w[2]);
        const auto dy = number<std::int16_t>(w[3]);
        if (!buttons || !dx || !dy) {
            error = "motion BUTTONS DX DY takes 0..255 and two numbers from -32768 to 32767";
        } else {
            mouse.sendPointerReport(*buttons, *dx, *dy, 0, error);
        }
        return true;
    }
    return false;
}

int run(const Options& options) {
    pelmora::sim::SimulatedMouse firmware;
    firmware.setObserver(
        {.inputQueued = {}, .plugChanged = {}, .logged = [](std::string_view line) {
             std::cerr << "pelmora-virtual-mouse: " << line << '\n';
         }});
    std::string error;
    // A damaged state file stops the mouse, as it stops pelmora-cli --simulate:
    // running on without it would leave the file stale behind every change.
    if (options.sim.simState && !firmware.attachStateFile(*options.sim.simState, error)) {
        std::cerr << "pelmora-virtual-mouse: " << error << '\n';
        return 1;
    }

    // SIGINT and SIGTERM end the loop through a descriptor, so the devices
    // are removed cleanly.
    const pelmora::SignalWatch signals;
    std::signal(SIGPIPE, SIG_IGN);

    UniqueFd control;
    if (options.sim.simControl) {
        control = pelmora::sim::openControlPipe(*options.sim.simControl, error);
        if (!control.valid()) {
            std::cerr << "pelmora-virtual-mouse: " << error << '\n';
            return 1;
        }
    }

    VirtualMouse mouse(firmware, [&](std::string& openError) {
        auto device = UhidDevice::open(options.uhid, openError);
        if (!device && (errno == EACCES || errno == EPERM)) {
            openError += " (run as root, or allow your group with a udev rule: see README)";
        } else if (!device && errno == ENOENT) {
            openError += " (is the uhid module loaded? try: sudo modprobe uhid)";
        }
        return device;
    });
    if (!mouse.sync(error)) {
        std::cerr << "pelmora-virtual-mouse: " << error << '\n';
        return 1;
    }
    std::cout << "pelmora-virtual-mouse: the mouse 04d9:a09f is plugged in" << std::endl;

    pelmora::sim::ControlLineBuffer controlLines;
    for (;;) {
        std::vector<pollfd> fds{{signals.fd(), POLLIN, 0}};
        if (control.valid()) {
            fds.push_back({control.get(), POLLIN, 0});
        }
        for (int fd : mouse.pollFds()) {
            fds.push_back({fd, POLLIN, 0});
        }
        if (::poll(fds.data(), fds.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            std::cerr << "pelmora-virtual-mouse: poll: " << std::strerror(errno) << '\n';
            return 1;
        }
        if (fds[0].revents != 0) {
            return 0; // the devices go with the descriptors
        }
        for (std::size_t i = 1; i < fds.size(); ++i) {
            if (fds[i].revents == 0) {
                continue;
            }
            if (control.valid() && fds[i].fd == control.get()) {
                char buffer[512];
                const ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
                const std::string_view text(buffer, got > 0 ? static_cast<std::size_t>(got) : 0);
                for (const std::string& line : controlLines.feed(text)) {
                    std::string lineError;
                    if (!handleOwnLine(line, mouse, lineError)) {
                        firmware.handleControlLine(line, lineError);
                    }
                    if (!lineError.empty()) {
                        std::cerr << "pelmora-virtual-mouse: " << lineError << '\n';
                    }
                    if (!mouse.sync(error)) {
                        std::cerr << "pelmora-virtual-mouse: " << error << '\n';
                        return 1;
                    }
                }
                // The devices may have been removed and created anew: poll
                // their new descriptors before reading any.
                break;
            } else if (!mouse.handleReadable(fds[i].fd, error) || !mouse.sync(error)) {
                std::cerr << "pelmora-virtual-mouse: " << error << '\n';
                return 1;
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    CLI::App app("Plays the simulated gaming mouse 04d9:a09f to the kernel.",
                 "pelmora-virtual-mouse");
    app.formatter_fn(
        [](const CLI::App*, std::string, CLI::AppFormatMode) { return std::string(kUsage); });
    pelmora::addSimulatedMouseOptions(app, options.sim);
    app.add_option("--uhid", options.uhid, "the uhid device node")->type_name("PATH");
    pelmora::addVersionOption(app, "pelmora-virtual-mouse");
    if (const auto status = pelmora::parseCommandLine(
            app, "pelmora-virtual-mouse", std::vector<std::string>(argv + 1, argv + argc),
            std::cout, std::cerr)) {
        return *status;
    }
    return run(options);
}
