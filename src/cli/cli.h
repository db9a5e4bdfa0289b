#pragma once
// pelmora-cli: the program's work without a window.
//
// On the map (docs/ARCHITECTURE.md): src/cli, the top layer beside src/app;
// it uses the core only (doctor included), never the window's parts.

#include <iosfwd>
#include <span>
#include <string>
#include <vector>

namespace pelmora::cli {

// Runs one command line; output goes to out, messages to err.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int run(int argc, char** argv);

} // namespace pelmora::cli
