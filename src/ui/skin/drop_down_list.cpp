#include "ui/skin/drop_down_list.h"

#include "ui/skin/qt_rect.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

namespace pelmora {

DropDownList::DropDownList(QWidget& owner, Rect header, Rect list)
    : owner_(owner), header_(header), listRect_(list) {}

DropDownList::~DropDownList() {
    if (list_) {
        list_->removeEventFilter(this);
        list_->viewport()->removeEventFilter(this);
    }
}

void DropDownList::setColours(const QColor& text, const QColor& background) {
    text_ = text;
    background_ = background;
}

void DropDownList::setFont(const QFont& font) {
    font_ = font;
    hasFont_ = true;
}

void DropDownList::toggle() {
    if (open_) {
        close();
    } else {
        open();
    }
}

void DropDownList::open() {
    if (!list_) {
        // Owned by the window, like every child control.
        list_ = new QListWidget(&owner_);
        list_->setGeometry(toQRect(listRect_));
        list_->setFrameShape(QFrame::Box);
        list_->setFrameShadow(QFrame::Plain);
        list_->setLineWidth(1);
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list_->setUniformItemSizes(true);
        list_->setStyleSheet(QStringLiteral("QListWidget { color: %1; background: %2; border: 1px "
                                            "solid %3; outline: 0; }"
                                            "QListWidget::item:selected { color: %2; background: "
                                            "%1; }")
                                 .arg(text_.name(), background_.name(), text_.darker(160).name()));
        if (hasFont_) {
            list_->setFont(font_);
        }
        list_->addItems(items_);
        list_->setMouseTracking(true);
        list_->viewport()->setMouseTracking(true);
        list_->viewport()->installEventFilter(this);
        connect(list_, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { choose(list_->row(item)); });
        connect(list_, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { choose(list_->row(item)); });
    }
    list_->show();
    list_->raise();
    open_ = true;
}

void DropDownList::close() {
    open_ = false;
    if (!list_) {
        return;
    }
    QListWidget* list = list_;
    list_ = nullptr;
    list->viewport()->removeEventFilter(this);
    list->disconnect(this);
    list->hide();
    // It may be closing from inside its own click handler: detach it from
    // the window now and let the event loop free it.
    list->setParent(nullptr);
    list->deleteLater();
}

bool DropDownList::closeIfMissed(const QPoint& p) {
    if (!open_ || contains(header_, p) || contains(listRect_, p)) {
        return false;
    }
    close();
    return true;
}

void DropDownList::scrollByWheel(int delta) {
    if (!list_) {
        return;
    }
    QScrollBar* bar = list_->verticalScrollBar();
    bar->setValue(bar->value() + (delta > 0 ? -3 : 3));
}

bool DropDownList::hoverSelect(const QPoint& p) {
    if (!list_ || !open_ || !list_->geometry().contains(p)) {
        return false;
    }
    const QPoint inList = list_->viewport()->mapFrom(&owner_, p);
    QListWidgetItem* item = list_->itemAt(inList);
    if (item != nullptr) {
        const int row = list_->row(item);
        if (row != list_->currentRow()) {
            const QSignalBlocker quiet(list_);
            list_->setCurrentRow(row);
        }
        emit hovered(row);
    }
    return true;
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    if (list_ && watched == list_->viewport() && event->type() == QEvent::MouseMove) {
        const auto* move = static_cast<QMouseEvent*>(event);
        hoverSelect(list_->viewport()->mapTo(&owner_, move->position().toPoint()));
    }
    return QObject::eventFilter(watched, event);
}

void DropDownList::choose(int row) {
    if (!open_ || row < 0 || row >= items_.size()) {
        return;
    }
    const QString text = items_.at(row);
    close();
    emit chosen(row, text);
}

} // namespace pelmora
