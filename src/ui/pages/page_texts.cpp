#include "ui/pages/page_texts.h"

#include "settings/interface_texts.h"

#include <array>

namespace pelmora {

namespace {

// The interface text row of each page text, in PageText order.
constexpr std::array<TextId, static_cast<std::size_t>(PageText::Count)> kRows = {
    TextId::BasicSettings,
    TextId::AdvancedSettings,
    TextId::Ok,
    TextId::Apply,
    TextId::Cancel,
    TextId::KeySetting,
    TextId::ReportRateSetting,
    TextId::DpiSetting,
    TextId::KeyPageDefault,
    TextId::DpiEffect,
    TextId::Mode,
    TextId::Parameter,
    TextId::Effect,
    TextId::WebAddress,
    TextId::MouseSpeed,
    TextId::ScrollingSpeed,
    TextId::DoubleClickSpeed,
    TextId::MacroSetting,
    TextId::SelectMacro,
    TextId::KeyPressSequence,
    TextId::RecordOption,
    TextId::EnhancePointerPrecision,
    TextId::ScrollOneScreen,
    TextId::RestoreDefaults,
    TextId::MacroName,
    TextId::StartRecording,
    TextId::StopRecording,
    TextId::LoopTimes,
    TextId::InsertMouseEvent,
    TextId::New,
    TextId::Delete,
    TextId::Confirm};

QString fromView(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

QString pageText(PageText id, std::string_view languageCode) {
    const auto index = static_cast<std::size_t>(id);
    if (index >= kRows.size()) {
        return QString();
    }
    return fromView(text(kRows[index], languageFromCode(languageCode)));
}

QString keyFunctionName(int index, std::string_view languageCode) {
    if (index < 0 || index >= static_cast<int>(kKeyFunctionListTexts.size())) {
        return QString();
    }
    return fromView(text(kKeyFunctionListTexts[static_cast<std::size_t>(index)],
                         languageFromCode(languageCode)));
}

} // namespace pelmora
