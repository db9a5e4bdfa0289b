#include "cli/json_writer.h"
#include "support/json_check.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace pelmora::cli {
namespace {

TEST(JsonWriter, NestedObjectsAndArraysCloseWithTheirOwnBrackets) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();
    json.beginArray("empty");
    json.endArray();
    json.beginObject("none");
    json.endObject();
    json.beginArray("rows");
    json.bytes({}, std::array<std::uint8_t, 2>{1, 255});
    json.beginArray();
    json.string({}, "x");
    json.endArray();
    json.endArray();
    json.number("n", -3);
    json.endObject();
    const std::string text = out.str();
    std::string error;
    EXPECT_TRUE(pelmora::testing::isValidJson(text, &error)) << error << "\n" << text;
    EXPECT_NE(text.find("\"empty\": []"), std::string::npos) << text;
    EXPECT_NE(text.find("\"none\": {}"), std::string::npos) << text;
    EXPECT_NE(text.find("[1, 255]"), std::string::npos) << text;
}

TEST(JsonWriter, StringsAreEscaped) {
    std::ostringstream out;
    JsonWriter json(out);
    json.beginObject();
    json.string("text", std::string_view("a\"b\\c\nd\te\x01", 10));
    json.endObject();
    EXPECT_TRUE(pelmora::testing::isValidJson(out.str())) << out.str();
    EXPECT_NE(out.str().find(R"("a\"b\\c\nd\te\u0001")"), std::string::npos) << out.str();
}

TEST(JsonWriter, HexStringIsLowerCaseWithoutSeparators) {
    EXPECT_EQ(hexString(std::array<std::uint8_t, 4>{0x01, 0x00, 0xF0, 0xAB}), "0100f0ab");
    EXPECT_EQ(hexString({}), "");
}

} // namespace
} // namespace pelmora::cli
