#pragma once
// The fire key dialog: the key or mouse button a mouse button repeats, how
// fast (5..255, smaller is faster) and how often (0..255, 0 = until the
// button is released). The caller reads the results after OK.

#include "ui/skin/drop_down_list.h"
#include "ui/skin/skinned_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include <cstdint>

namespace pelmora {

class CFireKeyDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    explicit CFireKeyDialog(QWidget* parent = nullptr,
                            MessageSink& messages = dialogMessageBoxes());

    // Results.
    int keyPosition = 0;     // position in the fire-key list
    std::uint8_t speed = 32; // 5..255
    std::uint8_t times = 1;  // 0..255
    QString chosenKeyText;   // the chosen list entry's text ("A" until one is chosen)

    DropDownList& keyList() { return keyList_; }
    QLineEdit* speedField() const { return speedField_; }
    QLineEdit* timesField() const { return timesField_; }
    QLabel* keyDisplay() const { return keyDisplay_; }

    void done(int result) override;

protected:
    void createControls() override;
    void drawContents(QPainter* painter) override;
    void closeListsIfMissed(const QPoint& p) override;
    void clickAt(const QPoint& p) override;
    void wheelTurned(int delta) override;
    void describeControls(std::vector<SkinControl>& controls) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void checkSpeed();
    void timesChanged(const QString& text);

    DropDownList keyList_;
    QPointer<QLabel> keyDisplay_;
    QPointer<QLineEdit> speedField_;
    QPointer<QLineEdit> timesField_;
};

} // namespace pelmora
