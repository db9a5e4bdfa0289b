#include "settings/dpi_tables.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(DpiTablesTest, TablesHaveTheirLengths) {
    EXPECT_EQ(dpiCodeTable(0).size(), 16u);
    EXPECT_EQ(dpiLevelCount(0), 12u);
    for (std::uint8_t type = 1; type <= 3; ++type) {
        EXPECT_EQ(dpiCodeTable(type).size(), 8u);
        EXPECT_EQ(dpiLevelCount(type), 8u);
    }
    EXPECT_TRUE(dpiCodeTable(4).empty());
    EXPECT_EQ(dpiLevelCount(200), 0u);
}

TEST(DpiTablesTest, CodesByLevel) {
    EXPECT_EQ(dpiCode(0, 8), 0x25);
    EXPECT_EQ(dpiCode(1, 5), 0x23);
    EXPECT_EQ(dpiCode(2, 7), 0x2A);
    EXPECT_EQ(dpiCode(3, 0), 0x01);
    EXPECT_EQ(dpiCode(4, 0), 0x00); // unknown sensor
    // Type 0's padding is sent as the table has it.
    EXPECT_EQ(dpiCode(0, 11), 0x28);
    EXPECT_EQ(dpiCode(0, 15), 0x00);
    // Beyond the table: the code of the sensor's highest level, never a read
    // past the end, and never type 0's 0x00 padding.
    EXPECT_EQ(dpiCode(2, 8), 0x2A);
    EXPECT_EQ(dpiCode(2, 255), 0x2A);
    EXPECT_EQ(dpiCode(0, 16), 0x28);
    EXPECT_EQ(dpiCode(0, 255), 0x28);
}

TEST(DpiTablesTest, ValueTexts) {
    EXPECT_EQ(dpiValueText(0, 0), "250");
    EXPECT_EQ(dpiValueText(0, 11), "4000");
    EXPECT_EQ(dpiValueText(1, 7), "3200");
    EXPECT_EQ(dpiValueText(3, 1), "800");
    EXPECT_EQ(dpiValueText(0, 12), ""); // a code without a value
    EXPECT_EQ(dpiValueText(1, 8), "");
    EXPECT_EQ(dpiValueText(4, 0), "");
}

} // namespace
} // namespace pelmora
