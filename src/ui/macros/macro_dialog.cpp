#include "ui/macros/macro_dialog.h"

#include "macros/macro_store.h"
#include "settings/dialog_texts.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/mem_dc.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <string_view>

namespace pelmora {

namespace {

constexpr std::array<Rect, 3> kTicks = {
    dialog_layout::kMacroLoopTick1, dialog_layout::kMacroLoopTick2, dialog_layout::kMacroLoopTick3};
constexpr std::array<Rect, 3> kLoopTexts = {Rect{237, 70, 390, 102}, Rect{237, 120, 390, 152},
                                            Rect{237, 170, 390, 202}};
constexpr Rect kMacroList{43, 146, 151, 285};

// The caption band: 16 pixels directly above the header, 50 wider each side.
constexpr Rect kCaption{dialog_layout::kChoiceHeader.left - 50,
                        dialog_layout::kChoiceHeader.top - 16,
                        dialog_layout::kChoiceHeader.right + 50, dialog_layout::kChoiceHeader.top};

} // namespace

MacroDialogTexts macroDialogTexts(std::string_view language) {
    const Language lang = languageFromCode(language);
    const auto text = [lang](DialogText id) { return QString::fromUtf8(dialogText(id, lang)); };
    constexpr std::array<DialogText, 3> kLoopModes = {
        DialogText::MacroLoopCount, DialogText::MacroLoopUntilKey, DialogText::MacroLoopWhileHeld};
    MacroDialogTexts out;
    for (std::size_t i = 0; i < out.loopModes.size(); ++i) {
        out.loopModes[i] = text(kLoopModes[i]);
    }
    out.caption = text(DialogText::MacroCaption);
    out.noMacro = text(DialogText::NoMacro);
    return out;
}

CMacroDialog::CMacroDialog(const MacroStore& store, QWidget* parent, MessageSink& messages)
    : CSkinnedDialog(skin_image::kMacroKeyBackground,
                     QStringLiteral("Macro Key Dialog Load background image failed!!!"), messages,
                     parent),
      store_(store), list_(*this, dialog_layout::kChoiceHeader, kMacroList) {
    connect(&list_, &DropDownList::chosen, this, [this](int index, const QString& text) {
        selectedMacroIndex = index;
        selectedMacroName = text;
        if (display_) {
            display_->setText(text);
        }
    });
}

QStringList CMacroDialog::slottedNames() {
    std::string error;
    std::vector<std::string> names = store_.names(&error);
    if (!error.empty()) {
        messages().showMessage(error, kAppName);
    }
    QStringList slotted;
    for (std::size_t i = 0; i < names.size() && i < kMaxMacroCount; ++i) {
        slotted << QString::fromStdString(names[i]);
    }
    return slotted;
}

void CMacroDialog::createControls() {
    list_.setFont(dialogFont());
    display_ = &addStaticText(dialog_layout::kChoiceDisplay, Qt::AlignLeft);
}

void CMacroDialog::drawTicks(QPainter* painter) const {
    for (std::size_t i = 0; i < kTicks.size(); ++i) {
        const bool ticked = loopMode == i + 1;
        drawSkinImage(painter, ticked ? skin_image::kPaneTicked : skin_image::kPane, kTicks[i].left,
                      kTicks[i].top);
    }
}

void CMacroDialog::drawContents(QPainter* painter) {
    const MacroDialogTexts texts = macroDialogTexts(skinState().language());
    const QColor white(255, 255, 255);
    drawFittedLine(painter, kCaption, texts.caption, TextAlign::Centre, dialogFont(), white);
    for (std::size_t i = 0; i < kLoopTexts.size(); ++i) {
        drawWrappedText(painter, kLoopTexts[i], texts.loopModes[i], dialogFont(), white);
    }
    drawTicks(painter);
}

void CMacroDialog::describeControls(std::vector<SkinControl>& out) {
    out.push_back({.rect = list_.header(),
                   .role = QAccessible::ComboBox,
                   .name = controlNameText(ControlName::Macro),
                   .value = selectedMacroName,
                   .list = &list_});
    const MacroDialogTexts texts = macroDialogTexts(skinState().language());
    for (std::size_t i = 0; i < kTicks.size(); ++i) {
        out.push_back({.rect = kTicks[i],
                       .role = QAccessible::RadioButton,
                       .name = texts.loopModes[i],
                       .checked = loopMode == i + 1});
    }
}

void CMacroDialog::closeListsIfMissed(const QPoint& p) {
    list_.closeIfMissed(p);
}

void CMacroDialog::clickAt(const QPoint& p) {
    if (list_.header().contains(p.x(), p.y())) {
        if (!list_.isOpen()) {
            // The list shows the file as it is now.
            list_.setItems(slottedNames());
        }
        list_.toggle();
        return;
    }
    for (std::size_t i = 0; i < kTicks.size(); ++i) {
        // The box, or the text beside it, picks the mode.
        if (kTicks[i].contains(p.x(), p.y()) || kLoopTexts[i].contains(p.x(), p.y())) {
            if (loopMode != i + 1) {
                loopMode = static_cast<std::uint8_t>(i + 1);
                // Into the dialog's picture, so the ticks outlive any repaint.
                CMemDC dc(canvas());
                drawTicks(dc.painter());
            }
            return;
        }
    }
}

void CMacroDialog::wheelTurned(int delta) {
    list_.wheelTurned(delta);
}

void CMacroDialog::done(int result) {
    list_.close();
    if (result == Accepted) {
        const QStringList names = slottedNames();
        if (names.isEmpty()) {
            messages().showMessage(macroDialogTexts(skinState().language()).noMacro.toStdString(),
                                   kAppName);
            return;
        }
        if (selectedMacroName.isEmpty()) {
            // OK without a choice binds the first macro; the caller's label
            // names it.
            selectedMacroIndex = 0;
            selectedMacroName = names.front();
        }
    }
    CSkinnedDialog::done(result);
}

} // namespace pelmora
