#pragma once
// The delay dialog: the length of a delay line of a macro, in milliseconds.
// It returns the number and the text as typed; the macro editor decides what
// to do with values above 10000.

#include "ui/skin/skinned_dialog.h"

#include <QLineEdit>
#include <QPointer>

namespace pelmora {

class CDelayTimeDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    explicit CDelayTimeDialog(QWidget* parent = nullptr,
                              MessageSink& messages = dialogMessageBoxes());

    // Results.
    int delayValue = 0;
    QString delayText;

    QLineEdit* delayField() const { return delayField_; }

protected:
    void createControls() override;
    void drawContents(QPainter* painter) override;
    void describeControls(std::vector<SkinControl>& controls) override;

private:
    QPointer<QLineEdit> delayField_;
};

} // namespace pelmora
