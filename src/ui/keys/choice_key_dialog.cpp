#include "ui/keys/choice_key_dialog.h"

#include "ui/skin/dialog_layout.h"

namespace pelmora {

CChoiceKeyDialog::CChoiceKeyDialog(std::string_view backgroundImage, QString failureCaption,
                                   QStringList texts, const Rect& listRect, MessageSink& messages,
                                   QWidget* parent)
    : CSkinnedDialog(backgroundImage, std::move(failureCaption), messages, parent),
      list_(*this, dialog_layout::kChoiceHeader, listRect) {
    chosenText = texts.value(0);
    list_.setItems(std::move(texts));
    connect(&list_, &DropDownList::chosen, this, [this](int index, const QString& text) {
        choicePosition = index;
        chosenText = text;
        if (display_) {
            display_->setText(text);
        }
    });
}

void CChoiceKeyDialog::createControls() {
    list_.setFont(dialogFont());
    display_ = &addStaticText(dialog_layout::kChoiceDisplay, Qt::AlignLeft);
    display_->setText(chosenText);
}

void CChoiceKeyDialog::closeListsIfMissed(const QPoint& p) {
    list_.closeIfMissed(p);
}

void CChoiceKeyDialog::clickAt(const QPoint& p) {
    if (list_.header().contains(p.x(), p.y())) {
        list_.toggle();
    }
}

void CChoiceKeyDialog::describeControls(std::vector<SkinControl>& out) {
    out.push_back({.rect = list_.header(),
                   .role = QAccessible::ComboBox,
                   .name = controlNameText(ControlName::Function),
                   .value = chosenText,
                   .list = &list_});
}

void CChoiceKeyDialog::done(int result) {
    // Enter with the list open ends with the choice shown, as OK does.
    list_.close();
    CSkinnedDialog::done(result);
}

} // namespace pelmora
