#include "cli/cli.h"

int main(int argc, char** argv) {
    return pelmora::cli::run(argc, argv);
}
