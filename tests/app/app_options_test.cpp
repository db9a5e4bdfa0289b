#include "app/app_options.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(AppOptions, ReadsEveryOption) {
    AppOptions o;
    std::string error;
    ASSERT_TRUE(parseAppOptions({"--data-dir", "/d", "--simulate", "--sim-state=/s.json",
                                 "--sim-control", "/c.sock", "--show"},
                                o, error))
        << error;
    EXPECT_EQ(o.dataDir, std::filesystem::path("/d"));
    EXPECT_TRUE(o.simulate);
    EXPECT_EQ(o.simState, std::filesystem::path("/s.json"));
    EXPECT_EQ(o.simControl, std::filesystem::path("/c.sock"));
    EXPECT_TRUE(o.show);
    EXPECT_FALSE(o.help);
}

TEST(AppOptions, RejectsUnknownOptionsAndMissingValues) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"},
                                                 {"--data-dir"},
                                                 {"--data-dir="},
                                                 {"--sim-state", ""},
                                                 {"show"}}) {
        AppOptions o;
        std::string error;
        EXPECT_FALSE(parseAppOptions(args, o, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

TEST(AppOptions, HelpNamesEveryOption) {
    const std::string_view usage = appUsageText();
    for (const char* name :
         {"--data-dir", "--simulate", "--sim-state", "--sim-control", "--show", "--help"}) {
        EXPECT_NE(usage.find(name), std::string_view::npos) << name;
    }
}

} // namespace
} // namespace pelmora
