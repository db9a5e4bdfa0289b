#include "ui/pages/page_texts.h"

#include "settings/interface_texts.h"
#include "ui/skin/skin_state.h"

#include <array>

namespace pelmora {

QString pageText(TextId id, std::string_view languageCode) {
    return QString::fromUtf8(text(id, languageFromCode(languageCode)));
}

QString keyFunctionName(int index, std::string_view languageCode) {
    if (index < 0 || index >= static_cast<int>(kKeyFunctionListTexts.size())) {
        return QString();
    }
    return QString::fromUtf8(text(kKeyFunctionListTexts[static_cast<std::size_t>(index)],
                                  languageFromCode(languageCode)));
}

void drawCaptions(QPainter* painter, std::span<const PageCaption> captions, const QFont& font) {
    const std::string& language = skinState().language();
    for (const PageCaption& caption : captions) {
        drawTextLine(painter, caption.rect, pageText(caption.id, language), caption.align, font,
                     skinState().textColour());
    }
}

} // namespace pelmora
