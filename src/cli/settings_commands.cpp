// show and matrices: what config.bin holds, and what Apply would send of it.
#include "cli/cli_context.h"
#include "cli/json_writer.h"
#include "cli/settings_output.h"
#include "cli/stderr_sink.h"
#include "keys/key_function.h"
#include "settings/settings_file.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace pelmora::cli {

namespace {

void writeKeyBlock(JsonWriter& json, const KeyBlock& block, char mode) {
    auto name = [mode](std::string_view field) { return std::string(field) + mode; };
    json.bytes(name("keyFunction"), block.keyFunction);
    json.bytes(name("mediaChoice"), block.mediaChoice);
    json.bytes(name("mediaCode"), block.mediaCode);
    json.bytes(name("launchChoice"), block.launchChoice);
    json.bytes(name("launchUsageLow"), block.launchUsageLow);
    json.bytes(name("launchUsageHigh"), block.launchUsageHigh);
    json.bytes(name("fireKeyChoice"), block.fireKeyChoice);
    json.bytes(name("fireKeyCode"), block.fireKeyCode);
    json.bytes(name("fireKeyParam2"), block.fireKeyParam2);
    json.bytes(name("fireKeyParam3"), block.fireKeyParam3);
    json.bytes(name("singleKeyCode"), block.singleKeyCode);
    json.bytes(name("comboModifier"), block.comboModifier);
    json.bytes(name("comboKey1"), block.comboKey1);
    json.bytes(name("comboKey2"), block.comboKey2);
    json.bytes(name("macroNumber"), block.macroNumber);
    json.bytes(name("macroLoopMode"), block.macroLoopMode);
}

} // namespace

void writeSettingsJson(std::ostream& out, const SettingsBlock& s, std::uint8_t firstRunFlag) {
    JsonWriter json(out);
    json.beginObject();
    writeSettingsMembers(json, s, firstRunFlag);
    json.endObject();
    out << '\n';
}

void writeSettingsMembers(JsonWriter& json, const SettingsBlock& s, std::uint8_t firstRunFlag) {
    json.number("firstRunFlag", firstRunFlag);
    json.beginObject("keyModeA");
    writeKeyBlock(json, s.keyBlockA, 'A');
    json.endObject();
    json.bytes("reserved080", s.reserved080);
    json.number("reportInterval", s.reportInterval);
    json.number("reserved086", s.reserved086);
    json.bytes("dpiLevel", s.dpiLevel);
    json.bytes("dpiStageOn", s.dpiStageOn);
    json.beginArray("dpiColour");
    for (const auto& colour : s.dpiColour) {
        json.bytes({}, colour);
    }
    json.endArray();
    json.number("lightMode", s.lightMode);
    json.number("lightLevel1", s.lightLevel1);
    json.number("lightLevel2", s.lightLevel2);
    json.number("lightLevel3", s.lightLevel3);
    json.number("lightColourMode1", s.lightColourMode1);
    json.number("lightColourMode2", s.lightColourMode2);
    json.number("lightColourMode3", s.lightColourMode3);
    json.number("reserved0A2", s.reserved0A2);
    json.beginArray("macroData");
    for (const auto& slot : s.macroData) {
        json.string({}, hexString(slot));
    }
    json.endArray();
    json.number("pointerPrecision", s.pointerPrecision);
    json.number("scrollByScreen", s.scrollByScreen);
    json.number("pointerSpeedLevel", s.pointerSpeedLevel);
    json.number("scrollLines", s.scrollLines);
    json.number("doubleClickLevel", s.doubleClickLevel);
    json.number("keyMode", s.keyMode);
    json.beginObject("keyModeB");
    writeKeyBlock(json, s.keyBlockB, 'B');
    json.endObject();
    json.bytes("dpiSwitchParamA", s.dpiSwitchParamA);
    json.bytes("dpiSwitchParamB", s.dpiSwitchParamB);
}

void writeMatrices(std::ostream& out, const KeyMatrices& matrices) {
    for (std::size_t m = 0; m < matrices.size(); ++m) {
        out << "matrix " << (m + 1) << ':';
        const auto wire = matrixWireBytes(matrices[m]);
        for (std::size_t k = 0; k < kKeyMatrixSlots; ++k) {
            out << ' ' << hexString(std::span<const std::uint8_t>(wire.data() + 4 * k, 4));
        }
        out << '\n';
    }
}

int showCommand(CliContext& ctx) {
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    if (!ctx.loadSettings(settings, flag)) {
        return kFailedStatus;
    }
    writeSettingsJson(ctx.out, settings, flag);
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
