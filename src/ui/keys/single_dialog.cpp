#include "ui/keys/single_dialog.h"

#include "settings/dialog_texts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"
#include "ui/skin/text_fit.h"

#include <QLabel>

#include <array>

namespace pelmora {

QString singleKeyPrompt(std::string_view language) {
    return QString::fromUtf8(dialogText(DialogText::SingleKeyPrompt, languageFromCode(language)));
}

CSingleDialog::CSingleDialog(QWidget* parent, MessageSink& messages)
    : KeyCaptureDialog(skin_image::kSingleKeyBackground,
                       QStringLiteral("Single Key Dialog Load background image failed!!!"),
                       messages, parent) {}

void CSingleDialog::createControls() {
    display_ = &addStaticText(dialog_layout::kCenteredField, Qt::AlignHCenter);
    setAccessibleDescription(singleKeyPrompt(skinState().language()) + QLatin1Char('\n') +
                             holdKeysHint());
}

void CSingleDialog::describeControls(std::vector<SkinControl>& out) {
    if (display_ != nullptr) {
        // The field as a screen reader reads it; the label that draws it is
        // not a control of its own.
        out.push_back({.rect = dialog_layout::kCenteredField,
                       .role = QAccessible::EditableText,
                       .name = controlNameText(ControlName::KeyTaken),
                       .value = display_->text()});
    }
}

void CSingleDialog::drawContents(QPainter* painter) {
    drawTextLine(painter, dialog_layout::kSingleKeyPrompt, singleKeyPrompt(skinState().language()),
                 TextAlign::Centre, dialogFont(), Qt::white);
}

void CSingleDialog::startRun() {
    capturedKeyName.clear();
    if (display_ != nullptr) {
        showName({});
    }
}

void CSingleDialog::keyCaptured(const QString& name) {
    capturedKeyName = name.toStdString();
    showName(name);
}

void CSingleDialog::showName(const QString& name) {
    display_->setText(name);
    fitControlToText(*display_, dialog_layout::kCenteredField, name);
}

} // namespace pelmora
