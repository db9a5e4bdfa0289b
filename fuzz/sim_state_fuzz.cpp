// The simulated mouse's state file and its control lines: a state that reads
// is written and read back unchanged; one that does not changes nothing.
#include "device/sim/sim_control.h"
#include "device/sim/sim_control_pipe.h"
#include "device/sim/sim_state_json.h"
#include "device/sim/simulated_mouse.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

using namespace pelmora::sim;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pelmora::fuzz::FuzzInput in(data, size);
    const std::string controlText = in.sizedText();
    const auto rest = in.rest();
    const std::string_view json(reinterpret_cast<const char*>(rest.data()), rest.size());

    SimMouseState state;
    state.reportRate = 7; // something the text may or may not replace
    const SimMouseState before = state;
    std::string error;
    if (simStateFromJson(json, state, error)) {
        SimMouseState again;
        FUZZ_CHECK(simStateFromJson(simStateToJson(state), again, error));
        FUZZ_CHECK(again == state);
    } else {
        FUZZ_CHECK(state == before && !error.empty());
    }

    // Control lines as they arrive through the pipe, in two pieces.
    SimulatedMouse mouse;
    ControlLineBuffer buffer;
    const std::size_t cut = controlText.size() / 2;
    auto lines = buffer.feed(std::string_view(controlText).substr(0, cut));
    for (auto& line : buffer.feed(std::string_view(controlText).substr(cut))) {
        lines.push_back(std::move(line));
    }
    for (const auto& line : lines) {
        const auto command = parseSimControlLine(line, error);
        FUZZ_CHECK(mouse.handleControlLine(line, error) == command.has_value());
        if (command && command->kind == SimControlCommand::Kind::Unplug) {
            FUZZ_CHECK(!mouse.plugged());
        }
        if (command && command->kind == SimControlCommand::Kind::Plug) {
            FUZZ_CHECK(mouse.plugged());
        }
        if (command && command->kind == SimControlCommand::Kind::Event && mouse.plugged()) {
            FUZZ_CHECK(mouse.hasInput(SimCollection::Listener));
            while (mouse.takeInput(SimCollection::Listener)) {
            }
        }
    }
    return 0;
}
