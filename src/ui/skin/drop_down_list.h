#pragma once
// Drop-down list: a header area that the window draws and tests, and a list
// box created under it on demand. Moving the mouse over the open list selects
// the item under the cursor without announcing a choice; a click or double
// click on an item is the choice, after which the list is destroyed.

#include "ui/skin/rect.h"

#include <QColor>
#include <QFont>
#include <QListWidget>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QStringList>

class QWidget;

namespace pelmora {

class DropDownList : public QObject {
    Q_OBJECT
public:
    DropDownList(QWidget& owner, Rect header, Rect list);
    ~DropDownList() override;

    void setItems(QStringList items) { items_ = std::move(items); }
    const QStringList& items() const { return items_; }
    void setListRect(Rect list) { listRect_ = list; }
    // White on RGB(40, 40, 40) unless told otherwise.
    void setColours(const QColor& text, const QColor& background);
    void setFont(const QFont& font);

    const Rect& header() const { return header_; }
    const Rect& listRect() const { return listRect_; }
    bool isOpen() const { return open_; }
    QListWidget* list() const { return list_; }

    // A click on the header: closes the open list, else opens it.
    void toggle();
    void open();
    // Destroys the list and clears the open flag.
    void close();
    // Closes an open list when p misses both the header and the list.
    // Returns true when it closed.
    bool closeIfMissed(const QPoint& p);
    // Scrolls the open list by three lines per wheel notch.
    void scrollByWheel(int delta);
    // Hover selection for a cursor at p (owner coordinates); returns true
    // when p is over the open list.
    bool hoverSelect(const QPoint& p);

signals:
    // The user chose an item; the list is gone afterwards.
    void chosen(int index, const QString& text);
    // The item under the cursor became the selection.
    void hovered(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choose(int row);

    QWidget& owner_;
    Rect header_;
    Rect listRect_;
    QStringList items_;
    QColor text_{255, 255, 255};
    QColor background_{40, 40, 40};
    QPointer<QListWidget> list_;
    bool open_ = false;
    bool hasFont_ = false;
    QFont font_;
};

} // namespace pelmora
