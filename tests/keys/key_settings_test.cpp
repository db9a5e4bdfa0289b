#include "keys/key_settings.h"

#include "keys/key_matrix.h"

#include <gtest/gtest.h>

#include <numeric>

namespace pelmora {
namespace {

constexpr ButtonBytes kFactory = {0, 1, 2, 3, 4, 6, 15, 15};

class KeySettingsTest : public ::testing::Test {
protected:
    KeySettingsTest() {
        settings.keyBlockA.keyFunction = kFactory;
        settings.keyBlockB.keyFunction = kFactory;
        labels = firstRunLabels(Language::English);
    }
    KeySettings state() { return {settings, labels, Language::English}; }
    // Everything a choice could touch, to prove that nothing changed.
    void expectUnchanged(const SettingsBlock& before, const ButtonLabels& beforeLabels) {
        EXPECT_EQ(settings, before);
        EXPECT_EQ(labels, beforeLabels);
    }

    SettingsBlock settings{};
    ButtonLabels labels;
};

TEST_F(KeySettingsTest, LeftButtonGuardWithOneAndWithTwoLeftClicks) {
    EXPECT_FALSE(mayChangeButton(settings, {KeyMode::A, 0}));
    EXPECT_TRUE(mayChangeButton(settings, {KeyMode::A, 1}));
    EXPECT_EQ(leftButtonWarning(Language::English), "Left key must be selected!");

    // "Left Click" on buttons 1 and 3: both may change, until one has.
    settings.keyBlockA.keyFunction[2] = 0;
    EXPECT_TRUE(mayChangeButton(settings, {KeyMode::A, 0}));
    EXPECT_TRUE(mayChangeButton(settings, {KeyMode::A, 2}));
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 0}, 3), ListChoice::Stored);
    EXPECT_FALSE(mayChangeButton(settings, {KeyMode::A, 2}));

    // The hidden buttons count, and each mode keeps its own left click.
    settings.keyBlockA.keyFunction[7] = 0;
    EXPECT_TRUE(mayChangeButton(settings, {KeyMode::A, 2}));
    EXPECT_FALSE(mayChangeButton(settings, {KeyMode::B, 0}));
    EXPECT_FALSE(mayChangeButton(settings, {KeyMode::A, 8}));
}

TEST_F(KeySettingsTest, DirectChoicesStoreFunctionAndListText) {
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::B, 1}, 5), ListChoice::Stored);
    EXPECT_EQ(settings.keyBlockB.keyFunction[1], 5);
    EXPECT_EQ(labels.modeB[1], "Triple-click");
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 1);
    EXPECT_EQ(labels.modeA[1], "Right Click");

    Language turkish = Language::Turkish;
    EXPECT_EQ(chooseKeyFunction({settings, labels, turkish}, {KeyMode::A, 4}, 15),
              ListChoice::Stored);
    EXPECT_EQ(labels.modeA[4], text(TextId::KeyOff, turkish));
}

TEST_F(KeySettingsTest, NoEntryDpiSwitchAndDialogChoicesChangeNothing) {
    const SettingsBlock before = settings;
    const ButtonLabels beforeLabels = labels;
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 1}, -1), ListChoice::KeepOpen);
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 1}, 6), ListChoice::KeepOpen);
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 1}, 16), ListChoice::KeepOpen);
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 8}, 3), ListChoice::KeepOpen);
    // A dialog that is then cancelled stores nothing: "Right Click" stays.
    for (int index = 8; index <= 13; ++index) {
        EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 1}, index), ListChoice::NeedsDialog);
    }
    EXPECT_FALSE(chooseDpiSwitch(state(), {KeyMode::A, 1}, 3));
    expectUnchanged(before, beforeLabels);
}

TEST_F(KeySettingsTest, ShiftGoesIntoBothModesOnlyOnce) {
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 1}, 14), ListChoice::Stored);
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 14);
    EXPECT_EQ(settings.keyBlockB.keyFunction[1], 14);
    EXPECT_EQ(labels.modeA[1], "Shift");
    EXPECT_EQ(labels.modeB[1], "Shift");

    const SettingsBlock before = settings;
    const ButtonLabels beforeLabels = labels;
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::A, 3}, 14), ListChoice::Refused);
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::B, 3}, 14), ListChoice::Refused);
    expectUnchanged(before, beforeLabels);
}

TEST_F(KeySettingsTest, ReplacingAShiftInModeBReplacesItInBoth) {
    chooseKeyFunction(state(), {KeyMode::A, 1}, 14);
    EXPECT_EQ(chooseKeyFunction(state(), {KeyMode::B, 1}, 3), ListChoice::Stored);
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 3);
    EXPECT_EQ(settings.keyBlockB.keyFunction[1], 3);
    EXPECT_EQ(labels.modeA[1], "Forward");
    EXPECT_EQ(labels.modeB[1], "Forward");
    // No longer a Shift: the next change stays in its mode.
    chooseKeyFunction(state(), {KeyMode::B, 1}, 2);
    EXPECT_EQ(settings.keyBlockA.keyFunction[1], 3);
    EXPECT_EQ(labels.modeA[1], "Forward");
}

