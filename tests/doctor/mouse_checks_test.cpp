#include "doctor/mouse_checks.h"

#include "device/uhid/report_descriptors.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include <cerrno>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::writeTextFile;

// A system with the mouse's two HID devices (hidraw3: command collection,
// hidraw4: pointer and listener), rules folders, udev's database and /proc.
struct FakeSystem {
    ScratchFolder folder;
    SystemRoots roots{folder / "sys",
                      folder / "dev",
                      folder / "proc",
                      {folder / "usr-rules", folder / "etc-rules"}};
    // udev's tags by device number.
    std::map<std::string, std::set<std::string>> udevTags;

    FakeSystem() {
        addDevice("0003:04D9:A09F.0001", "hidraw3", "243:3", uhid::kCommandDeviceDescriptor);
        addDevice("0003:04D9:A09F.0002", "hidraw4", "243:4", uhid::kPointerDeviceDescriptor);
        addDevice("0003:046D:C077.0003", "hidraw0", "243:0", {}); // another mouse
        for (const fs::path& f :
             {roots.dev, roots.rulesFolders[0], roots.rulesFolders[1], roots.proc}) {
            fs::create_directories(f);
        }
    }
    void addDevice(const std::string& name, const std::string& node, const std::string& dev,
                   std::span<const std::uint8_t> descriptor) {
        const fs::path d = roots.sysfs / "bus/hid/devices" / name;
        fs::create_directories(d / "hidraw" / node);
        writeTextFile(d / "hidraw" / node / "dev", dev + "\n");
        writeTextFile(d / "report_descriptor", std::string(descriptor.begin(), descriptor.end()));
        fs::create_directory_symlink("../../../bus/hid/drivers/hid-generic", d / "driver");
    }
    void process(const std::string& pid, const std::string& comm, const std::string& node) {
        fs::create_directories(roots.proc / pid / "fd");
        writeTextFile(roots.proc / pid / "comm", comm + "\n");
        fs::create_symlink(node, roots.proc / pid / "fd" / "5");
    }
    DoctorChecks run(int openError, SeatSession session = {}) const {
        MouseProbe probe{roots,
                         [openError](const fs::path&) { return openError; },
                         [session] { return session; },
                         [this](const std::string& dev, const std::string& tag) {
                             const auto tags = udevTags.find(dev);
                             return tags != udevTags.end() && tags->second.contains(tag);
                         },
                         1000,
                         "ada",
                         1};
        return mouseChecks(probe);
    }
};

std::vector<DoctorCheck> topic(const DoctorChecks& checks, std::string_view name) {
    std::vector<DoctorCheck> found;
    for (const DoctorCheck& c : checks) {
        if (c.topic == name) {
            found.push_back(c);
        }
    }
    return found;
}

TEST(MouseChecksTest, BusDescriptorsAndHoldersOfTheMouseOnly) {
    FakeSystem sys;
    sys.process("100", "pelmora", "/dev/hidraw3");
    sys.process("200", "cat", "/dev/hidraw4");
    sys.process("300", "cat", "/dev/hidraw0");
    const DoctorChecks checks = sys.run(0);
    const auto bus = topic(checks, "mouse");
    ASSERT_EQ(bus.size(), 2u);
    EXPECT_EQ(bus[0].found, "0003:04D9:A09F.0001: driver hid-generic, /dev/hidraw3");
    EXPECT_EQ(checks[0].topic, "mouse");
    const auto descriptors = topic(checks, "descriptor");
    ASSERT_EQ(descriptors.size(), 2u);
    EXPECT_NE(descriptors[0].found.find("0xff00 input 33 output 33 feature 9 (the command"),
              std::string::npos)
        << descriptors[0].found;
    EXPECT_NE(descriptors[1].found.find("(the listener)"), std::string::npos);
    const auto holders = topic(checks, "holder");
    ASSERT_EQ(holders.size(), 2u);
    EXPECT_EQ(holders[0].verdict, Verdict::Ok);
    EXPECT_EQ(holders[0].found, "pelmora (pid 100) holds /dev/hidraw3 open");
    EXPECT_EQ(holders[1].verdict, Verdict::Warn);
    EXPECT_NE(holders[1].fix.find("kill 200"), std::string::npos);
    EXPECT_FALSE(anyFailed(checks));
}

TEST(MouseChecksTest, NoMouseIsOneFailure) {
    FakeSystem sys;
    fs::remove_all(sys.roots.sysfs);
    const DoctorChecks checks = sys.run(0);
    ASSERT_EQ(checks.size(), 1u);
    EXPECT_EQ(checks[0].verdict, Verdict::Fail);
    EXPECT_NE(checks[0].fix.find("lsusb -d 04d9:a09f"), std::string::npos);
}

// Why a node may not be opened: the rule missing, installed but not applied
// to the node, applied but the session not at a seat.
TEST(MouseChecksTest, AccessNamesWhatToDo) {
    struct Case {
        const char* name;
        bool rule;
        std::set<std::string> udevTags; // udev's tags of hidraw3
        int openError;
        SeatSession session;
        Verdict verdict;
        const char* found;
        const char* fix;
    };
    const SeatSession remote{true, true, "", ""};
    const Case cases[] = {
        {"missing",
         false,
         {},
         EACCES,
         {},
         Verdict::Fail,
         "is installed in none",
         "sudo install -m 644 packaging/70-pelmora.rules /etc/udev/rules.d/"},
        {"not applied",
         true,
         {"seat"},
         EACCES,
         {},
         Verdict::Fail,
         "etc-rules/70-pelmora.rules is installed, but was not applied",
         "udevadm trigger"},
        {"applied, no seat",
         true,
         {"seat", "uaccess"},
         EACCES,
         remote,
         Verdict::Fail,
         "has no seat",
         "sudo setfacl -m u:ada:rw /dev/hidraw3"},
        {"applied, no logind",
         true,
         {"uaccess"},
         EACCES,
         {false, false, "", "no system bus"},
         Verdict::Fail,
         "logind could not be asked (no system bus)",
         "setfacl"},
        {"opened", false, {}, 0, {}, Verdict::Ok, "ada may read and write it", ""},
        {"other error",
         true,
         {},
         ENXIO,
         {},
         Verdict::Fail,
         "No such device or address",
         "unplug and plug"},
    };
    for (const Case& c : cases) {
        FakeSystem sys;
        if (c.rule) {
            writeTextFile(sys.roots.rulesFolders[0] / kRuleFileName, "");
            writeTextFile(sys.roots.rulesFolders[1] / kRuleFileName, "");
        }
        sys.udevTags["243:3"] = c.udevTags;
        const auto access = topic(sys.run(c.openError, c.session), "access");
        ASSERT_EQ(access.size(), 2u) << c.name;
        EXPECT_EQ(access[0].verdict, c.verdict) << c.name;
        EXPECT_NE(access[0].found.find(c.found), std::string::npos)
            << c.name << ": " << access[0].found;
        EXPECT_NE(access[0].fix.find(c.fix), std::string::npos) << c.name << ": " << access[0].fix;
    }
}

} // namespace
} // namespace pelmora
