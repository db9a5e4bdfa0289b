#pragma once
// The simulated mouse's state as a JSON file (--sim-state): numbers for the
// single bytes, lower-case hex strings for the byte groups.

#include "device/sim/sim_mouse_state.h"

#include <string>
#include <string_view>

namespace pelmora::sim {

std::string simStateToJson(const SimMouseState& state);

// Members the text lacks keep the value they have in `state`. On any error
// (bad JSON, a wrong type, a number out of 0..255, a hex string of the wrong
// length) `state` is left untouched and `error` says what is wrong.
bool simStateFromJson(std::string_view text, SimMouseState& state, std::string& error);

} // namespace pelmora::sim
