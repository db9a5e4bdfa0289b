#include "ui/keys/fire_key_dialog.h"

#include "keys/key_lists.h"
#include "keys/number_fields.h"
#include "settings/dialog_texts.h"
#include "ui/keys/number_field.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <QEvent>

#include <array>
#include <string_view>

namespace pelmora {

namespace {

// Inside the panel, with its margin.
constexpr int kHelpLeft = dialog_layout::kPanelLeft + 8;
constexpr int kHelpRight = dialog_layout::kPanelRight - 8;
constexpr Rect kIllustration{kHelpLeft, 190, kHelpRight, 206};
constexpr Rect kSpeedHelp{kHelpLeft, 206, kHelpRight, 222};
constexpr Rect kTimesHelp{kHelpLeft, 222, kHelpRight, 238};

} // namespace

CFireKeyDialog::CFireKeyDialog(QWidget* parent, MessageSink& messages)
    : CSkinnedDialog(skin_image::kFireKeyBackground,
                     QStringLiteral("FireKey Dialog Load background image failed!!!"), messages,
                     parent),
      keyList_(*this, dialog_layout::kUpperHeader, dialog_layout::kFireKeyList) {
    QStringList items;
    for (const FireKeyEntry& entry : fireKeyList()) {
        items << QString::fromUtf8(entry.text);
    }
    // The dialog starts on the list's first key, and shows it: OK alone
    // fires that key, so the button's label names it too.
    chosenKeyText = items.value(0);
    keyList_.setItems(items);
    // While the list is open the number fields rest and the dialog has the
    // focus; the speed field's check runs as it loses the focus.
    connect(&keyList_, &DropDownList::openChanged, this, [this](bool open) {
        for (QLineEdit* field : {speedField_.data(), timesField_.data()}) {
            if (field != nullptr) {
                field->setEnabled(!open);
            }
        }
        if (open) {
            setFocus(Qt::OtherFocusReason);
        }
    });
    connect(&keyList_, &DropDownList::chosen, this, [this](int index, const QString& text) {
        keyPosition = index;
        chosenKeyText = text;
        if (keyDisplay_) {
            keyDisplay_->setText(text);
        }
    });
}

void CFireKeyDialog::createControls() {
    keyList_.setFont(dialogFont());
    keyDisplay_ = &addStaticText(dialog_layout::kUpperDisplay, Qt::AlignHCenter);
    keyDisplay_->setText(chosenKeyText);
    speedField_ = &addNumberField(*this, dialog_layout::kFirstField, false);
    timesField_ = &addNumberField(*this, dialog_layout::kSecondField, false);
    speedField_->installEventFilter(this);
    connect(timesField_, &QLineEdit::textChanged, this, &CFireKeyDialog::timesChanged);
    speedField_->setText(QStringLiteral("32"));
    timesField_->setText(QStringLiteral("1"));
}

void CFireKeyDialog::drawContents(QPainter* painter) {
    const Language language = languageFromCode(skinState().language());
    const auto t = [language](DialogText id) {
        return QString::fromUtf8(dialogText(id, language));
    };
    const QColor white(255, 255, 255);
    const QFont& font = dialogFont();
    drawFittedLine(painter, dialog_layout::kFireSpeedCaption, t(DialogText::FireSpeed),
                   TextAlign::Centre, font, white);
    drawFittedLine(painter, dialog_layout::kFireTimesCaption, t(DialogText::FireTimes),
                   TextAlign::Centre, font, white);
    drawFittedLine(painter, kIllustration, t(DialogText::FireIllustration), TextAlign::Left, font,
                   white);
    drawFittedLine(painter, kSpeedHelp, t(DialogText::FireSpeedHelp), TextAlign::Left, font, white);
    drawFittedLine(painter, kTimesHelp, t(DialogText::FireTimesHelp), TextAlign::Left, font, white);
}

void CFireKeyDialog::describeControls(std::vector<SkinControl>& out) {
    const Language language = languageFromCode(skinState().language());
    const auto t = [language](DialogText id) {
        return QString::fromUtf8(dialogText(id, language));
    };
    out.push_back({.rect = keyList_.header(),
                   .role = QAccessible::ComboBox,
                   .name = controlNameText(ControlName::Key),
                   .value = chosenKeyText,
                   .list = &keyList_});
    for (const auto& [field, rect, name] :
         {std::tuple{speedField_.data(), dialog_layout::kFirstField, t(DialogText::FireSpeed)},
          std::tuple{timesField_.data(), dialog_layout::kSecondField, t(DialogText::FireTimes)}}) {
        if (field != nullptr) {
            out.push_back(
                {.rect = rect, .role = QAccessible::EditableText, .name = name, .widget = field});
        }
    }
}

void CFireKeyDialog::closeListsIfMissed(const QPoint& p) {
    keyList_.closeIfMissed(p);
}

void CFireKeyDialog::clickAt(const QPoint& p) {
    if (keyList_.header().contains(p.x(), p.y())) {
        keyList_.toggle();
    }
}

void CFireKeyDialog::wheelTurned(int delta) {
    keyList_.wheelTurned(delta);
}

bool CFireKeyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == speedField_ && event->type() == QEvent::FocusOut) {
        checkSpeed();
    }
    return CSkinnedDialog::eventFilter(watched, event);
}

void CFireKeyDialog::done(int result) {
    // The speed typed last counts, also when its field still has the focus.
    checkSpeed();
    keyList_.close();
    CSkinnedDialog::done(result);
}

void CFireKeyDialog::checkSpeed() {
    if (!speedField_) {
        return;
    }
    const CheckedField checked = checkedFireSpeed(speedField_->text().toStdString());
    speed = checked.value;
    if (checked.replaced) {
        speedField_->setText(QString::number(checked.value));
    }
}

void CFireKeyDialog::timesChanged(const QString& text) {
    const CheckedField checked = checkedFireTimes(text.toStdString());
    times = checked.value;
    if (checked.replaced) {
        timesField_->setText(QString::number(checked.value));
    }
}

} // namespace pelmora
