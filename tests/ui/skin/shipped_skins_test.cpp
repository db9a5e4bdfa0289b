// The skins the build delivers: every image in every skin, at the sizes the
// layout expects.
#include "ui/pages/page_layout.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <array>

namespace pelmora {
namespace {

QString skinPath(std::string_view skin, std::string_view name) {
    return QString(PELMORA_BIN_DIR) + "/Skins/" + QString::fromUtf8(skin.data(), skin.size()) +
           QString::fromUtf8(name.data(), name.size());
}

TEST(ShippedSkinsTest, EverySkinHoldsEveryImage) {
    for (std::string_view skin : kShippedSkins) {
        for (std::string_view name : kSkinImageNames) {
            const QImage image(skinPath(skin, name));
            EXPECT_FALSE(image.isNull()) << skin << name;
            // Screens of twice the pixels get an image of twice the size.
            QString twice = skinPath(skin, name);
            twice.insert(twice.size() - 4, "@2x");
            EXPECT_EQ(QImage(twice).size(), image.size() * 2) << skin << name;
        }
    }
}

TEST(ShippedSkinsTest, ImagesFitTheLayout) {
    namespace img = skin_image;
    struct Expected {
        std::string_view name;
        QSize size;
    };
    const std::array<Expected, 11> sizes = {{
        {img::kBasicBackground, {layout::kWindowWidth, layout::kWindowHeight}},
        {img::kAdvancedBackground, {layout::kWindowWidth, layout::kWindowHeight}},
        {img::kButtonNormal, {layout::kOkButton.width(), layout::kOkButton.height()}},
        {img::kButtonOver, {105, 21}},
        {img::kDropdownNormal, {layout::keyBox(1).width(), layout::keyBox(1).height()}},
        {img::kSliderRateLight, {70, 11}},
        {img::kSliderDpiDark, {16, 16}},
        {img::kSliderLight, {24, 11}},
        {img::kPane, {16, 16}},
        {img::kCloseOver, {18, 18}},
        {img::kPrePageNormal, {40, 40}},
    }};
    for (std::string_view skin : kShippedSkins) {
        for (const Expected& e : sizes) {
            EXPECT_EQ(QImage(skinPath(skin, e.name)).size(), e.size) << skin << e.name;
        }
        for (std::string_view dialog : {img::kSingleKeyBackground, img::kSkinsBackground,
                                        img::kWindowsKeyBackground, img::kFireKeyBackground}) {
            const QImage image(skinPath(skin, dialog));
            EXPECT_GE(image.width(), dialog_layout::kWidth) << skin << dialog;
            EXPECT_GE(image.height(), dialog_layout::kHeight) << skin << dialog;
        }
    }
}

TEST(ShippedSkinsTest, SkinsDifferAndButtonsChangeUnderTheMouse) {
    const QImage a(skinPath(kShippedSkins[0], skin_image::kButtonOver));
    const QImage b(skinPath(kShippedSkins[1], skin_image::kButtonOver));
    EXPECT_NE(a, b);
    EXPECT_NE(a, QImage(skinPath(kShippedSkins[0], skin_image::kButtonNormal)));
}

} // namespace
} // namespace pelmora
