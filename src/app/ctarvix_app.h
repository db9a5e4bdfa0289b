#pragma once
// The application object: options, the window class name, the device link,
// the main dialog and the event loop.

#include <string>
#include <vector>

namespace pelmora {

class CTarvixApp {
public:
    // Runs the program; returns the process's exit status.
    int run(int argc, char** argv);
};

} // namespace pelmora
