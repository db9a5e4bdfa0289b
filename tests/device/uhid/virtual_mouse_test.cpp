// The virtual mouse against a stand-in kernel: each uhid channel is one end
// of a datagram socket pair whose other end the test reads and writes the
// way the kernel's uhid driver does.
#include "device/uhid/virtual_mouse.h"

#include "device/command_frame.h"
#include "device/sim/simulated_mouse.h"
#include "device/uhid/report_descriptors.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace pelmora::uhid {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The kernel's set-feature request for a command frame: report ID 0 first.
uhid_event setFeatureRequest(std::uint32_t id, const CommandFrame& frame) {
    uhid_event event{};
    event.type = UHID_SET_REPORT;
    event.u.set_report.id = id;
    event.u.set_report.rtype = UHID_FEATURE_REPORT;
    event.u.set_report.size = 1 + kFrameSize;
    std::memcpy(event.u.set_report.data + 1, frame.data(), frame.size());
    return event;
}

uhid_event getFeatureRequest(std::uint32_t id, std::uint8_t reportNumber = 0) {
    uhid_event event{};
    event.type = UHID_GET_REPORT;
    event.u.get_report = {.id = id, .rnum = reportNumber, .rtype = UHID_FEATURE_REPORT};
    return event;
}

class VirtualMouseTest : public ::testing::Test {
protected:
    // Kernel ends of the channels, in the order the virtual mouse opened them.
    std::vector<int> kernelEnds;
    sim::SimulatedMouse firmware;
    VirtualMouse mouse{firmware, [this](std::string&) -> std::optional<UhidDevice> {
                           int fds[2];
                           if (::socketpair(AF_UNIX, SOCK_SEQPACKET, 0, fds) != 0) {
                               return std::nullopt;
                           }
                           kernelEnds.push_back(fds[1]);
                           return UhidDevice(fds[0]);
                       }};

    ~VirtualMouseTest() override {
        for (int fd : kernelEnds) {
            ::close(fd);
        }
    }

    void syncOk() {
        std::string error;
        ASSERT_TRUE(mouse.sync(error)) << error;
    }
    // The next event the mouse sent on channel `index`.
    uhid_event received(std::size_t index) {
        uhid_event event{};
        const auto got = ::recv(kernelEnds.at(index), &event, sizeof event, MSG_DONTWAIT);
        EXPECT_EQ(got, static_cast<ssize_t>(sizeof event));
        return event;
    }
    bool nothingWaiting(std::size_t index) {
        uhid_event event{};
        return ::recv(kernelEnds.at(index), &event, sizeof event, MSG_DONTWAIT) < 0;
    }
    // The kernel asks; the mouse answers.
    void ask(std::size_t index, const uhid_event& event) {
        ASSERT_EQ(::send(kernelEnds.at(index), &event, sizeof event, 0),
                  static_cast<ssize_t>(sizeof event));
        std::string error;
        ASSERT_TRUE(mouse.handleReadable(mouse.pollFds().at(index), error)) << error;
    }
    static Bytes inputOf(const uhid_event& event) {
        EXPECT_EQ(event.type, UHID_INPUT2);
        return Bytes(event.u.input2.data, event.u.input2.data + event.u.input2.size);
    }
};

TEST_F(VirtualMouseTest, CreatesTheTwoDevicesAsTheMouse) {
    syncOk();
    ASSERT_EQ(kernelEnds.size(), 2u);
    const auto command = received(0);
    ASSERT_EQ(command.type, UHID_CREATE2);
    EXPECT_EQ(command.u.create2.vendor, 0x04D9u);
    EXPECT_EQ(command.u.create2.product, 0xA09Fu);
    EXPECT_EQ(command.u.create2.bus, 0x03);
    EXPECT_EQ(
        Bytes(command.u.create2.rd_data, command.u.create2.rd_data + command.u.create2.rd_size),
        Bytes(kCommandDeviceDescriptor.begin(), kCommandDeviceDescriptor.end()));
    const auto pointer = received(1);
    ASSERT_EQ(pointer.type, UHID_CREATE2);
    EXPECT_EQ(pointer.u.create2.rd_size, kPointerDeviceDescriptor.size());
    EXPECT_EQ(mouse.pollFds().size(), 2u);
}

TEST_F(VirtualMouseTest, FeatureReportsCarryTheReportIdByteBothWays) {
    syncOk();
    received(0);
    ask(0, setFeatureRequest(41, makeFrame(0x83)));
    auto reply = received(0);
    ASSERT_EQ(reply.type, UHID_SET_REPORT_REPLY);
    EXPECT_EQ(reply.u.set_report_reply.id, 41u);
    EXPECT_EQ(reply.u.set_report_reply.err, 0);

    ask(0, getFeatureRequest(42));
    reply = received(0);
    ASSERT_EQ(reply.type, UHID_GET_REPORT_REPLY);
    EXPECT_EQ(reply.u.get_report_reply.id, 42u);
    EXPECT_EQ(reply.u.get_report_reply.err, 0);
    const auto state = firmware.state();
    const auto answer =
        makeFrame(0x83, state.sensorType, state.reportRate, state.option1, state.option2);
    Bytes expected{0};
    expected.insert(expected.end(), answer.begin(), answer.end());
    EXPECT_EQ(Bytes(reply.u.get_report_reply.data,
                    reply.u.get_report_reply.data + reply.u.get_report_reply.size),
              expected);
}

