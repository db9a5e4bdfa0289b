#include "ui/skin/skins_dialog.h"

#include "settings/dialog_texts.h"
#include "settings/skin_folders.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <array>

namespace pelmora {

namespace {

namespace D = dialog_layout;

// The skin name shown inside the drop-down header.
constexpr Rect kSkinNameText{43, 129, 135, 143};
constexpr Rect kSkinList{42, 146, 151, 264};

// The band of the colour caption, from 30 pixels above the colour box down
// to its top: lined up with the controls on the left, to the panel's margin.
constexpr Rect kColourCaptionBand{D::kSkinColourBox.left, D::kSkinColourBox.top - 30,
                                  D::kPanelRight - 8, D::kSkinColourBox.top};

} // namespace

QString skinsColourCaption(std::string_view language) {
    return QString::fromUtf8(
        dialogText(DialogText::SkinsColourCaption, languageFromCode(language)));
}

CSkinsDialog::CSkinsDialog(std::vector<std::filesystem::path> skinsRoots, MessageSink& messages,
                           QWidget* parent)
    : CSkinnedDialog(skin_image::kSkinsBackground, "Skins Dialog Load background image failed!!!",
                     messages, parent),
      roots_(std::move(skinsRoots)), list_(*this, D::kSkinHeader, kSkinList),
      chooseColour_(desktopColourChooser()) {
    chosenSkinFolder = skinState().folder();
    skinName = skinState().name();
    const QColor& colour = skinState().textColour();
    red = colour.red();
    green = colour.green();
    blue = colour.blue();
    connect(&list_, &DropDownList::chosen, this,
            [this](int index, const QString& name) { skinChosen(index, name); });
}

void CSkinsDialog::createControls() {
    list_.setFont(dialogFont());
    nameText_ = &addStaticText(kSkinNameText, Qt::AlignLeft);
    nameText_->setText(skinName);
    colourBox_ = &addStaticText(D::kSkinColourBox, Qt::AlignCenter);
    paintColourBox();
}

void CSkinsDialog::drawContents(QPainter* painter) {
    drawFittedLine(painter, kColourCaptionBand, skinsColourCaption(skinState().language()),
                   TextAlign::Left, dialogFont(), skinState().textColour());
}

void CSkinsDialog::paintColourBox() {
    if (colourBox_) {
        colourBox_->setStyleSheet(
            QStringLiteral("background: rgb(%1, %2, %3);").arg(red).arg(green).arg(blue));
    }
}

void CSkinsDialog::closeListsIfMissed(const QPoint& p) {
    list_.closeIfMissed(p);
}

void CSkinsDialog::clickAt(const QPoint& p) {
    if (list_.header().contains(p.x(), p.y())) {
        if (!list_.isOpen()) {
            // Listed afresh at every opening: a skin added meanwhile shows up.
            QStringList names;
            for (const std::string& name : listSkins(roots_)) {
                names << QString::fromStdString(name);
            }
            list_.setItems(names);
        }
        list_.toggle();
        return;
    }
    if (D::kSkinColourBox.contains(p.x(), p.y())) {
        const std::optional<QColor> chosen =
            chooseColour_ ? chooseColour_(*this, QColor(red, green, blue)) : std::nullopt;
        if (chosen) {
            red = chosen->red();
            green = chosen->green();
            blue = chosen->blue();
            paintColourBox();
        }
    }
}

void CSkinsDialog::wheelTurned(int delta) {
    if (list_.isOpen()) {
        list_.wheelTurned(delta);
    }
}

void CSkinsDialog::skinChosen(int index, const QString& name) {
    selectedIndex = index;
    skinName = name;
    if (nameText_) {
        nameText_->setText(name);
    }
    if (const auto folder = findSkin(roots_, name.toStdString())) {
        chosenSkinFolder = QString::fromStdString(folder->string());
    }
}

void CSkinsDialog::describeControls(std::vector<SkinControl>& out) {
    out.push_back({.rect = D::kSkinColourBox,
                   .name = colourControlName(skinsColourCaption(skinState().language()),
                                             QColor(red, green, blue))});
    out.push_back({.rect = list_.header(),
                   .role = QAccessible::ComboBox,
                   .name = controlNameText(ControlName::Skin),
                   .value = skinName,
                   .list = &list_});
}

void CSkinsDialog::done(int result) {
    list_.close();
    CSkinnedDialog::done(result);
}

} // namespace pelmora
