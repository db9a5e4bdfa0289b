#include "device/linux/hidraw_backend.h"
#include "device/linux/hidraw_handle.h"
#include "device/linux/hidraw_nodes.h"
#include "device/linux/udev_monitor.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include <fcntl.h>
#include <unistd.h>

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

const Bytes kPointerAndCommand{0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x95,
                               0x04, 0x81, 0x02, 0xC0, 0x06, 0x00, 0xFF, 0x0A, 0x00,
                               0xFF, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x20, 0x81, 0x02,
                               0x91, 0x02, 0x95, 0x08, 0xB1, 0x02, 0xC0};
const Bytes kListener{0x06, 0x01, 0xFF, 0x0A, 0x01, 0xFF, 0xA1, 0x01, 0x85,
                      0x06, 0x75, 0x08, 0x95, 0x08, 0x81, 0x02, 0xC0};

TEST(HidrawNodesTest, HidIds) {
    const auto id = parseHidId("0003:000004D9:0000A09F");
    ASSERT_TRUE(id);
    EXPECT_EQ(id->bus, 3);
    EXPECT_EQ(id->vendor, 0x04D9);
    EXPECT_EQ(id->product, 0xA09F);
    EXPECT_FALSE(parseHidId("0003:000004D9"));
    EXPECT_FALSE(parseHidId("0003:0001000004D9:A09F"));
    EXPECT_FALSE(parseHidId("0003:zz:A09F"));
    EXPECT_FALSE(parseHidId(""));
}

TEST(HidrawNodesTest, CollectionsOfTheMouseListenerFirst) {
    const std::vector<HidrawNode> nodes{
        {"/dev/hidraw0", "/sys/x/0003:046D:C077.0001", "0003:0000046D:0000C077", kListener, "", ""},
        {"/dev/hidraw1", "/sys/x/0003:04D9:A09F.0002", "0003:000004D9:0000A09F", kPointerAndCommand,
         "", ""},
        {"/dev/hidraw2", "/sys/x/0003:04D9:A09F.0003", "0003:000004D9:0000A09F", kListener, "", ""},
        {"/dev/hidraw3",
         "/sys/x/0003:04D9:A09F.0004",
         "0003:000004D9:0000A09F",
         {0x06, 0x00},
         "",
         ""},
    };
    const NodeCollections found = collectionsOfNodes(nodes, 0x04D9, 0xA09F);
    ASSERT_EQ(found.collections.size(), 3u);
    EXPECT_EQ(found.collections[0].path, "/dev/hidraw2#0");
    EXPECT_EQ(found.collections[0].usagePage, 0xFF01);
    EXPECT_EQ(found.collections[0].inputReportLength, 9);
    EXPECT_EQ(found.collections[1].path, "/dev/hidraw1#0");
    EXPECT_EQ(found.collections[1].usagePage, 0x0001);
    EXPECT_EQ(found.collections[2].path, "/dev/hidraw1#1");
    EXPECT_EQ(found.collections[2].featureReportLength, 9);
    EXPECT_EQ(found.collections[2].outputReportLength, 33);
    EXPECT_EQ(found.collections[2].interfacePath, "/dev/hidraw1 (/sys/x/0003:04D9:A09F.0002)");
    EXPECT_EQ(found.numberedNodes, (std::vector<std::string>{"/dev/hidraw2"}));
    ASSERT_EQ(found.problems.size(), 1u);
    EXPECT_TRUE(found.problems[0].starts_with("/dev/hidraw3: unparsable report descriptor"));
    EXPECT_EQ(nodeOfPath("/dev/hidraw1#1"), "/dev/hidraw1");
}

// Two identical mice, each with its command and listener collections on two
// interfaces: the collections of one mouse come together, listener first, and
// the mouse with the lower device path comes first every time.
TEST(HidrawNodesTest, TwoMiceArePairedPerPhysicalDevice) {
    const std::string usbA = "/sys/devices/usb1/1-2";
    const std::string usbB = "/sys/devices/usb1/1-3";
    const std::vector<HidrawNode> nodes{
        {"/dev/hidraw1", usbB + "/1-3:1.0/0003:04D9:A09F.0003", "0003:000004D9:0000A09F",
         kPointerAndCommand, usbB, ""},
        {"/dev/hidraw2", usbB + "/1-3:1.1/0003:04D9:A09F.0004", "0003:000004D9:0000A09F", kListener,
         usbB, ""},
        {"/dev/hidraw3", usbA + "/1-2:1.0/0003:04D9:A09F.0005", "0003:000004D9:0000A09F",
         kPointerAndCommand, usbA, ""},
        {"/dev/hidraw4", usbA + "/1-2:1.1/0003:04D9:A09F.0006", "0003:000004D9:0000A09F", kListener,
         usbA, ""},
        {"/dev/hidraw5",
         usbA + "/1-2:1.2/0003:04D9:A09F.0007",
         "0003:000004D9:0000A09F",
         {},
         usbA,
         "Permission denied"},
    };
    const NodeCollections found = collectionsOfNodes(nodes, 0x04D9, 0xA09F);
    std::vector<std::string> order;
    for (const auto& c : found.collections) {
        order.push_back(c.path);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"/dev/hidraw4#0", "/dev/hidraw3#0", "/dev/hidraw3#1",
                                        "/dev/hidraw2#0", "/dev/hidraw1#0", "/dev/hidraw1#1"}));
    EXPECT_EQ(found.collections[0].device, usbA);
    EXPECT_EQ(physicalDeviceOf("usb-0000:00:14.0-2/input1"), "usb-0000:00:14.0-2");
    EXPECT_EQ(physicalDeviceOf("bt/input"), "bt/input");
    EXPECT_EQ(physicalDeviceOf(""), "");
    EXPECT_EQ(found.problems, (std::vector<std::string>{"/dev/hidraw5: cannot read the report "
                                                        "descriptor: Permission denied"}));
}

