#include "keys/label_check.h"

#include "keys/key_function.h"
#include "settings/factory_settings.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

// Labels of a language that was not in use when the buttons changed: those
// naming another function are replaced, those naming the button's own
// function stay as saved.
TEST(LabelCheckTest, LabelsNamingAnotherFunctionAreReplaced) {
    SettingsBlock s = factorySettings();
    KeyBlock& a = s.keyBlock(KeyMode::A);
    a.keyFunction[1] = functionIndex(KeyFunction::TripleClick);
    a.keyFunction[2] = functionIndex(KeyFunction::SingleKey);
    a.singleKeyCode[2] = 0x3e; // F5
    a.keyFunction[3] = functionIndex(KeyFunction::SingleKey);
    a.singleKeyCode[3] = 0x3e;
    const Language tr = Language::Turkish;
    ButtonLabels labels = firstRunLabels(tr);
    const ButtonLabels before = labels;
    labels.modeA[3] =
        std::string(keyFunctionText(functionIndex(KeyFunction::SingleKey), tr)) + "-F5 (mine)";
    labels.modeA[4].clear();
    a.keyFunction[4] = functionIndex(KeyFunction::KeyOff);

    EXPECT_TRUE(matchLabelsToFunctions(s, labels, tr));
    EXPECT_EQ(labels.modeA[0], before.modeA[0]); // still the left click
    EXPECT_EQ(labels.modeA[1], keyFunctionText(functionIndex(KeyFunction::TripleClick), tr));
    EXPECT_EQ(labels.modeA[2],
              std::string(keyFunctionText(functionIndex(KeyFunction::SingleKey), tr)) + "-F5");
    EXPECT_NE(labels.modeA[3].find("(mine)"), std::string::npos); // names its function
    EXPECT_EQ(labels.modeA[4], "");                               // names nothing
    EXPECT_EQ(labels.modeB, before.modeB);
    EXPECT_FALSE(matchLabelsToFunctions(s, labels, tr));
}

} // namespace
} // namespace pelmora
