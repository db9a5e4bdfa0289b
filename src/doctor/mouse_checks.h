#pragma once
// The doctor's checks of the mouse itself: its HID devices in sysfs, their
// hidraw nodes and kernel driver, whether this user may open the nodes and
// why not (the udev rule, udev's record of the node, the ACL, the seat), the
// report descriptors, and other processes holding the nodes open. Every
// folder read is a parameter, so the checks run against a fake system.
//
// On the map (docs/ARCHITECTURE.md): src/doctor, used by pelmora-cli only;
// it reads the system, never the mouse's protocol.

#include "doctor/doctor_check.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

inline constexpr std::string_view kRuleFileName = "70-pelmora.rules";

struct SystemRoots {
    std::filesystem::path sysfs = "/sys";
    std::filesystem::path dev = "/dev";
    std::filesystem::path proc = "/proc";
    // Where udev reads rules, in the order udev lists them.
    std::vector<std::filesystem::path> rulesFolders{"/usr/lib/udev/rules.d", "/lib/udev/rules.d",
                                                    "/etc/udev/rules.d"};
};

// One HID device of the mouse (an interface) as sysfs shows it.
struct MouseHidDevice {
    std::string name;               // "0003:04D9:A09F.0001"
    std::string driver;             // the bound kernel driver; empty: none
    std::vector<std::string> nodes; // "hidraw3"
    std::vector<std::uint8_t> descriptor;
    std::string descriptorError; // why the descriptor could not be read
};

// The mouse's HID devices under <sysfs>/bus/hid/devices, in name order.
std::vector<MouseHidDevice> findMouseDevices(const SystemRoots& roots);

// This process's login session as logind tells it.
struct SeatSession {
    bool known = false; // logind answered
    bool active = false;
    std::string seat;   // empty: no seat (ssh, a container)
    std::string detail; // why it is not known
};

// What decides whether a node may be opened, and why not.
struct AccessFacts {
    int openError = 0;        // errno of opening read-write; 0: it opened
    bool aclForUser = false;  // the node's ACL names this user
    std::string ruleFile;     // the installed rule; empty: none
    bool ruleApplied = false; // udev tagged the node "uaccess"
    SeatSession session;
    std::string userName;
};

// The access line of a node (/dev/hidrawN).
DoctorCheck accessVerdict(std::string_view devnode, const AccessFacts& facts);

struct MouseProbe {
    SystemRoots roots;
    // errno of opening the node read-write (0: it opened); the real open when empty.
    std::function<int(const std::filesystem::path&)> openError;
    // logind's view of this session; asked only when a node may not be opened.
    std::function<SeatSession()> session;
    // Whether udev tagged the character device "major:minor" with `tag`;
    // udev's own answer (libudev) when empty.
    std::function<bool(const std::string& devNumber, const std::string& tag)> udevTagged;
    unsigned uid = 0;
    std::string userName;
    int ownPid = 0; // left out of the holders
};

// The lines of the mouse: bus, access, descriptors, holders, in that order.
DoctorChecks mouseChecks(const MouseProbe& probe);

} // namespace pelmora
