#include "device/linux/report_descriptor.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The command collection as one interface without report IDs: 32-byte input
// and output chunks, 8-byte feature frames.
const Bytes kCommandOnly{0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x15, 0x00, 0x26,
                         0xFF, 0x00, 0x75, 0x08, 0x95, 0x20, 0x09, 0x01, 0x81, 0x02, 0x09,
                         0x02, 0x91, 0x02, 0x95, 0x08, 0x09, 0x03, 0xB1, 0x02, 0xC0};

// Listener (ID 6, 8 bytes in) and command (feature IDs 7 and 8) in one interface.
const Bytes kTwoWithIds{0x06, 0x01, 0xFF, 0x0A, 0x01, 0xFF, 0xA1, 0x01, 0x85, 0x06, 0x75,
                        0x08, 0x95, 0x08, 0x09, 0x01, 0x81, 0x02, 0xC0, 0x06, 0x00, 0xFF,
                        0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x85, 0x07, 0x95, 0x10, 0x09, 0x01,
                        0xB1, 0x02, 0x85, 0x08, 0x95, 0x40, 0x09, 0x02, 0xB1, 0x02, 0xC0};

// A boot mouse (nested physical collection, padding bits) and a vendor collection.
const Bytes kMouseAndVendor{0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09,
                            0x19, 0x01, 0x29, 0x03, 0x15, 0x00, 0x25, 0x01, 0x95, 0x03, 0x75, 0x01,
                            0x81, 0x02, 0x95, 0x01, 0x75, 0x05, 0x81, 0x01, 0x05, 0x01, 0x09, 0x30,
                            0x09, 0x31, 0x15, 0x81, 0x25, 0x7F, 0x75, 0x08, 0x95, 0x02, 0x81, 0x06,
                            0xC0, 0xC0, 0x06, 0x01, 0xFF, 0x0A, 0x01, 0xFF, 0xA1, 0x01, 0x75, 0x08,
                            0x95, 0x08, 0x09, 0x01, 0x81, 0x02, 0xC0};

TEST(ReportDescriptorTest, VendorCollectionWithoutIds) {
    std::string error;
    const auto info = parseReportDescriptor(kCommandOnly, error);
    ASSERT_TRUE(info) << error;
    EXPECT_FALSE(info->numberedReports);
    ASSERT_EQ(info->collections.size(), 1u);
    const DescriptorCollection& c = info->collections[0];
    EXPECT_EQ(c.usagePage, 0xFF00);
    EXPECT_EQ(c.usage, 0xFF00);
    EXPECT_EQ(c.inputReportLength, 33);
    EXPECT_EQ(c.outputReportLength, 33);
    EXPECT_EQ(c.featureReportLength, 9);
}

TEST(ReportDescriptorTest, TwoCollectionsWithIdsTakeTheLongestReport) {
    std::string error;
    const auto info = parseReportDescriptor(kTwoWithIds, error);
    ASSERT_TRUE(info) << error;
    EXPECT_TRUE(info->numberedReports);
    ASSERT_EQ(info->collections.size(), 2u);
    EXPECT_EQ(info->collections[0].usagePage, 0xFF01);
    EXPECT_EQ(info->collections[0].inputReportLength, 9);
    EXPECT_EQ(info->collections[0].featureReportLength, 0);
    EXPECT_EQ(info->collections[1].usage, 0xFF00);
    EXPECT_EQ(info->collections[1].featureReportLength, 65); // 64 bytes + ID
    EXPECT_EQ(info->collections[1].inputReportLength, 0);
}

TEST(ReportDescriptorTest, MouseAndVendorCollection) {
    std::string error;
    const auto info = parseReportDescriptor(kMouseAndVendor, error);
    ASSERT_TRUE(info) << error;
    ASSERT_EQ(info->collections.size(), 2u);
    EXPECT_EQ(info->collections[0].usagePage, 0x0001);
    EXPECT_EQ(info->collections[0].usage, 0x0002);
    EXPECT_EQ(info->collections[0].inputReportLength, 4); // 3 + 5 + 16 bits, plus the ID byte
    EXPECT_EQ(info->collections[1].usagePage, 0xFF01);
    EXPECT_EQ(info->collections[1].inputReportLength, 9);
}

TEST(ReportDescriptorTest, LongItemsAreSkippedAndExtendedUsagesRead) {
    const Bytes bytes{0xFE, 0x02, 0x10, 0xAA, 0xBB, // long item
                      0x0B, 0x01, 0xFF, 0x01, 0xFF, // usage 0xFF01:0xFF01
                      0xA1, 0x01, 0x75, 0x08, 0x95, 0x08,
                      0x81, 0x02, 0xFE, 0x00, 0x20, // empty long item
                      0xC0};
    std::string error;
    const auto info = parseReportDescriptor(bytes, error);
    ASSERT_TRUE(info) << error;
    ASSERT_EQ(info->collections.size(), 1u);
    EXPECT_EQ(info->collections[0].usagePage, 0xFF01);
    EXPECT_EQ(info->collections[0].usage, 0xFF01);
    EXPECT_EQ(info->collections[0].inputReportLength, 9);
}

TEST(ReportDescriptorTest, MalformedDescriptorsFailClearly) {
    const std::vector<Bytes> bad{
        {0x06, 0x00},                         // item cut short
        {0xA1, 0x01, 0x26, 0xFF},             // cut short inside a collection
        {0xFE, 0x05, 0x00, 0x01},             // long item past the end
        {0xFE},                               // long item without its sizes
        {0xA1, 0x01, 0x81, 0x02},             // never closed
        {0xC0},                               // closed, never opened
        {0xB4},                               // pop without push
        {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, // report outside a collection
        {0xA1, 0x01, 0x85, 0x00, 0xC0},       // report ID 0
        {0xA1, 0x01, 0x75, 0xFF, 0x96, 0xFF, 0xFF, 0x81, 0x02, 0xC0}, // absurdly long
    };
    for (const Bytes& bytes : bad) {
        std::string error;
        EXPECT_FALSE(parseReportDescriptor(bytes, error));
        EXPECT_FALSE(error.empty());
    }
    // Every prefix of a good descriptor either parses or fails; none reads past its end.
    for (std::size_t n = 0; n < kMouseAndVendor.size(); ++n) {
        const Bytes prefix(kMouseAndVendor.begin(), kMouseAndVendor.begin() + n);
        std::string error;
        (void)parseReportDescriptor(prefix, error);
    }
    std::string error;
    const auto empty = parseReportDescriptor({}, error);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->collections.empty());
}

} // namespace
} // namespace pelmora
