#pragma once
// Drop-down list: a header area that the window draws and tests, and a list
// box created under it on demand. Every list of the program is one of these
// and looks and behaves the same:
// - rows exactly 16 pixels high, the first one 1 pixel below the top of the
//   list rectangle (a 1-pixel border), in the window's (page or dialog) font;
// - no scroll bar: a list longer than its rectangle scrolls with the wheel,
//   three rows per notch;
// - moving the mouse over the open list selects the row under the cursor
//   without announcing a choice; a click on a row is the choice (also when
//   hovering had selected it already), after which the list is destroyed;
// - a left press anywhere else in the window closes the open list;
// - the list is a child widget of its window, never a window of its own.

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

// What a row too long for the list does: drawn in a smaller size of the
// font, or cut with an ellipsis in the list's font.
enum class LongRows { Shrink, Elide };

// Gives a list box the rule's look: rows, colours, border, no scroll bar
// (also for the lists that stay open while their page shows).
void applyListRule(QListWidget& list, const QColor& text, const QColor& background,
                   const QFont& font, LongRows longRows = LongRows::Shrink);
// The room a row's text has in the list, in pixels.
int listRowTextWidth(const QListWidget& list);

class DropDownList : public QObject {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 16;
    static constexpr int kBorder = 1;
    static constexpr int kWheelLines = 3;
    static constexpr int kNotch = 120; // wheel delta of one notch

    DropDownList(QWidget& owner, Rect header, Rect list);
    ~DropDownList() override;

    void setItems(QStringList items) { items_ = std::move(items); }
    const QStringList& items() const { return items_; }
    // The row the header shows now: the list opens on it (none when no row
    // has that text).
    void setCurrentItem(const QString& text) { current_ = text; }
    void setListRect(Rect list) { listRect_ = list; }
    // White on RGB(40, 40, 40) unless told otherwise.
    void setColours(const QColor& text, const QColor& background);
    // The window's font unless told otherwise.
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
    // One wheel notification: three rows towards the start for a positive
    // delta, towards the end otherwise.
    void scrollByWheel(int delta);
    // A wheel event's angle delta: three rows per whole notch. Fine-grained
    // wheels and touchpads send parts of a notch; they add up.
    void wheelTurned(int angleDelta);
    // The first row shown (the list scrolls by whole rows).
    int topRow() const;
    // The user chose a row (a click on it, Enter): announces it and closes.
    void choose(int row);
    // Moves the selection of the open list by delta rows, as hovering does.
    void moveSelection(int delta);
    // Hover selection for a cursor at p (owner coordinates); returns true
    // when p is over the open list.
    bool hoverSelect(const QPoint& p);

signals:
    // The user chose an item; the list is gone afterwards.
    void chosen(int index, const QString& text);
    // The item under the cursor became the selection.
    void hovered(int index);
    // The list opened or closed (by the header, a choice or a press outside).
    void openChanged(bool open);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setOpen(bool open);

    QWidget& owner_;
    Rect header_;
    Rect listRect_;
    QStringList items_;
    QString current_;
    QColor text_{255, 255, 255};
    QColor background_{40, 40, 40};
    QPointer<QListWidget> list_;
    bool open_ = false;
    bool hasFont_ = false;
    QFont font_;
    int wheelRest_ = 0;
};

} // namespace pelmora
