#include "doctor/mouse_checks.h"

#include "base/atomic_file.h"
#include "base/hex_text.h"
#include "base/typed_text.h"
#include "device/discovery.h"
#include "device/linux/hidraw_nodes.h"
#include "device/linux/report_descriptor.h"

#include <acl/libacl.h>
#include <fcntl.h>
#include <libudev.h>
#include <sys/acl.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>
#include <type_traits>

namespace fs = std::filesystem;

namespace pelmora {

namespace {

constexpr std::string_view kReloadAndTrigger =
    "sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=hidraw";

std::string firstLine(const fs::path& file) {
    std::string content;
    std::string error;
    if (!readWholeFile(file, content, error)) {
        return {};
    }
    return content.substr(0, content.find('\n'));
}

std::vector<std::string> sortedNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

int realOpenError(const fs::path& node) {
    const int fd = ::open(node.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    ::close(fd);
    return 0;
}

// Whether the node's access ACL gives the user read and write.
bool aclNamesUser(const fs::path& node, unsigned uid) {
    const std::unique_ptr<std::remove_pointer_t<acl_t>, int (*)(void*)> acl(
        acl_get_file(node.c_str(), ACL_TYPE_ACCESS), acl_free);
    if (!acl) {
        return false;
    }
    acl_entry_t entry = nullptr;
    for (int got = acl_get_entry(acl.get(), ACL_FIRST_ENTRY, &entry); got == 1;
         got = acl_get_entry(acl.get(), ACL_NEXT_ENTRY, &entry)) {
        acl_tag_t tag = ACL_UNDEFINED_TAG;
        acl_permset_t permissions = nullptr;
        if (acl_get_tag_type(entry, &tag) != 0 || tag != ACL_USER ||
            acl_get_permset(entry, &permissions) != 0) {
            continue;
        }
        const std::unique_ptr<void, int (*)(void*)> qualifier(acl_get_qualifier(entry), acl_free);
        if (qualifier && *static_cast<uid_t*>(qualifier.get()) == uid &&
            acl_get_perm(permissions, ACL_READ) == 1 && acl_get_perm(permissions, ACL_WRITE) == 1) {
            return true;
        }
    }
    return false;
}

// The rule file udev uses: a file in a later folder of the list overrides
// one of the same name in an earlier one (/etc wins over /usr/lib).
std::string installedRule(const std::vector<fs::path>& folders) {
    std::string found;
    std::error_code ec;
    for (const fs::path& folder : folders) {
        if (fs::exists(folder / kRuleFileName, ec)) {
            found = (folder / kRuleFileName).string();
        }
    }
    return found;
}

// udev's own answer: the tags of its record of the character device.
bool udevTagged(const std::string& devNumber, const std::string& tag) {
    unsigned major = 0;
    unsigned minor = 0;
    if (std::sscanf(devNumber.c_str(), "%u:%u", &major, &minor) != 2) {
        return false;
    }
    const std::unique_ptr<udev, udev* (*)(udev*)> context(udev_new(), udev_unref);
    if (!context) {
        return false;
    }
    const std::unique_ptr<udev_device, udev_device* (*)(udev_device*)> device(
        udev_device_new_from_devnum(context.get(), 'c', makedev(major, minor)), udev_device_unref);
    return device && udev_device_has_tag(device.get(), tag.c_str()) == 1;
}

std::string folderList(const std::vector<fs::path>& folders) {
    std::vector<std::string> names;
    for (const fs::path& folder : folders) {
        names.push_back(folder.string());
    }
    return joined(names, ", ");
}

void busChecks(const std::vector<MouseHidDevice>& devices, const SystemRoots& roots,
               DoctorChecks& checks) {
    if (devices.empty()) {
        checks.push_back(
            {"mouse", Verdict::Fail,
             "no HID device *:04D9:A09F.* in " + (roots.sysfs / "bus/hid/devices").string(),
             "plug the mouse in (`lsusb -d 04d9:a09f` lists it once the system sees "
             "it), or try another USB port"});
        return;
    }
    for (const MouseHidDevice& device : devices) {
        if (device.driver.empty()) {
            checks.push_back({"mouse", Verdict::Fail, device.name + ": no kernel driver bound",
                              "sudo modprobe hid-generic"});
        } else if (device.nodes.empty()) {
            checks.push_back({"mouse", Verdict::Fail,
                              device.name + ": driver " + device.driver + ", but no hidraw node",
                              "sudo modprobe hidraw"});
        } else {
            checks.push_back({"mouse",
                              Verdict::Ok,
                              device.name + ": driver " + device.driver + ", /dev/" +
                                  joined(device.nodes, ", /dev/"),
                              {}});
        }
    }
}

void descriptorChecks(const std::vector<MouseHidDevice>& devices, DoctorChecks& checks) {
    bool command = false;
    bool listener = false;
    for (const MouseHidDevice& device : devices) {
        std::string error = device.descriptorError;
        std::optional<ReportDescriptorInfo> info;
        if (error.empty()) {
            info = parseReportDescriptor(device.descriptor, error);
        }
        if (!info) {
            checks.push_back({"descriptor", Verdict::Fail,
                              device.name + ": the report descriptor cannot be used: " + error,
                              "unplug and plug the mouse; if it stays, its firmware differs from "
                              "the one this program knows"});
            continue;
        }
        std::vector<std::string> parts;
        for (const DescriptorCollection& c : info->collections) {
            std::string part = "usage page " + hex4(c.usagePage) + " usage " + hex4(c.usage) +
                               " input " + std::to_string(c.inputReportLength) + " output " +
                               std::to_string(c.outputReportLength) + " feature " +
                               std::to_string(c.featureReportLength);
            if (c.usagePage == kCommandUsagePage && c.usage == kCommandUsage) {
                part += " (the command collection)";
                command = true;
            } else if (c.usagePage == kListenerUsagePage && c.usage == kListenerUsage) {
                part += " (the listener)";
                listener = true;
            }
            parts.push_back(part);
        }
        checks.push_back({"descriptor", Verdict::Ok, device.name + ": " + joined(parts, "; "), {}});
    }
    if (!command) {
        checks.push_back({"descriptor", Verdict::Fail,
                          "no command collection (usage page 0xff00) on any of the mouse's devices",
                          "this mouse answers in a way the program does not know: report it with "
                          "the output of `pelmora-cli doctor --json`"});
    } else if (!listener) {
        checks.push_back({"descriptor",
                          Verdict::Warn,
                          "no listener collection (usage page 0xff01): events made on the mouse "
                          "will not be shown",
                          {}});
    }
}

void holderChecks(const std::vector<MouseHidDevice>& devices, const MouseProbe& probe,
                  DoctorChecks& checks) {
    std::vector<std::string> targets;
    for (const MouseHidDevice& device : devices) {
        for (const std::string& node : device.nodes) {
            targets.push_back("/dev/" + node);
        }
    }
    bool anyone = false;
    for (const std::string& pid : sortedNames(probe.roots.proc)) {
        const auto digit = [](unsigned char c) { return c >= '0' && c <= '9'; };
        if (pid.empty() || !std::all_of(pid.begin(), pid.end(), digit) ||
            pid == std::to_string(probe.ownPid)) {
            continue;
        }
        std::vector<std::string> held;
        std::error_code ec;
        // Only the processes this user may inspect can be listed.
        for (fs::directory_iterator it(probe.roots.proc / pid / "fd", ec), end; !ec && it != end;
             it.increment(ec)) {
            std::error_code linkError;
            const std::string target = fs::read_symlink(it->path(), linkError).string();
            if (!linkError && std::find(targets.begin(), targets.end(), target) != targets.end() &&
                std::find(held.begin(), held.end(), target) == held.end()) {
                held.push_back(target);
            }
        }
        if (held.empty()) {
            continue;
        }
        anyone = true;
        const std::string name = firstLine(probe.roots.proc / pid / "comm");
        const std::string found = name + " (pid " + pid + ") holds " + joined(held, ", ") + " open";
        if (name == "pelmora") {
            checks.push_back({"holder", Verdict::Ok, found, {}});
        } else {
            checks.push_back({"holder", Verdict::Warn, found,
                              "end it if it talks to the mouse (kill " + pid +
                                  "): two programs would take each other's answers"});
        }
    }
    if (!anyone) {
        checks.push_back(
            {"holder", Verdict::Ok, "no other process this user may see holds the nodes", {}});
    }
}

} // namespace

std::vector<MouseHidDevice> findMouseDevices(const SystemRoots& roots) {
    std::vector<MouseHidDevice> devices;
    const fs::path hidDevices = roots.sysfs / "bus/hid/devices";
    for (const std::string& name : sortedNames(hidDevices)) {
        if (!isMouseDevicePath(name)) {
            continue;
        }
        const fs::path folder = hidDevices / name;
        MouseHidDevice device;
        device.name = name;
        std::error_code ec;
        const fs::path driver = fs::read_symlink(folder / "driver", ec);
        if (!ec) {
            device.driver = driver.filename().string();
        }
        device.nodes = sortedNames(folder / "hidraw");
        std::string content;
        if (readWholeFile(folder / "report_descriptor", content, device.descriptorError)) {
            device.descriptor.assign(content.begin(), content.end());
        }
        devices.push_back(std::move(device));
    }
    return devices;
}

DoctorCheck accessVerdict(std::string_view devnode, const AccessFacts& facts) {
    const std::string node(devnode);
    const std::string grant = "sudo setfacl -m u:" + facts.userName + ":rw " + node;
    if (facts.openError == 0) {
        return {"access",
                Verdict::Ok,
                node + ": " + facts.userName + " may read and write it" +
                    (facts.aclForUser ? " (an ACL grants it)" : ""),
                {}};
    }
    if (facts.openError != EACCES && facts.openError != EPERM) {
        return {"access", Verdict::Fail,
                node + ": cannot be opened: " + std::strerror(facts.openError),
                "unplug and plug the mouse; `ls -l /dev/hidraw*` should list " + node};
    }
    const std::string denied = node + ": " + facts.userName + " may not open it; ";
    if (facts.ruleFile.empty()) {
        return {"access", Verdict::Fail,
                denied + "the udev rule " + std::string(kRuleFileName) +
                    " is installed in none of udev's rules folders",
                "install the rule: sudo install -m 644 packaging/" + std::string(kRuleFileName) +
                    " /etc/udev/rules.d/ (or install the package), then " +
                    std::string(kReloadAndTrigger)};
    }
    if (!facts.ruleApplied) {
        return {"access", Verdict::Fail,
                denied + "the rule " + facts.ruleFile +
                    " is installed, but was not applied to the node since the mouse was plugged in",
                std::string(kReloadAndTrigger) + " (or unplug and plug the mouse)"};
    }
    if (!facts.session.known) {
        return {"access", Verdict::Fail,
                denied + "the rule tagged it for the seat's user, but logind could not be asked (" +
                    facts.session.detail + "), and only logind grants that access",
                "start systemd-logind, or grant access by hand: " + grant};
    }
    if (!facts.session.active || facts.session.seat.empty()) {
        return {"access", Verdict::Fail,
                denied + "the rule grants access to the active session at a seat, and this one " +
                    (facts.session.seat.empty() ? "has no seat (ssh, a container)"
                                                : "is not active on " + facts.session.seat),
                "run it from the desktop at the machine, or grant access by hand: " + grant};
    }
    return {"access", Verdict::Fail,
            denied + "the rule tagged it and the session is active on " + facts.session.seat +
                ", but logind gave no ACL",
            std::string(kReloadAndTrigger) + ", or log out and in again"};
}

DoctorChecks mouseChecks(const MouseProbe& probe) {
    DoctorChecks checks;
    const std::vector<MouseHidDevice> devices = findMouseDevices(probe.roots);
    busChecks(devices, probe.roots, checks);
    if (devices.empty()) {
        return checks;
    }
    std::optional<SeatSession> session;
    for (const MouseHidDevice& device : devices) {
        for (const std::string& name : device.nodes) {
            const fs::path node = probe.roots.dev / name;
            AccessFacts facts;
            facts.userName = probe.userName;
            facts.openError = probe.openError ? probe.openError(node) : realOpenError(node);
            facts.aclForUser = aclNamesUser(node, probe.uid);
            if (facts.openError != 0) {
                facts.ruleFile = installedRule(probe.roots.rulesFolders);
                const fs::path devFile =
                    probe.roots.sysfs / "bus/hid/devices" / device.name / "hidraw" / name / "dev";
                const std::string devNumber = firstLine(devFile);
                facts.ruleApplied = probe.udevTagged ? probe.udevTagged(devNumber, "uaccess")
                                                     : udevTagged(devNumber, "uaccess");
                if (!session) {
                    session = probe.session ? probe.session() : SeatSession{};
                }
                facts.session = *session;
            }
            DoctorCheck check = accessVerdict("/dev/" + name, facts);
            if (check.verdict != Verdict::Ok && facts.ruleFile.empty()) {
                check.found += " (" + folderList(probe.roots.rulesFolders) + ")";
            }
            checks.push_back(std::move(check));
        }
    }
    descriptorChecks(devices, checks);
    holderChecks(devices, probe, checks);
    return checks;
}

} // namespace pelmora
