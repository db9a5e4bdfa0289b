#include "app/app_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace pelmora {
namespace {

std::optional<int> parse(const std::vector<std::string>& args, AppOptions& options,
                         std::string* out = nullptr) {
    std::ostringstream printed;
    std::ostringstream errors;
    const auto status = parseAppOptions(args, options, printed, errors);
    if (out != nullptr) {
        *out = printed.str();
    }
    EXPECT_EQ(errors.str().empty(), status != 2) << errors.str();
    return status;
}

// Every value comes after its option or joined to it by "=".
TEST(AppOptions, ReadsEveryOptionInBothForms) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--data-dir", "/d", "--simulate", "--sim-state", "/s.json",
                                   "--sim-control", "/c.sock", "--show"},
          {"--data-dir=/d", "--simulate", "--sim-state=/s.json", "--sim-control=/c.sock",
           "--show"}}) {
        AppOptions o;
        EXPECT_EQ(parse(args, o), std::nullopt) << args[0];
        EXPECT_EQ(o.common.dataDir, std::filesystem::path("/d"));
        EXPECT_TRUE(o.common.simulate);
        EXPECT_EQ(o.common.simState, std::filesystem::path("/s.json"));
        EXPECT_EQ(o.common.simControl, std::filesystem::path("/c.sock"));
        EXPECT_TRUE(o.show);
    }
}

TEST(AppOptions, RejectsUnknownOptionsAndMissingValues) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"},
                                                 {"--data-dir"},
                                                 {"--data-dir="},
                                                 {"--sim-state", ""},
                                                 {"show"}}) {
        AppOptions o;
        EXPECT_EQ(parse(args, o), 2) << args[0];
    }
}

TEST(AppOptions, HelpNamesEveryOptionAndVersionTheLicence) {
    AppOptions o;
    std::string help;
    EXPECT_EQ(parse({"--help"}, o, &help), 0);
    for (const char* name : {"--data-dir", "--simulate", "--sim-state", "--sim-control", "--show",
                             "--autostart", "--version", "--help"}) {
        EXPECT_NE(help.find(name), std::string::npos) << name;
    }
    std::string version;
    EXPECT_EQ(parse({"--version"}, o, &version), 0);
    EXPECT_TRUE(version.starts_with("pelmora 0.1.0\nLicense GPL-3.0-or-later")) << version;
}

} // namespace
} // namespace pelmora
