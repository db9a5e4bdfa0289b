// Paints the skins the program ships: every image of a skin folder, for each
// skin in its own colours. The backgrounds carry the pages' and dialogs'
// fixed decoration (panels, frames, empty tick boxes, captions) exactly where
// the layout puts the controls, from the same constants the windows use. The
// painters are in skin_painting/: primitives, small images, page and dialog
// backgrounds.
//
//   make-skins <Skins folder>

#include "skin_painting/skin_paint.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"

#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string_view>
#include <vector>

namespace pelmora::skins {
namespace {

namespace D = dialog_layout;
namespace img = skin_image;

// --- the image table ------------------------------------------------------------

using Painter = std::function<QImage(const Palette&)>;

struct ImageRecipe {
    std::string_view name;
    Painter paint;
};

std::vector<ImageRecipe> recipes() {
    return {
        {img::kBasicBackground, basicBackground},
        {img::kAdvancedBackground, advancedBackground},
        {img::kButtonNormal, [](const Palette& c) { return button(c, false); }},
        {img::kButtonOver, [](const Palette& c) { return button(c, true); }},
        {img::kCloseNormal, [](const Palette& c) { return glyphButton(c, Glyph::Close, false); }},
        {img::kCloseOver, [](const Palette& c) { return glyphButton(c, Glyph::Close, true); }},
        {img::kMinNormal, [](const Palette& c) { return glyphButton(c, Glyph::Minimise, false); }},
        {img::kMinOver, [](const Palette& c) { return glyphButton(c, Glyph::Minimise, true); }},
        {img::kSkinsNormal, [](const Palette& c) { return glyphButton(c, Glyph::Skins, false); }},
        {img::kSkinsOver, [](const Palette& c) { return glyphButton(c, Glyph::Skins, true); }},
        {img::kPrePageNormal, [](const Palette& c) { return pageTab(c, false, false); }},
        {img::kPrePageOver, [](const Palette& c) { return pageTab(c, false, true); }},
        {img::kNextPageNormal, [](const Palette& c) { return pageTab(c, true, false); }},
        {img::kNextPageOver, [](const Palette& c) { return pageTab(c, true, true); }},
        {img::kDropdownNormal, [](const Palette& c) { return dropdownBox(c, false); }},
        {img::kDropdownOver, [](const Palette& c) { return dropdownBox(c, true); }},
        {img::kPane, [](const Palette& c) { return tickBox(c, false); }},
        {img::kPaneTicked, [](const Palette& c) { return tickBox(c, true); }},
        {img::kSliderLight, [](const Palette& c) { return cell(c, 24, 11, 2, true); }},
        {img::kSliderDark, [](const Palette& c) { return cell(c, 24, 11, 2, false); }},
        {img::kSliderDpiLight, [](const Palette& c) { return cell(c, 16, 16, 0, true); }},
        {img::kSliderDpiDark, [](const Palette& c) { return cell(c, 16, 16, 0, false); }},
        {img::kSliderRateLight, [](const Palette& c) { return cell(c, 70, 11, 0, true); }},
        {img::kSliderRateDark, [](const Palette& c) { return cell(c, 70, 11, 0, false); }},
        {img::kComboKeyBackground, comboKeyBackground},
        {img::kDelayTimeBackground, singleKeyBackground},
        {img::kFireKeyBackground, comboKeyBackground},
        {img::kMacroKeyBackground, macroKeyBackground},
        {img::kMediaKeyBackground,
         [](const Palette& c) { return choiceBackground(c, D::kHeight); }},
        {img::kSingleKeyBackground, singleKeyBackground},
        // Its list reaches further down than the other dialogs' lists.
        {img::kWindowsKeyBackground, [](const Palette& c) { return choiceBackground(c, 310); }},
        {img::kSkinsBackground, skinsBackground},
    };
}

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace
} // namespace pelmora::skins

int main(int argc, char** argv) {
    using namespace pelmora;
    using namespace pelmora::skins;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-skins <Skins folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const std::vector<ImageRecipe> table = recipes();
    for (std::string_view skin : kShippedSkins) {
        const auto match = std::find_if(palettes().begin(), palettes().end(),
                                        [&](const Palette& pal) { return pal.skin == skin; });
        if (match == palettes().end()) {
            std::fprintf(stderr, "make-skins: no colours for %s\n", qPrintable(qs(skin)));
            return 1;
        }
        const Palette& palette = *match;
        const QString folder = root + "/" + qs(palette.skin);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "make-skins: cannot create %s\n", qPrintable(folder));
            return 1;
        }
        for (std::string_view name : kSkinImageNames) {
            const auto recipe = std::find_if(table.begin(), table.end(),
                                             [&](const ImageRecipe& r) { return r.name == name; });
            if (recipe == table.end()) {
                std::fprintf(stderr, "make-skins: no recipe for %s\n", qPrintable(qs(name)));
                return 1;
            }
            for (const int scale : {1, 2}) {
                gScale = scale;
                QString path = folder + qs(name);
                if (scale > 1) {
                    path.insert(path.size() - 4, QStringLiteral("@%1x").arg(scale));
                }
                if (!recipe->paint(palette).save(path, "PNG")) {
                    std::fprintf(stderr, "make-skins: cannot write %s\n", qPrintable(path));
                    return 1;
                }
            }
        }
    }
    return 0;
}
