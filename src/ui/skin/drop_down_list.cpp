#include "ui/skin/drop_down_list.h"

#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_text.h"

#include <QApplication>
#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <algorithm>

namespace pelmora {

namespace {

// Draws every row of a list: 16 pixels high, the text on one line, the
// selected row in reversed colours.
class RowDelegate final : public QStyledItemDelegate {
public:
    RowDelegate(QColor text, QColor background, LongRows longRows, QObject* parent)
        : QStyledItemDelegate(parent), text_(std::move(text)), background_(std::move(background)),
          longRows_(longRows) {}

    QSize sizeHint(const QStyleOptionViewItem& option,
                   const QModelIndex& /*index*/) const override {
        return {option.rect.width(), DropDownList::kRowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->save();
        painter->fillRect(option.rect, selected ? text_ : background_);
        // A row too long for the list is drawn smaller, or elided.
        QString text = index.data(Qt::DisplayRole).toString();
        const QRect area = option.rect.adjusted(kTextIndent, 0, -kTextIndent, 0);
        if (longRows_ == LongRows::Elide) {
            painter->setFont(option.font);
            text = QFontMetrics(option.font).elidedText(text, Qt::ElideRight, area.width());
        } else {
            painter->setFont(fittedFont(option.font, text, area.width()));
        }
        painter->setPen(selected ? background_ : text_);
        painter->setClipRect(option.rect);
        painter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        painter->restore();
    }

    static constexpr int kTextIndent = 2;

private:
    QColor text_;
    QColor background_;
    LongRows longRows_;
};

} // namespace

int listRowTextWidth(const QListWidget& list) {
    return list.width() - 2 * DropDownList::kBorder - 2 * RowDelegate::kTextIndent;
}

void applyListRule(QListWidget& list, const QColor& text, const QColor& background,
                   const QFont& font, LongRows longRows) {
    list.setStyleSheet(QStringLiteral("QListWidget { background: %1; border: %2px solid %3; "
                                      "padding: 0px; margin: 0px; outline: 0; }")
                           .arg(background.name())
                           .arg(DropDownList::kBorder)
                           .arg(text.darker(160).name()));
    list.setFont(font);
    list.setItemDelegate(new RowDelegate(text, background, longRows, &list));
    list.setUniformItemSizes(true);
    list.setSpacing(0);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    list.setFocusPolicy(Qt::NoFocus);
    // The row under the mouse is selected where it is; only the wheel
    // scrolls.
    list.setAutoScroll(false);
}

DropDownList::DropDownList(QWidget& owner, Rect header, Rect list)
    : owner_(owner), header_(header), listRect_(list) {}

DropDownList::~DropDownList() {
    qApp->removeEventFilter(this);
    if (list_) {
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
        applyListRule(*list_, text_, background_, hasFont_ ? font_ : owner_.font());
        list_->addItems(items_);
        list_->setMouseTracking(true);
        list_->viewport()->setMouseTracking(true);
        list_->viewport()->installEventFilter(this);
        connect(list_, &QListWidget::itemClicked, this,
                [this](QListWidgetItem* item) { choose(list_->row(item)); });
        connect(list_, &QListWidget::itemActivated, this,
                [this](QListWidgetItem* item) { choose(list_->row(item)); });
    }
    wheelRest_ = 0;
    if (const auto row = static_cast<int>(items_.indexOf(current_));
        row >= 0 && !current_.isEmpty()) {
        list_->setCurrentRow(row);
        list_->scrollToItem(list_->item(row));
    }
    list_->show();
    list_->raise();
    setOpen(true);
}

void DropDownList::close() {
    if (list_) {
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
    setOpen(false);
}

void DropDownList::setOpen(bool open) {
    if (open == open_) {
        return;
    }
    open_ = open;
    // While the list is open, a press anywhere in the window can close it,
    // also one that lands on a child control.
    if (open) {
        qApp->installEventFilter(this);
    } else {
        qApp->removeEventFilter(this);
    }
    emit openChanged(open);
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
    bar->setValue(bar->value() + (delta > 0 ? -kWheelLines : kWheelLines));
}

void DropDownList::wheelTurned(int angleDelta) {
    if (angleDelta == 0 || !list_) {
        return;
    }
    // A turn against the direction of the parts collected so far starts over.
    if ((wheelRest_ > 0) != (angleDelta > 0)) {
        wheelRest_ = 0;
    }
    wheelRest_ += angleDelta;
    while (wheelRest_ >= kNotch) {
        scrollByWheel(1);
        wheelRest_ -= kNotch;
    }
    while (wheelRest_ <= -kNotch) {
        scrollByWheel(-1);
        wheelRest_ += kNotch;
    }
}

int DropDownList::topRow() const {
    return list_ ? list_->verticalScrollBar()->value() : 0;
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

void DropDownList::moveSelection(int delta) {
    if (!list_ || !open_ || items_.isEmpty()) {
        return;
    }
    const int row = std::clamp(list_->currentRow() + delta, 0, static_cast<int>(items_.size()) - 1);
    {
        const QSignalBlocker quiet(list_);
        list_->setCurrentRow(row);
    }
    list_->scrollToItem(list_->item(row));
    emit hovered(row);
}

bool DropDownList::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (list_ && watched == list_->viewport()) {
        if (type == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            hoverSelect(list_->viewport()->mapTo(&owner_, move->position().toPoint()));
        } else if (type == QEvent::Wheel) {
            wheelTurned(static_cast<QWheelEvent*>(event)->angleDelta().y());
            return true;
        }
    }
    if (type == QEvent::MouseButtonPress && open_) {
        const auto* press = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (press->button() == Qt::LeftButton && widget != nullptr &&
            (widget == &owner_ || owner_.isAncestorOf(widget))) {
            // From the widget's own position, not the screen's: under a window
            // manager the window's place on the screen may not be known yet
            // (it moved the window just after mapping it), and a press on a
            // row would then seem to miss the list.
            closeIfMissed(widget == &owner_ ? press->position().toPoint()
                                            : widget->mapTo(&owner_, press->position().toPoint()));
        }
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
