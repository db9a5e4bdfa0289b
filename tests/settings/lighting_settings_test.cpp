// The lighting texts, lists and choices of the basic page.
#include "settings/lighting_settings.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(LightingTexts, ModesEffectsAndParametersByValue) {
    EXPECT_EQ(lightModeText(0), TextId::EffectOff);
    EXPECT_EQ(lightModeText(3), TextId::EffectNeon);
    EXPECT_FALSE(lightModeText(4).has_value());
    EXPECT_EQ(lightEffectText(0), TextId::ColourNonDisplay);
    EXPECT_EQ(lightEffectText(3), TextId::ColourRgbFixedOn);
    EXPECT_FALSE(lightEffectText(4).has_value());

    EXPECT_EQ(lightParameterText(1, 0), "5%");
    EXPECT_EQ(lightParameterText(1, 9), "100%");
    EXPECT_EQ(lightParameterText(1, 10), ""); // a stored level of 10 or more
    EXPECT_EQ(lightParameterText(1, 255), "");
    EXPECT_EQ(lightParameterText(2, 0), "8S");
    EXPECT_EQ(lightParameterText(2, 5), "");
    EXPECT_EQ(lightParameterText(3, 0), "0.5S");
    EXPECT_EQ(lightParameterText(3, 3), "2S");
    EXPECT_EQ(lightParameterText(3, 29), "15S");
    EXPECT_EQ(lightParameterText(0, 0), "");
}

TEST(LightingTexts, ParameterListOfEachModeAndNeonsForNoMode) {
    EXPECT_EQ(lightParameterList(1).size(), 10u);
    EXPECT_EQ(lightParameterList(2).size(), 5u);
    EXPECT_EQ(lightParameterList(3).size(), 30u);
    EXPECT_EQ(lightParameterList(0).size(), 30u);
    EXPECT_EQ(lightParameterList(9).size(), 30u);
    EXPECT_EQ(lightParameterList(0)[29], "15S");
}

TEST(LightingStatus, PageEntryShowsTheStoredModeAndTheEffectOfThatMode) {
    SettingsBlock s{};
    s.lightLevel1 = 2;
    s.lightLevel2 = 4;
    s.lightLevel3 = 1;
    s.lightColourMode1 = 0;
    s.lightColourMode2 = 2;
    s.lightColourMode3 = 3;

    LightingStatus off = lightingStatus(s);
    EXPECT_EQ(off.mode, TextId::LightingKeptByMouse); // Apply leaves the mouse's lighting
    EXPECT_EQ(off.parameter, "");
    EXPECT_FALSE(off.effect.has_value());

    s.lightMode = 1;
    LightingStatus standard = lightingStatus(s);
    EXPECT_EQ(standard.parameter, "25%");
    EXPECT_EQ(standard.effect, TextId::ColourNonDisplay);
    s.lightMode = 2;
    EXPECT_EQ(lightingStatus(s).parameter, "4S");
    EXPECT_EQ(lightingStatus(s).effect, TextId::ColourRgbFlash);
    s.lightMode = 3;
    EXPECT_EQ(lightingStatus(s).parameter, "1S");
    EXPECT_EQ(lightingStatus(s).effect, TextId::ColourRgbFixedOn);

    s.lightMode = 7;
    LightingStatus unknown = lightingStatus(s);
    EXPECT_FALSE(unknown.mode.has_value());
    EXPECT_EQ(unknown.parameter, "");
    EXPECT_FALSE(unknown.effect.has_value());
}

TEST(LightingChoices, ModeZeroParameterChoiceChangesOnlyTheText) {
    SettingsBlock s{};
    s.lightLevel3 = 6;
    const SettingsBlock before = s;
    EXPECT_EQ(chooseLightParameter(s, 3), "2S");
    EXPECT_EQ(s, before);
    EXPECT_EQ(chooseLightParameter(s, 30), "");
}

TEST(LightingChoices, ChoosingNeonFillsAllThreeAndRespirationKeepsTheNeonEffect) {
    SettingsBlock s{};
    s.lightLevel2 = 1;
    s.lightLevel3 = 3;
    s.lightColourMode3 = 3;

    const auto neon = chooseLightMode(s, 2);
    ASSERT_TRUE(neon.has_value());
    EXPECT_EQ(s.lightMode, 3);
    EXPECT_EQ(neon->mode, TextId::EffectNeon);
    EXPECT_EQ(neon->parameter, "2S");
    EXPECT_EQ(neon->effect, TextId::ColourRgbFixedOn);

    const auto respiration = chooseLightMode(s, 1);
    ASSERT_TRUE(respiration.has_value());
    EXPECT_EQ(s.lightMode, 2);
    EXPECT_EQ(respiration->parameter, "7S");
    EXPECT_EQ(respiration->effect, TextId::ColourRgbEffect);
    EXPECT_EQ(s.lightColourMode3, 3);

    EXPECT_FALSE(chooseLightMode(s, 3).has_value());
    EXPECT_EQ(s.lightMode, 2);
}

TEST(LightingChoices, ParameterIsStoredAsTheCurrentModesLevel) {
    SettingsBlock s{};
    s.lightMode = 1;
    EXPECT_EQ(chooseLightParameter(s, 9), "100%");
    EXPECT_EQ(s.lightLevel1, 9);
    s.lightMode = 2;
    EXPECT_EQ(chooseLightParameter(s, 4), "4S");
    EXPECT_EQ(s.lightLevel2, 4);
    EXPECT_EQ(chooseLightParameter(s, 5), ""); // beyond Respiration's list
    EXPECT_EQ(s.lightLevel2, 4);
    s.lightMode = 3;
    EXPECT_EQ(chooseLightParameter(s, 29), "15S");
    EXPECT_EQ(s.lightLevel3, 29);
    EXPECT_EQ(s.lightLevel1, 9);
}

TEST(LightingChoices, EffectBoxByModeAndTheNeonEffectChoice) {
    EXPECT_EQ(effectBoxAction(1), EffectBoxAction::ShowRgbEffect);
    EXPECT_EQ(effectBoxAction(2), EffectBoxAction::ShowRgbEffect);
    EXPECT_EQ(effectBoxAction(3), EffectBoxAction::OpenList);
    EXPECT_EQ(effectBoxAction(0), EffectBoxAction::Nothing);
    EXPECT_EQ(effectBoxAction(4), EffectBoxAction::Nothing);

    SettingsBlock s{};
    EXPECT_EQ(chooseLightEffect(s, 0), TextId::ColourRgbFlash);
    EXPECT_EQ(s.lightColourMode3, 2);
    EXPECT_EQ(chooseLightEffect(s, 1), TextId::ColourRgbFixedOn);
    EXPECT_EQ(s.lightColourMode3, 3);
    EXPECT_FALSE(chooseLightEffect(s, 2).has_value());
    EXPECT_EQ(s.lightColourMode3, 3);
}

} // namespace
} // namespace pelmora
