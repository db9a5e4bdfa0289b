#pragma once
// The single key dialog: "Please enter a key", and the name of the last key
// pressed or released is the result.
//
//   CSingleDialog dialog(owner);
//   if (dialog.exec() == QDialog::Accepted) use(dialog.capturedKeyName);

#include "ui/keys/key_capture_dialog.h"

#include <string>

class QLabel;

namespace pelmora {

class CSingleDialog : public KeyCaptureDialog {
    Q_OBJECT
public:
    explicit CSingleDialog(QWidget* parent = nullptr, MessageSink& messages = dialogMessageBoxes());

    // Result: the name of the last key event seen, empty when none came.
    std::string capturedKeyName;

    // The control that shows the captured name (null without the picture).
    QLabel* keyNameDisplay() const { return display_; }

protected:
    void createControls() override;
    void drawContents(QPainter* painter) override;
    void startRun() override;
    void keyCaptured(const QString& name) override;
    void describeControls(std::vector<SkinControl>& controls) override;

private:
    void showName(const QString& name);

    QLabel* display_ = nullptr;
};

// "Please enter a key" in the active language.
QString singleKeyPrompt(std::string_view language);

} // namespace pelmora
