#include "ui/keys/combo_dialog.h"

#include "keys/key_tables.h"
#include "settings/dialog_texts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/text_fit.h"

#include <QLabel>
#include <QLineEdit>

namespace pelmora {

CComboDialog::CComboDialog(QWidget* parent, MessageSink& messages)
    : KeyCaptureDialog(skin_image::kComboKeyBackground,
                       QStringLiteral("Combo Dialog Load background image failed!!!"), messages,
                       parent),
      list_(*this, dialog_layout::kUpperHeader, dialog_layout::kComboModifierList) {
    // The modifier names are key names: the same in every language.
    QStringList names;
    for (const ModifierEntry& modifier : modifierTable()) {
        names << QString::fromLatin1(modifier.name.data(),
                                     static_cast<qsizetype>(modifier.name.size()));
    }
    list_.setItems(names);
    connect(&list_, &DropDownList::chosen, this, &CComboDialog::modifierChosen);
    connect(&list_, &DropDownList::openChanged, this, &CComboDialog::listOpenChanged);
}

QLineEdit* CComboDialog::makeKeyField(const Rect& r) {
    // Owned by the dialog, like every child control.
    auto* field = new QLineEdit(this);
    field->setGeometry(toQRect(r));
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    // The field shows what was captured and nothing else: no typing through
    // an input method, no pasting.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    field->setContextMenuPolicy(Qt::NoContextMenu);
    field->setDragEnabled(false);
    field->setAcceptDrops(false);
    styleChild(*field);
    connect(field, &QLineEdit::textEdited, this, [this, field] {
        showKeyName(*field,
                    QString::fromStdString(field == firstField_ ? firstKeyName : secondKeyName));
    });
    field->show();
    return field;
}

void CComboDialog::createControls() {
    modifierDisplay_ = &addStaticText(dialog_layout::kUpperDisplay, Qt::AlignHCenter);
    list_.setFont(dialogFont());
    firstField_ = makeKeyField(dialog_layout::kFirstField);
    secondField_ = makeKeyField(dialog_layout::kSecondField);
    firstField_->setFocus();
    setAccessibleDescription(QString::fromUtf8(dialogText(
                                 DialogText::ComboHint, languageFromCode(skinState().language()))) +
                             QLatin1Char('\n') + holdKeysHint());
}

void CComboDialog::describeControls(std::vector<SkinControl>& out) {
    out.push_back({.rect = list_.header(),
                   .role = QAccessible::ComboBox,
                   .name = controlNameText(ControlName::ModifierKey),
                   .value = QString::fromStdString(modifierName),
                   .list = &list_});
    for (const auto& [field, rect, name] :
         {std::tuple{firstField_, dialog_layout::kFirstField, ControlName::FirstKey},
          std::tuple{secondField_, dialog_layout::kSecondField, ControlName::SecondKey}}) {
        if (field != nullptr) {
            out.push_back({.rect = rect,
                           .role = QAccessible::EditableText,
                           .name = controlNameText(name),
                           .widget = field});
        }
    }
}

void CComboDialog::startRun() {
    list_.close();
    modifierName.clear();
    firstKeyName.clear();
    secondKeyName.clear();
    modifierPosition = -1;
    if (modifierDisplay_ != nullptr) {
        showModifier({});
        showKeyName(*firstField_, {});
        showKeyName(*secondField_, {});
        firstField_->setFocus();
    }
}

void CComboDialog::keyCaptured(const QString& name) {
    QWidget* focus = focusWidget();
    if (focus == nullptr || !focus->isEnabled()) {
        return;
    }
    if (focus == firstField_) {
        firstKeyName = name.toStdString();
        showKeyName(*firstField_, name);
    } else if (focus == secondField_) {
        secondKeyName = name.toStdString();
        showKeyName(*secondField_, name);
    }
}

void CComboDialog::showKeyName(QLineEdit& field, const QString& name) {
    field.setText(name);
    field.setCursorPosition(0);
    fitControlToText(
        field, &field == firstField_ ? dialog_layout::kFirstField : dialog_layout::kSecondField,
        name);
}

void CComboDialog::showModifier(const QString& name) {
    modifierDisplay_->setText(name);
    fitControlToText(*modifierDisplay_, dialog_layout::kUpperDisplay, name);
}

void CComboDialog::closeListsIfMissed(const QPoint& p) {
    list_.closeIfMissed(p);
}

void CComboDialog::clickAt(const QPoint& p) {
    if (contains(list_.header(), p)) {
        list_.toggle();
    }
}

void CComboDialog::listOpenChanged(bool open) {
    if (firstField_ == nullptr) {
        return;
    }
    firstField_->setEnabled(!open);
    secondField_->setEnabled(!open);
    if (open) {
        // Keys pressed while the list is open belong to no field.
        setFocus();
        // A field widened for a long name would stick out beside the list.
        firstField_->setGeometry(toQRect(dialog_layout::kFirstField));
        secondField_->setGeometry(toQRect(dialog_layout::kSecondField));
    } else {
        showKeyName(*firstField_, firstField_->text());
        showKeyName(*secondField_, secondField_->text());
    }
}

void CComboDialog::modifierChosen(int position, const QString& name) {
    modifierPosition = position;
    modifierName = name.toStdString();
    // Without its picture the dialog has no display, but the list still works.
    if (modifierDisplay_ != nullptr) {
        showModifier(name);
    }
}

} // namespace pelmora
