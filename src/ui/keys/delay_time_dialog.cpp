#include "ui/keys/delay_time_dialog.h"

#include "keys/number_fields.h"
#include "settings/language_rows.h"
#include "ui/keys/number_field.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <array>
#include <string_view>

namespace pelmora {

namespace {

struct DelayTexts {
    std::string_view language;
    const char* prompt;
    const char* range;
};

constexpr std::array<DelayTexts, 4> kTexts = {{
    {"", "Please enter a delay", "(value range 0-10000)"},
    {"CHS", "请输入延迟时间", "（取值范围 0-10000）"},
    {"CHT", "請輸入延遲時間", "（數值範圍 0-10000）"},
    {"TUR", "Lütfen bir gecikme girin", "(değer aralığı 0-10000)"},
}};

const DelayTexts& textsFor(std::string_view language) {
    return languageRowOr(kTexts, language, kTexts[0]);
}

} // namespace

CDelayTimeDialog::CDelayTimeDialog(QWidget* parent, MessageSink& messages)
    : CSkinnedDialog(skin_image::kDelayTimeBackground,
                     QStringLiteral("DelayTime Dialog Load background image failed!!!"), messages,
                     parent) {}

void CDelayTimeDialog::describeControls(std::vector<SkinControl>& out) {
    if (delayField_) {
        out.push_back({.rect = dialog_layout::kCenteredField,
                       .role = QAccessible::EditableText,
                       .name = controlNameText(ControlName::DelayTime),
                       .widget = delayField_});
    }
}

void CDelayTimeDialog::createControls() {
    delayField_ = &addNumberField(*this, dialog_layout::kCenteredField, true);
    connect(delayField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        delayText = text;
        delayValue = decimalValue(text.toStdString());
    });
    // The delay is all this dialog asks for: typing goes straight into it.
    delayField_->setFocus(Qt::OtherFocusReason);
}

void CDelayTimeDialog::drawContents(QPainter* painter) {
    const DelayTexts& t = textsFor(skinState().language());
    const QColor white(255, 255, 255);
    drawFittedLine(painter, dialog_layout::kDelayPrompt, QString::fromUtf8(t.prompt),
                   TextAlign::Centre, dialogFont(), white);
    drawFittedLine(painter, dialog_layout::kDelayRange, QString::fromUtf8(t.range),
                   TextAlign::Centre, dialogFont(), white);
}

} // namespace pelmora
