#pragma once
// The profile chooser in the header of both pages: "Profiles" and a
// drop-down box showing the active profile ("NAME *" while the configuration
// differs from it), whose list holds the profiles and what can be done with
// them. What the rows are and what a choice does is the program's (src/app);
// the part draws, opens the list and forwards the choice.

#include "ui/pages/page_frame.h"
#include "ui/pages/page_part.h"
#include "ui/skin/drop_down_list.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

namespace pelmora {

class ProfileChooserPart : public QObject, public PagePart {
    Q_OBJECT
public:
    struct Hooks {
        std::function<QString()> shown;    // the box's text
        std::function<QStringList()> rows; // the list, read as it opens
        std::function<void(int row)> chosen;
    };

    // One part for both pages.
    explicit ProfileChooserPart(PageFrame& frame);

    void setHooks(Hooks hooks);
    // The box shows the profile again (after a switch, a save or an edit).
    void refresh();

    void enter() override;
    void draw(QPainter* painter) override;
    bool press(const QPoint& p) override;
    void describe(std::vector<SkinControl>& controls) override;

    DropDownList& list() { return list_; }
    QString shownText() const { return shown_; }

private:
    QString caption() const;

    PageFrame& frame_;
    QWidget& window_;
    Hooks hooks_;
    DropDownList list_;
    QPointer<QLabel> label_;
    QString shown_;
};

} // namespace pelmora
