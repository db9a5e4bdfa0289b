#pragma once
// The shape the multimedia and launch key dialogs share: one drop-down list
// of fixed functions under a header that shows the choice. The dialog starts
// on the list's first entry; the caller reads the position and text after OK.

#include "ui/skin/drop_down_list.h"
#include "ui/skin/skinned_dialog.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>

#include <array>
#include <cstddef>
#include <string_view>

namespace pelmora {

// A dialog's list texts as the list box takes them.
template <std::size_t N> QStringList listTexts(const std::array<std::string_view, N>& texts) {
    QStringList list;
    for (std::string_view text : texts) {
        list << QString::fromUtf8(text);
    }
    return list;
}

class CChoiceKeyDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    // Results.
    int choicePosition = 0;
    QString chosenText;

    DropDownList& choiceList() { return list_; }
    QLabel* choiceDisplay() const { return display_; }

    void done(int result) override;

protected:
    // texts: the list in the active language, in the order of the codes.
    CChoiceKeyDialog(std::string_view backgroundImage, QString failureCaption, QStringList texts,
                     const Rect& listRect, MessageSink& messages, QWidget* parent);

    void createControls() override;
    void closeListsIfMissed(const QPoint& p) override;
    void clickAt(const QPoint& p) override;
    void describeControls(std::vector<SkinControl>& controls) override;

private:
    DropDownList list_;
    QPointer<QLabel> display_;
};

} // namespace pelmora
