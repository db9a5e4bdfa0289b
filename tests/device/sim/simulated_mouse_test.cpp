#include "device/command_frame.h"
#include "device/sim/sim_control.h"
#include "device/sim/sim_control_pipe.h"
#include "device/sim/sim_state_json.h"
#include "device/sim/simulated_mouse.h"
#include "base/atomic_file.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace pelmora::sim {
namespace {

Report featureReport(const CommandFrame& frame) {
    Report report(9, 0);
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    return report;
}

CommandFrame answer(SimulatedMouse& mouse) {
    std::array<std::uint8_t, 9> report{};
    mouse.getFeature(report);
    CommandFrame frame{};
    std::copy_n(report.begin() + 1, 8, frame.begin());
    return frame;
}

TEST(SimulatedMouseTest, StartsInItsInitialState) {
    SimulatedMouse mouse;
    mouse.setFeature(featureReport(makeFrame(0x8D)));
    EXPECT_EQ(answer(mouse), makeFrame(0x8D, 1, 5, 2));
    mouse.setFeature(featureReport(makeFrame(0x87, 0)));
    EXPECT_EQ(answer(mouse), makeFrame(0x87, 0, 1, 0, 0));
    mouse.setFeature(featureReport(makeFrame(0x83)));
    EXPECT_EQ(answer(mouse), makeFrame(0x83, 0, 1, 0, 0));
}

TEST(SimulatedMouseTest, BadChecksumIsLoggedAndIgnored) {
    SimulatedMouse mouse;
    std::vector<std::string> heard;
    SimulatedMouse::Observer observer;
    observer.logged = [&](std::string_view l) { heard.emplace_back(l); };
    mouse.setObserver(observer);
    CommandFrame frame = makeFrame(0x0D, 3, 3, 3);
    frame[7] ^= 1;
    mouse.setFeature(featureReport(frame));
    EXPECT_EQ(mouse.state().effect, 1);
    EXPECT_EQ(heard.size(), 1u);
    EXPECT_EQ(mouse.log().size(), 1u);
}

TEST(SimulatedMouseTest, MacroSlotRoundTripAndChunksOfTheAnswer) {
    SimulatedMouse mouse;
    int queued = 0;
    SimulatedMouse::Observer observer;
    observer.inputQueued = [&](SimCollection) { ++queued; };
    mouse.setObserver(observer);
    mouse.setFeature(featureReport(makeFrame(0x13, 4, 0x80)));
    for (int k = 0; k < 4; ++k) {
        Report chunk(33, static_cast<std::uint8_t>(k + 1));
        chunk[0] = 0;
        mouse.writeOutput(chunk);
    }
    EXPECT_EQ(mouse.state().macroSlots[3][127], 4);
    mouse.setFeature(featureReport(makeFrame(0x93, 4)));
    EXPECT_FALSE(mouse.hasInput(SimCollection::Command)); // chunks follow the answer
    EXPECT_EQ(answer(mouse), makeFrame(0x93, 4, 0x80));
    EXPECT_EQ(queued, 1);
    for (int k = 0; k < 4; ++k) {
        auto chunk = mouse.takeInput(SimCollection::Command);
        ASSERT_TRUE(chunk);
        EXPECT_EQ(chunk->size(), 33u);
        EXPECT_EQ((*chunk)[1], k + 1);
    }
    EXPECT_FALSE(mouse.takeInput(SimCollection::Command));

    mouse.setFeature(featureReport(makeFrame(0x93, 13))); // no such slot
    EXPECT_EQ(answer(mouse), makeFrame(0x93, 13, 0));
    EXPECT_FALSE(mouse.hasInput(SimCollection::Command));
}

TEST(SimulatedMouseTest, EventsAndPlugging) {
    SimulatedMouse mouse;
    std::vector<bool> plugs;
    SimulatedMouse::Observer observer;
    observer.plugChanged = [&](bool p) { plugs.push_back(p); };
    mouse.setObserver(observer);
    std::string error;
    ASSERT_TRUE(mouse.handleControlLine("event 7 2", error));
    auto report = mouse.takeInput(SimCollection::Listener);
    ASSERT_TRUE(report);
    EXPECT_EQ(*report, (Report{6, 7, 0, 2, 0, 0, 0, 0, 0}));
    ASSERT_TRUE(mouse.handleControlLine("unplug", error));
    EXPECT_FALSE(mouse.plugged());
    mouse.raiseEvent(7, 1); // nobody hears an unplugged mouse
    EXPECT_FALSE(mouse.hasInput(SimCollection::Listener));
    mouse.setFeature(featureReport(makeFrame(0x01, 8)));
    EXPECT_EQ(mouse.state().reportInterval, 0);
    ASSERT_TRUE(mouse.handleControlLine("plug\r", error));
    EXPECT_EQ(plugs, (std::vector<bool>{false, true}));
    EXPECT_FALSE(mouse.handleControlLine("event 7", error));
    EXPECT_FALSE(error.empty());
}

TEST(SimControlTest, Lines) {
    std::string error;
    auto event = parseSimControlLine("  event 9 12 ", error);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->kind, SimControlCommand::Kind::Event);
    EXPECT_EQ(event->type, 9);
    EXPECT_EQ(event->value, 12);
    EXPECT_FALSE(parseSimControlLine("event 7 256", error));
    EXPECT_FALSE(parseSimControlLine("event x 1", error));
    EXPECT_FALSE(parseSimControlLine("unplug now", error));
    EXPECT_FALSE(parseSimControlLine("", error));
}

