#include "ui/pages/profile_chooser_part.h"

#include "profiles/profile_texts.h"
#include "ui/pages/page_layout.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <QMetaObject>

namespace pelmora {

namespace L = layout;

namespace {
const QColor kListText(255, 255, 255);
const QColor kBlack(0, 0, 0);
// The text inside the box, short of its arrow.
constexpr Rect kShownRect{L::kProfileBox.left + 4, L::kProfileBox.top, L::kProfileBox.right - 18,
                          L::kProfileBox.bottom};
} // namespace

ProfileChooserPart::ProfileChooserPart(PageFrame& frame)
    : frame_(frame), window_(frame.canvas().window()),
      list_(window_, L::kProfileBox, L::profileList(1)) {
    list_.setColours(kListText, kBlack);
    frame_.addPageList(PageFrame::BasicPage, list_);
    frame_.addPageList(PageFrame::AdvancedPage, list_);
    connect(&list_, &DropDownList::chosen, this, [this](int row, const QString&) {
        // Later: a choice may open a dialog, which must not run inside the
        // list's own click.
        QMetaObject::invokeMethod(
            this,
            [this, row] {
                if (hooks_.chosen) {
                    hooks_.chosen(row);
                }
            },
            Qt::QueuedConnection);
    });
}

void ProfileChooserPart::setHooks(Hooks hooks) {
    hooks_ = std::move(hooks);
    refresh();
}

QString ProfileChooserPart::caption() const {
    return QString::fromUtf8(
        profileUiText(ProfileText::Profiles, languageFromCode(skinState().language())));
}

void ProfileChooserPart::refresh() {
    shown_ = hooks_.shown ? hooks_.shown() : QString();
    if (label_ == nullptr) {
        return;
    }
    const QString elided =
        label_->fontMetrics().elidedText(shown_, Qt::ElideRight, kShownRect.width());
    label_->setText(elided);
    label_->setToolTip(elided == shown_ ? QString() : shown_);
}

void ProfileChooserPart::enter() {
    list_.setFont(frame_.textFont());
    auto* label = new QLabel(&window_); // owned by the window until the page goes
    label->setGeometry(toQRect(kShownRect));
    label->setFont(frame_.textFont());
    label->setAttribute(Qt::WA_TransparentForMouseEvents); // the box takes the click
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, skinState().textColour());
    label->setPalette(palette);
    label_ = label;
    refresh();
    label->show();
    frame_.addPageChild(frame_.page(), *label);
}

void ProfileChooserPart::draw(QPainter* painter) {
    drawTextLine(painter, L::kProfileCaption, caption(), TextAlign::Right, frame_.textFont(),
                 skinState().textColour());
}

bool ProfileChooserPart::press(const QPoint& p) {
    if (!contains(L::kProfileBox, p)) {
        return false;
    }
    if (list_.isOpen()) {
        list_.close();
        return true;
    }
    const QStringList rows = hooks_.rows ? hooks_.rows() : QStringList();
    list_.setItems(rows);
    list_.setCurrentItem(shown_);
    list_.setListRect(L::profileList(static_cast<int>(rows.size())));
    list_.open();
    return true;
}

void ProfileChooserPart::describe(std::vector<SkinControl>& controls) {
    controls.push_back({.rect = L::kProfileBox,
                        .role = QAccessible::ComboBox,
                        .name = caption(),
                        .value = shown_,
                        .list = &list_});
}

} // namespace pelmora