TEST(HidrawNodesTest, UdevEventsOfTheMouseOnly) {
    const std::string mouse =
        "/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.1/0003:04D9:A09F.0004/hidraw/hidraw3";
    EXPECT_EQ(deviceChangeOf("add", mouse), DeviceChange::Arrival);
    EXPECT_EQ(deviceChangeOf("remove", mouse), DeviceChange::Removal);
    EXPECT_EQ(deviceChangeOf("remove", "/devices/x/0003:04d9:a09f.0001/hidraw/hidraw0"),
              DeviceChange::Removal);
    EXPECT_FALSE(deviceChangeOf("change", mouse));
    EXPECT_FALSE(deviceChangeOf("add", "/devices/x/0003:046D:C077.0001/hidraw/hidraw1"));
    EXPECT_FALSE(deviceChangeOf("add", "/devices/x/0003:04D9:A09F0.0001/hidraw/hidraw1"));
}

// A pipe stands in for a hidraw node: reads see what the kernel would hand over.
struct Pipe {
    int fds[2] = {-1, -1};
    Pipe() { EXPECT_EQ(::pipe2(fds, O_CLOEXEC | O_NONBLOCK), 0); }
    ~Pipe() {
        if (fds[1] >= 0) {
            ::close(fds[1]);
        }
    }
    void send(const Bytes& bytes) {
        ASSERT_EQ(::write(fds[1], bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
};

TEST(HidrawHandleTest, InputWithoutReportIdsGetsTheZeroBack) {
    Pipe pipe;
    HidrawHandle handle(UniqueFd(pipe.fds[0]), false);
    Bytes data(32);
    for (std::size_t i = 0; i < 32; ++i) {
        data[i] = static_cast<std::uint8_t>(i + 1);
    }
    pipe.send(data);
    std::array<std::uint8_t, 33> report{};
    report[0] = 0xEE;
    const ReadResult r = handle.read(report, 100);
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.length, 33u);
    EXPECT_EQ(report[0], 0);
    EXPECT_EQ(report[1], 1);
    EXPECT_EQ(report[32], 32);

    EXPECT_EQ(handle.read(report, 10).status, ReadStatus::TimedOut);
    ::close(pipe.fds[1]);
    pipe.fds[1] = -1;
    EXPECT_EQ(handle.read(report, 100).status, ReadStatus::Failed); // hung up
}

TEST(HidrawHandleTest, NumberedInputIsTakenAsItIs) {
    Pipe pipe;
    HidrawHandle handle(UniqueFd(pipe.fds[0]), true);
    pipe.send({6, 7, 0, 2, 0, 0, 0, 0, 0});
    std::array<std::uint8_t, 9> report{};
    const ReadResult r = handle.read(report, 100);
    ASSERT_EQ(r.status, ReadStatus::Ok);
    EXPECT_EQ(r.length, 9u);
    EXPECT_EQ(report, (std::array<std::uint8_t, 9>{6, 7, 0, 2, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(handle.setFeature(report)); // a pipe is no HID device
}

TEST(HidrawBackendTest, OpeningWithoutPermissionSaysHowToFixIt) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root may open anything";
    }
    pelmora::testing::ScratchFolder folder;
    const auto node = folder.path() / "hidraw9";
    { std::ofstream(node) << ""; }
    std::filesystem::permissions(node, std::filesystem::perms::none);
    HidrawBackend backend;
    HidCollectionInfo collection;
    collection.path = node.string() + "#1";
    const OpenResult result = backend.open(collection, OpenMode::Command);
    EXPECT_FALSE(result.handle);
    EXPECT_TRUE(result.permissionDenied);
    EXPECT_EQ(result.error, permissionDeniedText(node.string()));
    EXPECT_NE(result.error.find("70-pelmora.rules"), std::string::npos);
}

TEST(HidrawBackendTest, AMissingNodeIsNoPermissionProblem) {
    HidrawBackend backend;
    HidCollectionInfo collection;
    collection.path = "/nonexistent/hidraw7#0";
    const OpenResult result = backend.open(collection, OpenMode::Listen);
    EXPECT_FALSE(result.handle);
    EXPECT_FALSE(result.permissionDenied);
    EXPECT_NE(result.error.find("/nonexistent/hidraw7"), std::string::npos);
}

} // namespace
} // namespace pelmora
