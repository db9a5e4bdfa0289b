// Apply and the read of the basic settings against the simulated mouse and
// against a scripted handle.
#include "device/command_set.h"
#include "device/link/device_link.h"
#include "device/sim/sim_backend.h"
#include "keys/key_function.h"
#include "settings/settings_file.h"

#include "fake_hid_handle.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <numeric>

namespace pelmora {
namespace {

using test::Bytes;
using Lines = std::vector<std::string>;

std::string hexOf(std::span<const std::uint8_t> bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (auto b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// Hex of a frame with its checksum, computed here on its own.
std::string frameHex(std::initializer_list<int> head) {
    std::vector<std::uint8_t> bytes(8, 0);
    int sum = 0;
    std::size_t i = 0;
    for (int b : head) {
        bytes[i++] = static_cast<std::uint8_t>(b);
        sum += b;
    }
    bytes[7] = static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
    return hexOf(bytes);
}

SettingsBlock sampleSettings() {
    SettingsBlock s{};
    s.reportInterval = 2;
    s.dpiLevel = {0, 3, 7, 20}; // 20 lies beyond the sensor's table
    s.dpiStageOn = {1, 0, 1, 1};
    for (std::size_t i = 0; i < 4; ++i) {
        s.dpiColour[i] = {static_cast<std::uint8_t>(0x10 + i), static_cast<std::uint8_t>(0x20 + i),
                          static_cast<std::uint8_t>(0x30 + i)};
    }
    s.lightMode = 3;
    s.lightLevel3 = 2;
    s.lightColourMode3 = 2;
    for (std::size_t slot = 0; slot < kMacroSlotCount; ++slot) {
        for (std::size_t i = 0; i < kMacroSlotSize; ++i) {
            s.macroData[slot][i] = static_cast<std::uint8_t>(slot * 16 + i);
        }
    }
    s.keyBlockA.keyFunction = {0, 1, 2, 3, 4, 6, 15, 15};
    s.keyBlockB.keyFunction = {1, 0, 2, 11, 12, 5, 14, 15};
    s.keyBlockB.singleKeyCode[3] = 0x04;
    s.dpiSwitchParamA[5] = 3;
    return s;
}

struct SimRig {
    std::shared_ptr<sim::SimulatedMouse> mouse = std::make_shared<sim::SimulatedMouse>();
    RecordingPacer* pacer = nullptr;
    std::unique_ptr<DeviceLink> link;
    RecordingTraceSink trace;

    SimRig() {
        auto recording = std::make_unique<RecordingPacer>();
        pacer = recording.get();
        link = std::make_unique<DeviceLink>(std::make_unique<sim::SimBackend>(mouse),
                                            std::move(recording));
        link->setChunkReadTimeout(200);
    }
};

void writeConfig(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary);
    out << std::string(kSettingsFileSize, '\0');
}

TEST(ApplyTest, WholeApplyTraceAgainstTheSimulatedMouse) {
    SimRig rig;
    sim::SimMouseState initial = rig.mouse->state();
    initial.sensorType = 1;
    rig.mouse->setState(initial);
    ASSERT_TRUE(rig.link->discover());
    rig.link->readBasicSettings();
    EXPECT_EQ(rig.link->deviceImage().activeSensorType, 1);

    pelmora::testing::ScratchFolder dir;
    const auto config = dir.path() / "config.bin";
    writeConfig(config);
    const SettingsBlock settings = sampleSettings();
    RecordingMessageSink messages;
    bool labelsSaved = false;
    ApplySaving saving{config,
                       &messages,
                       [&] {
                           // config.bin is already saved when the labels are.
                           std::ifstream in(config, std::ios::binary);
                           EXPECT_EQ(in.get(), 1);
                           labelsSaved = true;
                       },
                       {}};
    rig.link->setTrace(&rig.trace);
    rig.pacer->pauses.clear();
    const ApplyResult result = rig.link->apply(settings, saving);
    EXPECT_EQ(result.saved, SaveResult::Saved);
    // 38 command frames and 58 chunks, all of them taken.
    EXPECT_EQ(result.writes, 96u);
    EXPECT_EQ(result.failedWrites, 0u);
    EXPECT_TRUE(labelsSaved);
    EXPECT_TRUE(messages.messages.empty());

    // The expected record, line by line.
    Lines want;
    auto set = [&](std::initializer_list<int> f) { want.push_back("set " + frameHex(f)); };
    auto get = [&](std::initializer_list<int> f) { want.push_back("get " + frameHex(f)); };
    auto sleep = [&](int ms) { want.push_back("sleep " + std::to_string(ms)); };
    auto out = [&](std::span<const std::uint8_t> chunk) { want.push_back("out " + hexOf(chunk)); };
    auto in = [&](std::span<const std::uint8_t> chunk) { want.push_back("in " + hexOf(chunk)); };

    set({0x01, 2});
    set({0x8D});
    get({0x8D, 1, 5, 2});
    set({0x87, 0});
    get({0x87, 0, 1, 0, 0});
    sleep(2);
    set({0x87, 1});
    get({0x87, 1, 0, 0, 0});
    sleep(2);
    set({0x10, 0, 0});
    sleep(2);
    set({0x10, 1, 0x18});
    std::array<std::uint8_t, 32> colours{};
    for (std::size_t i = 0; i < 4; ++i) {
        std::copy_n(settings.dpiColour[i].begin(), 3, colours.begin() + 3 * i);
    }
    out(colours);
    sleep(3);
    sleep(2);
    set({0x07, 0, 2, 100, 10}); // effect 3 with colour set 2
    sleep(2);
    set({0x07, 1, 0, 0, 0});
    sleep(2);
    set({0x0D, 3, 3, 2}); // level 2 + 1; option 2 stays as read
    set({0x11, 4, 8});
    const std::array<std::uint8_t, 32> stages{0x01, 0x84, 0x25, 0x25, 0x80, 0x80, 0x80, 0x80};
    out(stages);
    sleep(3);
    for (int s = 1; s <= 12; ++s) {
        set({0x13, s, 0x80});
        for (int k = 0; k < 4; ++k) {
            out(std::span(settings.macroData[s - 1]).subspan(32 * k, 32));
            sleep(3);
        }
        sleep(2);
    }
    for (int s = 1; s <= 12; ++s) {
        set({0x93, s});
        get({0x93, s, 0x80});
        for (int k = 0; k < 4; ++k) {
            in(std::span(settings.macroData[s - 1]).subspan(32 * k, 32));
        }
        sleep(2);
    }
    const KeyMatrices matrices = buildKeyMatrices(settings);
    for (int m = 1; m <= 4; ++m) {
        set({0x12, m, 0x40});
        const auto wire = matrixWireBytes(matrices[m - 1]);
        out(std::span(wire).first(32));
        sleep(3);
        out(std::span(wire).subspan(32));
        sleep(3);
        sleep(2);
    }
    EXPECT_EQ(rig.trace.lines, want);

    // The totals the mouse's pacing relies on.
    auto count = [&](std::string_view prefix) {
        return std::count_if(rig.trace.lines.begin(), rig.trace.lines.end(),
                             [&](const std::string& l) { return l.starts_with(prefix); });
    };
    EXPECT_EQ(count("out "), 58);
    EXPECT_EQ(count("in "), 48);
    EXPECT_EQ(std::accumulate(rig.pacer->pauses.begin(), rig.pacer->pauses.end(), 0), 68 + 3 * 58);

    // The mouse now holds the settings.
    const sim::SimMouseState state = rig.mouse->state();
    EXPECT_EQ(state.reportInterval, 2);
    EXPECT_EQ(state.sensorType, 1);
    EXPECT_EQ(state.option2, 0x40);
    EXPECT_EQ(state.effect, 3);
    EXPECT_EQ(state.effectOption1, 3);
    EXPECT_EQ(state.effectOption2, 2);
    EXPECT_EQ(state.colourPage0, (std::array<std::uint8_t, 3>{2, 100, 10}));
    EXPECT_TRUE(std::equal(state.dpiColours.begin(), state.dpiColours.end(), colours.begin()));
    EXPECT_TRUE(std::equal(state.dpiStages.begin(), state.dpiStages.end(), stages.begin()));
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(state.keyMatrices[m], matrixWireBytes(matrices[m]));
    }
    EXPECT_EQ(state.macroSlots, settings.macroData);
    EXPECT_EQ(rig.link->deviceImage().macroImage, settings.macroData);

    // config.bin holds flag 1 and the block.
    std::ifstream file(config, std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(file)), {});
    ASSERT_EQ(content.size(), kSettingsFileSize);
    EXPECT_EQ(content[0], 1);
    EXPECT_EQ(std::memcmp(content.data() + 1, settings.bytes().data(), kSettingsBlockSize), 0);
}

TEST(ApplyTest, ReadBasicSettingsSetsTheActiveSensorAndResendsWithTheReadFlag) {
    SimRig rig;
    sim::SimMouseState initial = rig.mouse->state();
    initial.sensorType = 2;
    initial.reportRate = 4;
    initial.option1 = 7;
    initial.option2 = 0x03;
    rig.mouse->setState(initial);
    ASSERT_TRUE(rig.link->discover());
    rig.link->setTrace(&rig.trace);
    rig.link->readBasicSettings();
    EXPECT_EQ(rig.trace.lines,
              (Lines{"set " + frameHex({0x83}), "get " + frameHex({0x83, 2, 4, 7, 3}),
                     "set " + frameHex({0x03, 2, 4, 7, 0x43})}));
    const DeviceImage& image = rig.link->deviceImage();
    EXPECT_EQ(image.activeSensorType, 2);
    EXPECT_EQ(image.option2, 0x43);
    EXPECT_EQ(rig.mouse->state().option2, 0x43);
}

// Pulls the simulated mouse out just before the n-th write (frame or chunk).
class UnplugAtWrite final : public TraceSink {
public:
    UnplugAtWrite(sim::SimulatedMouse& mouse, std::size_t n) : mouse_(mouse), n_(n) {}
    void traceLine(std::string_view line) override {
        if ((line.starts_with("set ") || line.starts_with("out ")) && ++seen_ == n_) {
            mouse_.unplug();
        }
    }

private:
    sim::SimulatedMouse& mouse_;
    std::size_t n_;
    std::size_t seen_ = 0;
};

TEST(ApplyTest, ApplyEndsAndSavesWhenTheMouseIsPulledOutAndCountsTheLostWrites) {
    for (const std::size_t unplugAt : {1u, 30u, 96u}) {
        SimRig rig;
        ASSERT_TRUE(rig.link->discover());
        UnplugAtWrite unplug(*rig.mouse, unplugAt);
        rig.link->setTrace(&unplug);
        pelmora::testing::ScratchFolder dir;
        const auto config = dir.path() / "config.bin";
        writeConfig(config);
        RecordingMessageSink messages;
        int labels = 0;
        const ApplyResult result =
            rig.link->apply(sampleSettings(), {config, &messages, [&] { ++labels; }, {}});
        EXPECT_EQ(result.saved, SaveResult::Saved);
        EXPECT_EQ(labels, 1);
        EXPECT_EQ(result.writes, 96u);
        EXPECT_EQ(result.failedWrites, 96u - (unplugAt - 1)) << unplugAt;
        EXPECT_TRUE(result.mouseStoppedAnswering());
        EXPECT_EQ(applyFailureText(result), "the mouse stopped answering; " +
                                                std::to_string(96u - (unplugAt - 1)) +
                                                " of 96 writes did not reach it");
    }
}

TEST(LightingTest, MergeOfTheThreeModes) {
    DeviceImage read{};
    read.effect = 9;
    read.effectOption1 = 8;
    read.effectOption2 = 7;
    read.colourPage0 = {6, 5, 4};
    read.colourPage1 = {3, 2, 1};
    SettingsBlock s{};
    s.lightLevel1 = 0;
    s.lightLevel2 = 4;
    s.lightLevel3 = 1;

    DeviceImage image = read;
    s.lightMode = 0; // nothing chosen: as read
    mergeLighting(s, image);
    EXPECT_EQ(image, read);

    image = read;
    s.lightMode = 1;
    mergeLighting(s, image);
    EXPECT_EQ(image.effect, 1);
    EXPECT_EQ(image.effectOption1, 1);
    EXPECT_EQ(image.effectOption2, 2);
    EXPECT_EQ(image.colourPage0, (std::array<std::uint8_t, 3>{1, 5, 4}));
    EXPECT_EQ(image.colourPage1, read.colourPage1);

    image = read;
    s.lightMode = 2;
    mergeLighting(s, image);
    EXPECT_EQ(image.effect, 2);
    EXPECT_EQ(image.effectOption1, 5);
    EXPECT_EQ(image.effectOption2, 2);
    EXPECT_EQ(image.colourPage0[0], 1);

    for (const auto& [colourMode, page] : std::vector<std::pair<int, std::array<std::uint8_t, 3>>>{
             {2, {2, 100, 10}}, {3, {3, 5, 5}}, {0, {6, 5, 4}}, {1, {6, 5, 4}}}) {
        image = read;
        s.lightMode = 3;
        s.lightColourMode3 = static_cast<std::uint8_t>(colourMode);
        mergeLighting(s, image);
        EXPECT_EQ(image.effect, 3);
        EXPECT_EQ(image.effectOption1, 2);
        EXPECT_EQ(image.effectOption2, 7); // kept as read
        EXPECT_EQ(image.colourPage0, page) << colourMode;
    }
}

TEST(DpiStagePayloadTest, EnableBitAndFillerForEverySensor) {
    SettingsBlock s{};
    s.dpiLevel = {4, 4, 0, 15};
    s.dpiStageOn = {1, 0, 0, 1};
    DeviceImage image{};
    image.activeSensorType = 0;
    buildDpiStagePayload(s, image);
    EXPECT_EQ(image.dpiStagePayload,
              (std::array<std::uint8_t, 8>{0x05, 0x85, 0x81, 0x00, 0x80, 0x80, 0x80, 0x80}));
    EXPECT_EQ(image.dpiStageCount, 4);

    image.activeSensorType = 7; // unknown sensor: every code 0
    buildDpiStagePayload(s, image);
    EXPECT_EQ(image.dpiStagePayload,
              (std::array<std::uint8_t, 8>{0x00, 0x80, 0x80, 0x00, 0x80, 0x80, 0x80, 0x80}));
}

TEST(MacroReadBackTest, NonsenseAnswersStoreNothing) {
    for (const auto& [slot, length] :
         std::vector<std::pair<int, int>>{{0, 128}, {13, 128}, {255, 32}, {2, 129}, {2, 255}}) {
        test::FakeHidHandle handle;
        RecordingPacer pacer;
        CommandChannel channel(&handle, {9, 33, 33}, pacer, nullptr, 10);
        DeviceImage image{};
        for (auto& s : image.macroImage) {
            s.fill(0xEE);
        }
        const DeviceImage before = image;
        handle.queueAnswer(std::array<std::uint8_t, 8>{0x93, static_cast<std::uint8_t>(slot),
                                                       static_cast<std::uint8_t>(length)});
        for (int k = 0; k < 8; ++k) {
            handle.queueChunk(Bytes(32, 0x11));
        }
        CommandSet(channel, image).readMacroSlot(2);
        EXPECT_EQ(image, before) << slot << " " << length;
    }
}

TEST(MacroReadBackTest, AnswerGoesToTheSlotItNamesForItsLength) {
    test::FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, {9, 33, 33}, pacer, nullptr, 10);
    DeviceImage image{};
    handle.queueAnswer(std::array<std::uint8_t, 8>{0x93, 5, 40});
    handle.queueChunk(Bytes(32, 0x11));
    handle.queueChunk(Bytes(32, 0x22));
    CommandSet(channel, image).readMacroSlot(3);
    EXPECT_EQ(image.macroImage[2], MacroSlot{});
    EXPECT_EQ(image.macroImage[4][39], 0x22);
    EXPECT_EQ(image.macroImage[4][40], 0); // only the announced 40 bytes
}

TEST(MacroReadBackTest, AnInterruptedAnswerStoresNothing) {
    test::FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, {9, 33, 33}, pacer, nullptr, 10);
    DeviceImage image{};
    handle.queueAnswer(std::array<std::uint8_t, 8>{0x93, 1, 128});
    handle.queueChunk(Bytes(32, 0x11)); // one chunk of four, then silence
    CommandSet(channel, image).readMacroSlot(1);
    EXPECT_EQ(image.macroImage[0], MacroSlot{});
}

TEST(ColourPageTest, AnswerForAnotherPageIsIgnored) {
    test::FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, {9, 33, 33}, pacer);
    DeviceImage image{};
    handle.queueAnswer(std::array<std::uint8_t, 8>{0x87, 2, 9, 9, 9});
    handle.queueAnswer(std::array<std::uint8_t, 8>{0x87, 1, 7, 8, 9});
    CommandSet commands(channel, image);
    commands.readColourPage(0);
    EXPECT_EQ(image, DeviceImage{});
    commands.readColourPage(0); // the mouse names page 1: it goes to page 1
    EXPECT_EQ(image.colourPage1, (std::array<std::uint8_t, 3>{7, 8, 9}));
}

} // namespace
} // namespace pelmora
