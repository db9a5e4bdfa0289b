// config.bin as the user's disk holds it, loaded and applied to the simulated
// mouse: the mouse ends up holding exactly what Apply says it sent, and the
// pauses never change.
#include "device/link/device_link.h"
#include "device/sim/sim_backend.h"
#include "fuzz_check.h"
#include "fuzz_files.h"
#include "fuzz_input.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cstring>

using namespace pelmora;

namespace {
fuzz::ScratchCleanup cleanup;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const bool exactBytes = in.flag(); // else padded or cut to the right size
    const std::uint8_t sensorType = in.byte();
    auto rest = in.rest();
    std::vector<std::uint8_t> content(rest.begin(), rest.end());
    if (!exactBytes) {
        content.resize(kSettingsFileSize);
    }
    const auto file = fuzz::writeScratchFile("config.bin", content);

    SettingsBlock settings{};
    std::uint8_t flag = 0;
    RecordingMessageSink messages;
    const LoadResult loaded = loadSettingsFile(file, settings, flag, messages);
    FUZZ_CHECK((loaded == LoadResult::Loaded) == (content.size() == kSettingsFileSize));
    if (loaded != LoadResult::Loaded) {
        return 0;
    }
    FUZZ_CHECK(flag == content[0] &&
               std::memcmp(&settings, content.data() + 1, sizeof settings) == 0);

    auto mouse = std::make_shared<sim::SimulatedMouse>();
    auto state = mouse->state();
    state.sensorType = sensorType;
    mouse->setState(state);
    auto pacerOwner = std::make_unique<RecordingPacer>();
    RecordingPacer& pacer = *pacerOwner;
    DeviceLink link(std::make_unique<sim::SimBackend>(mouse), std::move(pacerOwner));
    FUZZ_CHECK(link.discover());
    link.readBasicSettings();
    link.apply(settings, ApplySaving{});

    const DeviceImage& image = link.deviceImage();
    const sim::SimMouseState held = mouse->state();
    FUZZ_CHECK(held.reportInterval == image.reportInterval);
    FUZZ_CHECK(held.effect == image.effect && held.effectOption1 == image.effectOption1 &&
               held.effectOption2 == image.effectOption2);
    FUZZ_CHECK(held.colourPage0 == image.colourPage0 && held.colourPage1 == image.colourPage1);
    FUZZ_CHECK(held.dpiColours == image.dpiColourPayload);
    FUZZ_CHECK(held.dpiStages == image.dpiStagePayload);
    FUZZ_CHECK(held.macroSlots == settings.macroData);
    FUZZ_CHECK(image.macroImage == settings.macroData); // read back whole
    for (std::size_t m = 0; m < held.keyMatrices.size(); ++m) {
        for (std::size_t k = 0; k < image.keyMatrix[m].size(); ++k) {
            const std::uint32_t code = image.keyMatrix[m][k];
            for (std::size_t b = 0; b < 4; ++b) {
                FUZZ_CHECK(held.keyMatrices[m][4 * k + b] == ((code >> (8 * b)) & 0xFF));
            }
        }
    }
    for (std::size_t s = 4; s < image.dpiStagePayload.size(); ++s) {
        FUZZ_CHECK(image.dpiStagePayload[s] == 0x80);
    }
    // The pauses of Apply (the read before it has none) whatever the settings.
    FUZZ_CHECK(std::count(pacer.pauses.begin(), pacer.pauses.end(), 2) == 34);
    FUZZ_CHECK(std::count(pacer.pauses.begin(), pacer.pauses.end(), 3) == 58);
    FUZZ_CHECK(pacer.pauses.size() == 92);
    return 0;
}
