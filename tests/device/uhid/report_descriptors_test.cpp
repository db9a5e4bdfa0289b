// The virtual mouse's descriptors read by the program's own descriptor
// reader: what discovery will find on the kernel's hidraw nodes, the same
// lengths as the in-process simulated mouse announces.
#include "device/uhid/report_descriptors.h"

#include "device/linux/report_descriptor.h"
#include "device/sim/simulated_mouse.h"

#include <gtest/gtest.h>

namespace pelmora::uhid {
namespace {

TEST(VirtualMouseDescriptors, CommandDeviceHasTheCommandCollectionWithoutReportIds) {
    std::string error;
    const auto info = parseReportDescriptor(kCommandDeviceDescriptor, error);
    ASSERT_TRUE(info) << error;
    EXPECT_FALSE(info->numberedReports);
    ASSERT_EQ(info->collections.size(), 1u);
    const auto& command = info->collections[0];
    EXPECT_EQ(command.usagePage, 0xFF00);
    EXPECT_EQ(command.usage, 0xFF00);
    EXPECT_EQ(command.featureReportLength, sim::kSimFeatureLength);
    EXPECT_EQ(command.inputReportLength, sim::kSimCommandInputLength);
    EXPECT_EQ(command.outputReportLength, sim::kSimCommandOutputLength);
}

TEST(VirtualMouseDescriptors, PointerDeviceHasTheMouseAndTheListenerCollection) {
    std::string error;
    const auto info = parseReportDescriptor(kPointerDeviceDescriptor, error);
    ASSERT_TRUE(info) << error;
    EXPECT_TRUE(info->numberedReports);
    ASSERT_EQ(info->collections.size(), 2u);
    const auto& pointer = info->collections[0];
    EXPECT_EQ(pointer.usagePage, 0x0001);
    EXPECT_EQ(pointer.usage, 0x0002);
    EXPECT_EQ(pointer.inputReportLength, 1 + kPointerDataBytes);
    const auto& listener = info->collections[1];
    EXPECT_EQ(listener.usagePage, 0xFF01);
    EXPECT_EQ(listener.usage, 0xFF01);
    EXPECT_EQ(listener.inputReportLength, sim::kSimListenerInputLength);
    EXPECT_EQ(listener.outputReportLength, 0);
    EXPECT_EQ(listener.featureReportLength, 0);
}

} // namespace
} // namespace pelmora::uhid
