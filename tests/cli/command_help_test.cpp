#include "words/setting_words.h"
#include "support/cli_run.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <string>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::runCli;

// Every command --help lists answers its own --help with its usage line,
// without touching any file or the mouse.
TEST(CommandHelpTest, EveryListedCommandHasItsOwnHelp) {
    const auto all = runCli({"--help"});
    ASSERT_EQ(all.status, 0);
    int commands = 0;
    bool inList = false;
    for (const auto& line : lines(all.out)) {
        if (line.starts_with("commands")) {
            inList = true;
            continue;
        }
        if (inList && line.empty()) {
            break;
        }
        if (!inList) {
            continue;
        }
        const std::string name = line.substr(2, line.find(' ', 2) - 2);
        for (const char* flag : {"--help", "-h"}) {
            const auto r = runCli({"--data-dir", "/nonexistent", name, flag});
            EXPECT_EQ(r.status, 0) << name;
            EXPECT_TRUE(r.out.starts_with("usage: pelmora-cli " + name)) << name << ":\n" << r.out;
            EXPECT_EQ(r.err, "") << name;
        }
        ++commands;
    }
    EXPECT_GE(commands, 13);
}

// The completion offers exactly the names set takes, and set --help names
// each of them.
TEST(CommandHelpTest, CompletionAndSetHelpNameEverySetting) {
    const std::string script = pelmora::testing::readTextFile(
        std::string(PELMORA_SOURCE_DIR) + "/packaging/bash-completion/pelmora-cli");
    const std::string marker = "local names=\"";
    const auto start = script.find(marker);
    ASSERT_NE(start, std::string::npos);
    const auto begin = start + marker.size();
    std::string offered = script.substr(begin, script.find('"', begin) - begin);
    std::string expected;
    for (const auto& name : settingNames()) {
        expected += (expected.empty() ? "" : " ") + name + (name == "default" ? "" : "=");
    }
    EXPECT_EQ(offered, expected);

    const auto help = runCli({"set", "--help"}).out;
    for (const auto& name : settingNames()) {
        if (!name.starts_with("dpi") && name.size() > 2) {
            EXPECT_NE(help.find(name), std::string::npos) << name;
        }
    }
}

} // namespace
} // namespace pelmora::cli
