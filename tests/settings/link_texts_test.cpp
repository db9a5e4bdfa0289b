#include "settings/link_texts.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(LinkTexts, WritesLostInEveryLanguage) {
    EXPECT_EQ(writesLostText(3, 96, Language::English),
              "The mouse stopped answering; 3 of 96 writes did not reach it.");
    EXPECT_EQ(writesLostText(3, 96, Language::TraditionalChinese),
              "滑鼠停止回應；96 次寫入中有 3 次未送達滑鼠。");
    EXPECT_EQ(writesLostText(96, 96, Language::Turkish),
              "Fare yanıt vermeyi bıraktı; 96 yazma işleminden 96 tanesi fareye ulaşmadı.");
}

TEST(LinkTexts, AProblemHasASentenceAndTheDoctorInEveryLanguageAndNoneHasNone) {
    for (auto language : {Language::SimplifiedChinese, Language::TraditionalChinese,
                          Language::Turkish, Language::English}) {
        EXPECT_EQ(mouseProblemText(MouseProblem::None, language), "");
        for (auto problem : {MouseProblem::NoPermission, MouseProblem::UnreadableDescriptor,
                             MouseProblem::CannotOpen}) {
            EXPECT_NE(mouseProblemText(problem, language).find("pelmora-cli doctor"),
                      std::string::npos);
        }
    }
}

} // namespace
} // namespace pelmora
