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

} // namespace
} // namespace pelmora::cli
