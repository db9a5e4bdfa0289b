// The number fields of the fire key and delay dialogs.
#include "keys/number_fields.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(NumberFieldsTest, TextsReadAsTheirLeadingDecimalNumber) {
    EXPECT_EQ(decimalValue(""), 0);
    EXPECT_EQ(decimalValue("20000"), 20000);
    // Far too many digits stop at the limit instead of wrapping around.
    EXPECT_EQ(decimalValue("99999999999999999999"), 2147483647);
    EXPECT_EQ(decimalValue("-99999999999999999999"), -2147483648);
}

TEST(NumberFieldsTest, SpeedOutsideFiveTo255BecomesFive) {
    EXPECT_EQ(checkedFireSpeed("4").value, 5);
    EXPECT_TRUE(checkedFireSpeed("4").replaced);
    EXPECT_TRUE(checkedFireSpeed("").replaced);
    EXPECT_EQ(checkedFireSpeed("256").value, 5);
    EXPECT_EQ(checkedFireSpeed("4294967301").value, 5); // would wrap to 5 + 2^32
    EXPECT_EQ(checkedFireSpeed("5").value, 5);
    EXPECT_FALSE(checkedFireSpeed("5").replaced);
    EXPECT_EQ(checkedFireSpeed("255").value, 255);
    EXPECT_FALSE(checkedFireSpeed("255").replaced);
}

TEST(NumberFieldsTest, TimesOutsideZeroTo255BecomesOne) {
    EXPECT_EQ(checkedFireTimes("0").value, 0); // until the button is released
    EXPECT_FALSE(checkedFireTimes("0").replaced);
    EXPECT_EQ(checkedFireTimes("").value, 0);
    EXPECT_FALSE(checkedFireTimes("").replaced);
    EXPECT_EQ(checkedFireTimes("255").value, 255);
    EXPECT_EQ(checkedFireTimes("256").value, 1);
    EXPECT_TRUE(checkedFireTimes("256").replaced);
    EXPECT_TRUE(checkedFireTimes("-1").replaced);
}

} // namespace
} // namespace pelmora
