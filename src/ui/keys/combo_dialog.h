#pragma once
// The combo key dialog: a modifier picked from a drop-down list and up to two
// keys, each captured into the key field that has the focus (the user clicks
// into a field, then presses the key). While the modifier list is open the
// fields are disabled and no key is captured.
//
//   CComboDialog dialog(owner);
//   if (dialog.exec() == QDialog::Accepted)
//       use(dialog.modifierName, dialog.firstKeyName, dialog.secondKeyName);

#include "ui/keys/key_capture_dialog.h"
#include "ui/skin/drop_down_list.h"

#include <string>

class QLabel;
class QLineEdit;

namespace pelmora {

class CComboDialog : public KeyCaptureDialog {
    Q_OBJECT
public:
    explicit CComboDialog(QWidget* parent = nullptr, MessageSink& messages = dialogMessageBoxes());

    // Results: one of the eight modifier names or empty, and the names
    // captured into the first and second key fields (empty when none).
    std::string modifierName;
    std::string firstKeyName;
    std::string secondKeyName;
    // Position chosen in the modifier list; -1 while none is chosen.
    int modifierPosition = -1;

    // The controls (null without the picture).
    QLabel* modifierDisplay() const { return modifierDisplay_; }
    QLineEdit* firstKeyField() const { return firstField_; }
    QLineEdit* secondKeyField() const { return secondField_; }
    DropDownList& modifierList() { return list_; }

protected:
    void createControls() override;
    void startRun() override;
    void keyCaptured(const QString& name) override;
    void closeListsIfMissed(const QPoint& p) override;
    void clickAt(const QPoint& p) override;
    void describeControls(std::vector<SkinControl>& controls) override;

private:
    QLineEdit* makeKeyField(const Rect& r);
    void showKeyName(QLineEdit& field, const QString& name);
    void showModifier(const QString& name);
    void listOpenChanged(bool open);
    void modifierChosen(int position, const QString& name);

    DropDownList list_;
    QLabel* modifierDisplay_ = nullptr;
    QLineEdit* firstField_ = nullptr;
    QLineEdit* secondField_ = nullptr;
};

} // namespace pelmora
