// show and matrices: what config.bin holds, and what Apply would send of it.
#include "base/hex_text.h"
#include "cli/cli_context.h"
#include "cli/stderr_sink.h"
#include "keys/key_function.h"
#include "keys/key_matrix.h"
#include "settings/settings_fields.h"
#include "settings/settings_file.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace pelmora::cli {

namespace {

// Four lines "matrix M: E0 .. E15", each entry eight hex digits in wire order.
void writeMatrices(std::ostream& out, const KeyMatrices& matrices) {
    for (std::size_t m = 0; m < matrices.size(); ++m) {
        out << "matrix " << (m + 1) << ':';
        const auto wire = matrixWireBytes(matrices[m]);
        for (std::size_t k = 0; k < kKeyMatrixSlots; ++k) {
            out << ' ' << toHex(std::span<const std::uint8_t>(wire.data() + 4 * k, 4));
        }
        out << '\n';
    }
}

} // namespace

int showCommand(CliContext& ctx) {
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    if (!ctx.loadSettings(settings, flag)) {
        return kFailedStatus;
    }
    ctx.out << jsonText(settingsToJson(settings, flag));
    return kOkStatus;
}

int matricesCommand(CliContext& ctx) {
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    if (!ctx.loadSettings(settings, flag)) {
        return kFailedStatus;
    }
    writeMatrices(ctx.out, buildKeyMatrices(settings));
    return kOkStatus;
}

} // namespace pelmora::cli
