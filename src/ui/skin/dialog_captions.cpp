#include "ui/skin/dialog_captions.h"

#include "settings/dialog_texts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_text.h"

#include <QFont>

#include <array>
#include <optional>

namespace pelmora {

namespace {

namespace D = dialog_layout;
namespace img = skin_image;

struct Caption {
    DialogText text;
    Rect area;
};

struct DialogCaptions {
    std::string_view image;
    DialogText title;
    std::array<std::optional<Caption>, 3> captions;
};

constexpr std::array<DialogCaptions, 8> kDialogs{{
    {img::kSingleKeyBackground, DialogText::SingleKeyTitle, {}},
    {img::kComboKeyBackground,
     DialogText::ComboKeyTitle,
     {Caption{DialogText::ModifierCaption, D::captionAbove(D::kUpperHeader)},
      Caption{DialogText::FirstKeyCaption, D::captionAbove(D::kFirstField)},
      Caption{DialogText::SecondKeyCaption, D::captionAbove(D::kSecondField)}}},
    {img::kFireKeyBackground,
     DialogText::FireKeyTitle,
     {Caption{DialogText::KeyCaption, D::captionAbove(D::kUpperHeader)}}},
    {img::kMediaKeyBackground,
     DialogText::MultimediaKeyTitle,
     {Caption{DialogText::FunctionCaption, D::captionAbove(D::kChoiceHeader, 0)}}},
    {img::kWindowsKeyBackground,
     DialogText::LaunchKeyTitle,
     {Caption{DialogText::ApplicationCaption, D::captionAbove(D::kChoiceHeader, 0)}}},
    {img::kMacroKeyBackground, DialogText::MacroKeyTitle, {}},
    {img::kSkinsBackground, DialogText::SkinsTitle, {}},
    {img::kDelayTimeBackground, DialogText::DelayTitle, {}},
}};

} // namespace

void drawDialogCaptions(QPainter* painter, std::string_view backgroundImage,
                        std::string_view language, const QFont& font) {
    const Language lang = languageFromCode(language);
    auto qs = [lang](DialogText id) { return QString::fromUtf8(dialogText(id, lang)); };
    const QColor white(255, 255, 255);
    for (const DialogCaptions& dialog : kDialogs) {
        if (dialog.image != backgroundImage) {
            continue;
        }
        QFont titleFont = font;
        titleFont.setBold(true);
        drawFittedLine(painter, D::kTitleText, qs(dialog.title), TextAlign::Left, titleFont, white);
        for (const auto& caption : dialog.captions) {
            if (caption) {
                drawFittedLine(painter, caption->area, qs(caption->text), TextAlign::Centre, font,
                               white);
            }
        }
        if (dialog.title == DialogText::ComboKeyTitle) {
            drawWrappedText(painter, D::kComboHint, qs(DialogText::ComboHint), font, white);
        }
        // The key dialogs take every key; a held one ends them.
        if (dialog.title == DialogText::ComboKeyTitle ||
            dialog.title == DialogText::SingleKeyTitle) {
            drawWrappedText(painter,
                            dialog.title == DialogText::ComboKeyTitle ? D::kComboHoldKeysHint
                                                                      : D::kSingleHoldKeysHint,
                            qs(DialogText::HoldKeysHint), font, QColor(200, 200, 200));
        }
    }
}

} // namespace pelmora