TEST(SimControlTest, LinesArriveInPiecesAndNoiseIsDropped) {
    ControlLineBuffer buffer;
    EXPECT_TRUE(buffer.feed("ev").empty());
    EXPECT_EQ(buffer.feed("ent 7 2\n\n  \r\nunplug\npl"),
              (std::vector<std::string>{"event 7 2", "unplug"}));
    EXPECT_EQ(buffer.feed("ug\n"), (std::vector<std::string>{"plug"}));
    EXPECT_TRUE(buffer.feed(std::string(5000, 'x')).empty()); // no newline in sight
    EXPECT_EQ(buffer.feed("plug\n"), (std::vector<std::string>{"plug"}));
}

TEST(SimStateJsonTest, RoundTripAndMissingMembersKeepTheirValue) {
    SimMouseState state;
    state.sensorType = 3;
    state.colourPage1 = {1, 2, 3};
    state.keyMatrices[2][63] = 0xAB;
    state.macroSlots[11][0] = 0xCD;
    SimMouseState loaded;
    std::string error;
    ASSERT_TRUE(simStateFromJson(simStateToJson(state), loaded, error)) << error;
    EXPECT_EQ(loaded, state);

    SimMouseState partial;
    ASSERT_TRUE(simStateFromJson(R"({"reportInterval": 4, "dpiStages": "0102030480808080"})",
                                 partial, error));
    EXPECT_EQ(partial.reportInterval, 4);
    EXPECT_EQ(partial.dpiStages[3], 4);
    EXPECT_EQ(partial.effect, 1); // initial value kept
    EXPECT_EQ(partial.colourPage0, (std::array<std::uint8_t, 3>{1, 0, 0}));
}

TEST(SimStateJsonTest, DamagedTextChangesNothing) {
    for (const char* text : {R"({"sensorType": 1, "effect": 300})", R"({"colourPage0": "0102"})",
                             R"({"keyMatrices": ["00"]})", R"({"sensorType": 1)", "[1, 2]",
                             R"({"option1": "1"})", "", R"({"sensorType": 1} x)"}) {
        SimMouseState state;
        std::string error;
        EXPECT_FALSE(simStateFromJson(text, state, error)) << text;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(state, SimMouseState{}) << text;
    }
}

TEST(SimStateFileTest, LoadedKeptAfterChangesAndDamagedFileLeftAlone) {
    pelmora::testing::ScratchFolder dir;
    const auto file = dir.path() / "mouse.json";
    { std::ofstream(file) << R"({"sensorType": 2})"; }
    SimulatedMouse mouse;
    std::string error;
    ASSERT_TRUE(mouse.attachStateFile(file, error)) << error;
    EXPECT_EQ(mouse.state().sensorType, 2);
    mouse.setFeature(featureReport(makeFrame(0x01, 8)));
    mouse.flushState();
    SimulatedMouse again;
    ASSERT_TRUE(again.attachStateFile(file, error));
    EXPECT_EQ(again.state().reportInterval, 8);
    EXPECT_EQ(again.state().sensorType, 2);

    const auto damaged = dir.path() / "damaged.json";
    { std::ofstream(damaged) << R"({"sensorType": 2, )"; }
    SimulatedMouse third;
    EXPECT_FALSE(third.attachStateFile(damaged, error));
    EXPECT_NE(error.find("damaged"), std::string::npos);
    third.setFeature(featureReport(makeFrame(0x01, 8)));
    std::string content, readError;
    ASSERT_TRUE(readWholeFile(damaged, content, readError));
    EXPECT_EQ(content, R"({"sensorType": 2, )"); // not overwritten
}

std::string fileText(const std::filesystem::path& file) {
    std::string content, error;
    readWholeFile(file, content, error);
    return content;
}

TEST(SimStateFileTest, SavedOncePerTransferOnItsTimerAndAtTheEnd) {
    pelmora::testing::ScratchFolder dir;
    const auto file = dir.path() / "mouse.json";
    std::string error;
    {
        SimulatedMouse mouse;
        mouse.setStateSaveDelay(std::chrono::hours(1));
        ASSERT_TRUE(mouse.attachStateFile(file, error)) << error;
        const auto initial = fileText(file);
        // Commands in the middle of a transfer wait for the timer ...
        mouse.setFeature(featureReport(makeFrame(0x01, 8)));
        mouse.setFeature(featureReport(makeFrame(0x12, 1, 0x40)));
        Report chunk(33, 0);
        chunk[1] = 0x42;
        mouse.writeOutput(chunk);
        mouse.writeOutput(chunk);
        EXPECT_EQ(fileText(file), initial);
        // ... key matrix 4, the last command of an Apply, saves at once.
        mouse.setFeature(featureReport(makeFrame(0x12, 4, 0x40)));
        mouse.writeOutput(chunk);
        mouse.writeOutput(chunk);
        SimMouseState saved;
        ASSERT_TRUE(simStateFromJson(fileText(file), saved, error)) << error;
        EXPECT_EQ(saved.reportInterval, 8);
        EXPECT_EQ(saved.keyMatrices[0][0], 0x42);
        EXPECT_EQ(saved.keyMatrices[3][32], 0x42);
        // A change after it is kept when the mouse goes away.
        mouse.setFeature(featureReport(makeFrame(0x01, 2)));
    }
    SimMouseState saved;
    ASSERT_TRUE(simStateFromJson(fileText(file), saved, error)) << error;
    EXPECT_EQ(saved.reportInterval, 2);

    // Without a transfer's end the timer saves a short while later.
    SimulatedMouse mouse;
    ASSERT_TRUE(mouse.attachStateFile(file, error)) << error;
    mouse.setFeature(featureReport(makeFrame(0x01, 4)));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (fileText(file).find("\"reportInterval\": 4") == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_NE(fileText(file).find("\"reportInterval\": 4"), std::string::npos);
    // Nothing but the state file is left in its folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

} // namespace
} // namespace pelmora::sim