TEST_F(KeySettingsTest, DpiPlusOnButton4InModeBLeavesModeAAlone) {
    const KeyBlock modeA = settings.keyBlockA;
    const ButtonBytes dpiA = settings.dpiSwitchParamA;
    const auto labelsA = labels.modeA;
    EXPECT_TRUE(chooseDpiSwitch(state(), {KeyMode::B, 3}, 0));
    EXPECT_EQ(settings.keyBlockB.keyFunction[3], 6);
    EXPECT_EQ(settings.dpiSwitchParamB[3], 1);
    EXPECT_EQ(labels.modeB[3], "DPI +");
    EXPECT_EQ(settings.keyBlockA, modeA);
    EXPECT_EQ(settings.dpiSwitchParamA, dpiA);
    EXPECT_EQ(labels.modeA, labelsA);
    // The mouse gets 07 00 01 00 in matrix 3 at the slot of button 4.
    EXPECT_EQ(buildKeyMatrices(settings)[2][matrixSlotOfButton(3)], 0x00010007u);

    EXPECT_TRUE(chooseDpiSwitch(state(), {KeyMode::B, 3}, 2));
    EXPECT_EQ(settings.dpiSwitchParamB[3], 3);
    EXPECT_EQ(labels.modeB[3], "DPI Loop");
}

TEST_F(KeySettingsTest, ReplacingAShiftCarriesTheParametersIntoTheOtherMode) {
    chooseKeyFunction(state(), {KeyMode::A, 2}, 14);
    storeDialogResult(state(), {KeyMode::B, 2}, SingleKeyResult{"Num Enter"});
    EXPECT_EQ(settings.keyBlockA.keyFunction[2], 11);
    EXPECT_EQ(settings.keyBlockA.singleKeyCode[2], 0x58);
    EXPECT_EQ(labels.modeA[2], "Single Key-Num Enter");
    const KeyMatrices matrices = buildKeyMatrices(settings);
    EXPECT_EQ(matrices[0][2], matrices[2][2]);

    chooseKeyFunction(state(), {KeyMode::A, 4}, 14);
    chooseDpiSwitch(state(), {KeyMode::A, 4}, 1);
    EXPECT_EQ(settings.keyBlockB.keyFunction[4], 6);
    EXPECT_EQ(settings.dpiSwitchParamB[4], 2);
    EXPECT_EQ(labels.modeB[4], "DPI -");
}

TEST_F(KeySettingsTest, DialogResultsStoreTheirFieldsAndLabels) {
    const KeyButton b5{KeyMode::A, 4};
    storeDialogResult(state(), b5, LaunchKeyResult{4, "Browser-Search"});
    EXPECT_EQ(settings.keyBlockA.keyFunction[4], 8);
    EXPECT_EQ(labels.modeA[4], "Browser-Search");
    EXPECT_EQ(buildKeyMatrices(settings)[0][3], 0x02210003u);

    storeDialogResult(state(), b5, MediaKeyResult{6, "Vol-"});
    EXPECT_EQ(labels.modeA[4], "Multimedia-Vol-");
    EXPECT_EQ(buildKeyMatrices(settings)[0][3], 0x00EA0003u);

    // OK without choosing a key: position 0, speed 32, times 1, no text.
    storeDialogResult(state(), b5, FireKeyResult{});
    EXPECT_EQ(labels.modeA[4], "Fire Key-");
    EXPECT_EQ(buildKeyMatrices(settings)[0][3], 0x0120040Au);

    storeDialogResult(state(), b5, ComboKeyResult{"Left Ctrl", "Foo", "B"});
    EXPECT_EQ(labels.modeA[4], "Combo Key-Left Ctrl+B");
    EXPECT_EQ(buildKeyMatrices(settings)[0][3], 0x05000100u);

    storeDialogResult(state(), b5, MacroKeyResult{0, 3, "Reload"});
    EXPECT_EQ(labels.modeA[4], "Macro Key-Reload");
    EXPECT_EQ(buildKeyMatrices(settings)[0][3], 0x00010209u);

    // Mode B's twins; mode A keeps its macro.
    storeDialogResult(state(), {KeyMode::B, 0}, SingleKeyResult{"Right Ctrl"});
    EXPECT_EQ(settings.keyBlockB.singleKeyCode[0], 0xE4);
    EXPECT_EQ(settings.keyBlockA.singleKeyCode[0], 0);
    EXPECT_EQ(labels.modeB[0], "Single Key-Right Ctrl");

    // Prefixes follow the language; the captured names do not.
    EXPECT_EQ(labelOfResult(SingleKeyResult{"A"}, Language::SimplifiedChinese),
              std::string(text(TextId::SingleKey, Language::SimplifiedChinese)) + "-A");
}

TEST_F(KeySettingsTest, DefaultChangesOnlyFunctionsDpiLoopAndLabels) {
    // Every byte of the block set to something recognisable.
    auto bytes = settings.bytes();
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{7});
    labels.modeA[0] = "Macro Key-Reload";
    labels.modeB[5] = "DPI +";
    SettingsBlock expected = settings;
    expected.keyBlockA.keyFunction = kFactory;
    expected.keyBlockB.keyFunction = kFactory;
    expected.dpiSwitchParamA[5] = 3;
    expected.dpiSwitchParamB[5] = 3;

    restoreDefaultKeys(state());
    EXPECT_EQ(settings, expected);
    EXPECT_EQ(labels, firstRunLabels(Language::English));
    EXPECT_EQ(labels.modeB[5], "DPI Loop");
}

} // namespace
} // namespace pelmora
