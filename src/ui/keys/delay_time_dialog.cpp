#include "ui/keys/delay_time_dialog.h"

#include "keys/number_fields.h"
#include "settings/dialog_texts.h"
#include "ui/keys/number_field.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <array>
#include <string_view>

namespace pelmora {

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
    const Language language = languageFromCode(skinState().language());
    const QColor white(255, 255, 255);
    drawFittedLine(painter, dialog_layout::kDelayPrompt,
                   QString::fromUtf8(dialogText(DialogText::DelayPrompt, language)),
                   TextAlign::Centre, dialogFont(), white);
    drawFittedLine(painter, dialog_layout::kDelayRange,
                   QString::fromUtf8(dialogText(DialogText::DelayRange, language)),
                   TextAlign::Centre, dialogFont(), white);
}

} // namespace pelmora
