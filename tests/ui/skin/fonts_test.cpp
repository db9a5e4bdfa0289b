// Fonts per language resolve to faces installed here, never to empty boxes.
#include "ui/skin/skin_fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>
#include <gtest/gtest.h>

namespace pelmora {
namespace {

bool canShow(const QFont& font, const QString& text) {
    const QString family = QFontInfo(font).family();
    for (const QChar c : text) {
        if (!QFontMetrics(font).inFont(c)) {
            return false;
        }
    }
    return QFontDatabase::families().contains(family);
}

TEST(SkinFontsTest, LanguageCodesPickTheDesignedFaceAndSize) {
    EXPECT_EQ(textFontChoice("CHT").face, "黑体");
    EXPECT_EQ(textFontChoice("CHT").height, 14);
    EXPECT_EQ(textFontChoice("CHS").face, "宋体");
    EXPECT_EQ(textFontChoice("CHS").height, 13);
    EXPECT_EQ(titleFontChoice("CHS").weight, 700);
    EXPECT_EQ(textFontChoice("TUR").face, "Arial");
    EXPECT_EQ(titleFontChoice("TUR").face, "Tahoma");
    // Codes match exactly: lower case or a trailing blank is English.
    EXPECT_EQ(textFontChoice("chs").face, "Arial");
    EXPECT_EQ(textFontChoice("CHS ").face, "Arial");
    EXPECT_EQ(textFontChoice("").face, "Arial");
}

TEST(SkinFontsTest, EveryFaceHasAnInstalledStandIn) {
    const QString arial = installedFace("Arial");
    EXPECT_TRUE(arial == "Arial" || arial == "Liberation Sans") << arial.toStdString();
    EXPECT_TRUE(canShow(textFont("EN"), "Basic Settings"));
    EXPECT_TRUE(canShow(titleFont("EN"), "Advanced Settings"));
    EXPECT_TRUE(canShow(textFont("TUR"), "İptal Gelişmiş Çıkış"));
    EXPECT_TRUE(canShow(textFont("CHS"), "基本设置"));
    EXPECT_TRUE(canShow(textFont("CHT"), "基本設置"));
    EXPECT_TRUE(canShow(titleFont("CHT"), "高級設置"));
    EXPECT_TRUE(titleFont("EN").bold());
    EXPECT_FALSE(textFont("EN").bold());
}

TEST(SkinFontsTest, PixelSizeFollowsTheCellHeight) {
    EXPECT_LT(textFont("CHS").pixelSize(), textFont("CHT").pixelSize() + 1);
    EXPECT_GT(titleFont("EN").pixelSize(), textFont("EN").pixelSize());
    EXPECT_GE(textFont("EN").pixelSize(), 11);
}

} // namespace
} // namespace pelmora
