#pragma once
// The skins dialog: the skin (one of the folders under the skins roots) and
// the colour of the interface texts. The caller reads the chosen skin folder,
// its name and the three colour bytes after OK, and makes them active.

#include "ui/skin/colour_chooser.h"
#include "ui/skin/drop_down_list.h"
#include "ui/skin/skinned_dialog.h"

#include <QColor>
#include <QLabel>
#include <QPointer>
#include <QString>

#include <filesystem>
#include <functional>
#include <vector>

namespace pelmora {

class CSkinsDialog : public CSkinnedDialog {
    Q_OBJECT
public:
    CSkinsDialog(std::vector<std::filesystem::path> skinsRoots, MessageSink& messages,
                 QWidget* parent = nullptr);

    // Results, starting from the active skin and text colour.
    QString chosenSkinFolder;
    QString skinName;
    int selectedIndex = 0;
    int red = 0;
    int green = 0;
    int blue = 0;

    void setColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }
    DropDownList& skinList() { return list_; }
    QLabel* skinNameText() const { return nameText_; }
    QLabel* colourBox() const { return colourBox_; }

    void done(int result) override;

protected:
    void createControls() override;
    void drawContents(QPainter* painter) override;
    void closeListsIfMissed(const QPoint& p) override;
    void clickAt(const QPoint& p) override;
    void wheelTurned(int delta) override;
    void describeControls(std::vector<SkinControl>& controls) override;

private:
    void skinChosen(int index, const QString& name);
    void paintColourBox();

    std::vector<std::filesystem::path> roots_;
    DropDownList list_;
    QPointer<QLabel> nameText_;
    QPointer<QLabel> colourBox_;
    ColourChooser chooseColour_;
};

// The caption over the colour box in a language ("CHS", "CHT", "TUR", else English).
QString skinsColourCaption(std::string_view language);

} // namespace pelmora
