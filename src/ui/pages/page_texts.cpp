#include "ui/pages/page_texts.h"

#include "settings/interface_texts.h"

#include <array>

namespace pelmora {

namespace {

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QString pageText(TextId id, std::string_view languageCode) {
    return fromView(text(id, languageFromCode(languageCode)));
}

QString keyFunctionName(int index, std::string_view languageCode) {
    if (index < 0 || index >= static_cast<int>(kKeyFunctionListTexts.size())) {
        return QString();
    }
    return fromView(text(kKeyFunctionListTexts[static_cast<std::size_t>(index)],
                         languageFromCode(languageCode)));
}

} // namespace pelmora
