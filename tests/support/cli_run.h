#pragma once
// Runs pelmora-cli in-process and keeps what it printed.

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace pelmora::testing {

struct CliOutcome {
    int status;
    std::string out;
    std::string err;
};

inline CliOutcome runCli(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::run(args, out, err);
    return {status, out.str(), err.str()};
}

} // namespace pelmora::testing