TEST_F(VirtualMouseTest, RequestsTheDeviceCannotServeAreRefusedAtOnce) {
    syncOk();
    received(0);
    received(1);
    ask(0, getFeatureRequest(7, 3));
    auto reply = received(0);
    EXPECT_EQ(reply.type, UHID_GET_REPORT_REPLY);
    EXPECT_NE(reply.u.get_report_reply.err, 0);
    // The pointer device has no feature reports at all.
    ask(1, getFeatureRequest(8, 1));
    reply = received(1);
    EXPECT_EQ(reply.type, UHID_GET_REPORT_REPLY);
    EXPECT_NE(reply.u.get_report_reply.err, 0);
    ask(1, setFeatureRequest(9, makeFrame(0x03, 9, 9, 9, 9)));
    reply = received(1);
    EXPECT_EQ(reply.type, UHID_SET_REPORT_REPLY);
    EXPECT_NE(reply.u.set_report_reply.err, 0);
    EXPECT_NE(firmware.state().sensorType, 9);
}

TEST_F(VirtualMouseTest, ChunksGoOutWithTheIdByteAndComeBackWithoutIt) {
    syncOk();
    received(0);
    // A macro slot written with one header and four output reports...
    ask(0, setFeatureRequest(1, makeFrame(0x13, 2, 0x80)));
    received(0);
    Bytes slot(128);
    for (std::size_t i = 0; i < slot.size(); ++i) {
        slot[i] = static_cast<std::uint8_t>(i + 1);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        uhid_event output{};
        output.type = UHID_OUTPUT;
        output.u.output.rtype = UHID_OUTPUT_REPORT;
        output.u.output.size = 1 + kChunkSize;
        std::memcpy(output.u.output.data + 1, slot.data() + 32 * k, kChunkSize);
        ask(0, output);
    }
    EXPECT_TRUE(nothingWaiting(0));
    const auto written = firmware.state().macroSlots[1];
    EXPECT_EQ(Bytes(written.begin(), written.end()), slot);
    // ...comes back after the read-back answer as four 32-byte input reports.
    ask(0, setFeatureRequest(2, makeFrame(0x93, 2)));
    received(0);
    ask(0, getFeatureRequest(3));
    EXPECT_EQ(received(0).type, UHID_GET_REPORT_REPLY);
    Bytes readBack;
    for (int k = 0; k < 4; ++k) {
        const Bytes chunk = inputOf(received(0));
        ASSERT_EQ(chunk.size(), kChunkSize);
        readBack.insert(readBack.end(), chunk.begin(), chunk.end());
    }
    EXPECT_EQ(readBack, slot);
    EXPECT_TRUE(nothingWaiting(0));
}

TEST_F(VirtualMouseTest, AStalledMouseAnswersFramesButSendsNoChunks) {
    syncOk();
    received(0);
    mouse.setStalled(true);
    ask(0, setFeatureRequest(1, makeFrame(0x93, 1)));
    received(0);
    ask(0, getFeatureRequest(2));
    EXPECT_EQ(received(0).u.get_report_reply.data[3], 0x80); // 128 bytes announced
    EXPECT_TRUE(nothingWaiting(0));
    EXPECT_FALSE(firmware.hasInput(sim::SimCollection::Command));
}

TEST_F(VirtualMouseTest, ListenerEventsAndPointerReportsShareThePointerDevice) {
    syncOk();
    received(0);
    received(1);
    firmware.raiseEvent(7, 2);
    syncOk();
    EXPECT_EQ(inputOf(received(1)), (Bytes{6, 7, 0, 2, 0, 0, 0, 0, 0}));
    std::string error;
    ASSERT_TRUE(mouse.sendPointerReport(7, 0x300, -2, -1, error)) << error;
    EXPECT_EQ(inputOf(received(1)), (Bytes{1, 7, 0x00, 0x03, 0xFE, 0xFF, 0xFF}));
    EXPECT_TRUE(nothingWaiting(0));
}

TEST_F(VirtualMouseTest, UnplugRemovesTheDevicesAndPlugCreatesThemAgain) {
    syncOk();
    received(0);
    received(1);
    firmware.unplug();
    syncOk();
    EXPECT_EQ(received(0).type, UHID_DESTROY);
    EXPECT_EQ(received(1).type, UHID_DESTROY);
    EXPECT_TRUE(mouse.pollFds().empty());
    std::string error;
    EXPECT_FALSE(mouse.sendPointerReport(0, 1, 1, 0, error));
    firmware.plug();
    syncOk();
    ASSERT_EQ(kernelEnds.size(), 4u);
    EXPECT_EQ(received(2).type, UHID_CREATE2);
    EXPECT_EQ(received(3).type, UHID_CREATE2);
}

TEST_F(VirtualMouseTest, AChannelTheKernelClosedIsAnError) {
    syncOk();
    ::shutdown(kernelEnds[0], SHUT_RDWR);
    std::string error;
    EXPECT_FALSE(mouse.handleReadable(mouse.pollFds().at(0), error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace pelmora::uhid
