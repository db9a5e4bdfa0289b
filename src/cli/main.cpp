#include "base/log.h"
#include "cli/cli.h"

#include <iostream>

int main(int argc, char** argv) {
    // What passes PELMORA_LOG goes to standard error, one line each.
    const pelmora::LogFilter filter = pelmora::LogFilter::fromEnvironment();
    pelmora::setLogSink(
        [filter](pelmora::LogCategory category, pelmora::LogLevel level, std::string_view message) {
            if (filter.passes(category, level)) {
                std::cerr << "pelmora-cli: " << pelmora::logCategoryName(category) << ": "
                          << message << std::endl;
            }
        });
    return pelmora::cli::run(argc, argv);
}
