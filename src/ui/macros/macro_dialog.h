#pragma once
// The macro key dialog: binds a mouse button to one of the macros that have
// a slot in the mouse (the first twelve of record.ini) and chooses how the
// macro repeats. The caller reads the index (0-based) and the loop mode
// (1..3) after OK.

#include "ui/skin/drop_down_list.h"
#include "ui/skin/skinned_dialog.h"

#include <QLabel>
#include <QPointer>

#include <array>
#include <cstdint>

namespace pelmora {

class MacroStore;

class CMacroDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    explicit CMacroDialog(const MacroStore& store, QWidget* parent = nullptr,
                          MessageSink& messages = dialogMessageBoxes());

    // Results.
    int selectedMacroIndex = 0;
    QString selectedMacroName;
    // 1: repeat the macro's loop count or until a key is pressed, 2: repeat
    // until a key is pressed, 3: repeat until the button is released.
    std::uint8_t loopMode = 1;

    DropDownList& macroList() { return list_; }
    QLabel* macroDisplay() const { return display_; }

    // OK needs a macro to bind: without any, it explains and stays open.
    void done(int result) override;

protected:
    void createControls() override;
    void drawContents(QPainter* painter) override;
    void closeListsIfMissed(const QPoint& p) override;
    void clickAt(const QPoint& p) override;
    void wheelTurned(int delta) override;
    void describeControls(std::vector<SkinControl>& controls) override;

private:
    // The names of the macros that have a slot, in file order.
    QStringList slottedNames();
    void drawTicks(QPainter* painter) const;

    const MacroStore& store_;
    DropDownList list_;
    QPointer<QLabel> display_;
};

// The loop-mode texts, the caption over the list and the message shown when
// there is no macro, in a language ("CHS", "CHT", "TUR", else English).
struct MacroDialogTexts {
    std::array<QString, 3> loopModes;
    QString caption;
    QString noMacro;
};
MacroDialogTexts macroDialogTexts(std::string_view language);

} // namespace pelmora
