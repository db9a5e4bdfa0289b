#include "ui/skin/skinned_dialog.h"

#include "settings/shell_messages.h"

#include "settings/dialog_texts.h"
#include "ui/skin/dialog_captions.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/message_box_sink.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_fonts.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>

#include <array>

namespace pelmora {

namespace {

// A static text whose text, when too long for it, is drawn smaller rather
// than cut off.
class FittedLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        painter.setFont(fittedFont(font(), text(), area.width()));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(area, static_cast<int>(alignment()) | Qt::TextSingleLine, text());
    }
};

} // namespace

MessageSink& dialogMessageBoxes() {
    static MessageBoxSink boxes;
    return boxes;
}

QString dialogOkText(std::string_view language) {
    return QString::fromUtf8(dialogText(DialogText::Ok, languageFromCode(language)));
}
QString dialogCancelText(std::string_view language) {
    return QString::fromUtf8(dialogText(DialogText::Cancel, languageFromCode(language)));
}

CSkinnedDialog::CSkinnedDialog(std::string_view backgroundImage, QString failureCaption,
                               MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), backgroundImage_(backgroundImage),
      failureCaption_(std::move(failureCaption)), messages_(messages), canvas_(*this),
      hover_(canvas_) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ok_ = {dialog_layout::kOkButton, skin_image::kButtonNormal, skin_image::kButtonOver, {}, {}};
    cancel_ = {
        dialog_layout::kCancelButton, skin_image::kButtonNormal, skin_image::kButtonOver, {}, {}};
    close_ = {
        dialog_layout::kCloseButton, skin_image::kCloseNormal, skin_image::kCloseOver, {}, {}};
    hover_.setAreas({&close_, &ok_, &cancel_});
    hover_.setBackdrop(backgroundImage_);
    resize(dialog_layout::kWidth, dialog_layout::kHeight);
    // Parented to the dialog, and gone with it.
    controls_ = std::make_unique<SkinControls>(
        *this,
        [this](std::vector<SkinControl>& out) {
            const std::string& language = skinState().language();
            out.push_back({.rect = close_.rect, .name = controlNameText(ControlName::Close)});
            describeControls(out);
            out.push_back({.rect = ok_.rect, .name = dialogOkText(language)});
            out.push_back({.rect = cancel_.rect, .name = dialogCancelText(language)});
        },
        [this](const QPoint& p) { pressAt(p); });
    controls_->setKeysCaptured([this] { return capturesKeys(); });
}

void CSkinnedDialog::initialise() {
    if (initialised_) {
        return;
    }
    initialised_ = true;
    const QImage* background = skinImageCache().find(skinState().imagePath(backgroundImage_),
                                                     skinImageScale(devicePixelRatioF()));
    if (background == nullptr) {
        // The box as the program has it, then which image is missing where.
        const std::filesystem::path image = skinState().imagePath(backgroundImage_).toStdString();
        messages_.showMessage("error\n" + failureHelp(FailureHelp::SkinImage,
                                                      languageFromCode(skinState().language()),
                                                      image.filename().string(),
                                                      image.parent_path().string()),
                              failureCaption_.toStdString());
        return;
    }
    canvas_.setImage(*background);
    setFixedSize(background->deviceIndependentSize().toSize());
    font_ = textFont(skinState().language());
    setFont(font_);
    hover_.setFont(font_);
    ok_.caption = dialogOkText(skinState().language());
    cancel_.caption = dialogCancelText(skinState().language());
    createControls();
    drawDialog();
}

void CSkinnedDialog::styleChild(QWidget& child) const {
    child.setFont(font_);
    child.setStyleSheet(QStringLiteral("color: #ffffff; background: #282828;"));
}

QLabel& CSkinnedDialog::addStaticText(const Rect& r, Qt::Alignment alignment) {
    // Owned by the dialog, like every child control.
    auto* label = new FittedLabel(this);
    label->setGeometry(toQRect(r));
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    styleChild(*label);
    label->show();
    return *label;
}

void CSkinnedDialog::drawDialog() {
    CMemDC dc(canvas_);
    drawHotArea(dc.painter(), ok_, false, font_, backgroundImage_);
    drawHotArea(dc.painter(), cancel_, false, font_, backgroundImage_);
    drawDialogCaptions(dc.painter(), backgroundImage_, skinState().language(), font_);
    drawContents(dc.painter());
    drawHotArea(dc.painter(), close_, false, font_, backgroundImage_);
    ok_.hovered = cancel_.hovered = close_.hovered = false;
}

void CSkinnedDialog::showEvent(QShowEvent* event) {
    initialise();
    QDialog::showEvent(event);
}

void CSkinnedDialog::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    canvas_.paint(painter, event->rect());
}

void CSkinnedDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QDialog::mousePressEvent(event);
        return;
    }
    pressAt(event->position().toPoint());
}

void CSkinnedDialog::pressAt(const QPoint& p) {
    closeListsIfMissed(p);
    if (ok_.contains(p)) {
        accept();
    } else if (cancel_.contains(p) || close_.contains(p)) {
        reject();
    } else {
        clickAt(p);
    }
}

void CSkinnedDialog::mouseMoveEvent(QMouseEvent* event) {
    hover_.mouseMoved(event->position().toPoint());
}

void CSkinnedDialog::wheelEvent(QWheelEvent* event) {
    wheelTurned(event->angleDelta().y());
}

void CSkinnedDialog::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        break;
    case Qt::Key_Escape:
        reject();
        break;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace pelmora
