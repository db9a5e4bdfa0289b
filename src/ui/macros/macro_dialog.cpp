#include "ui/macros/macro_dialog.h"

#include "macros/macro_store.h"
#include "settings/language_rows.h"
#include "ui/skin/dialog_layout.h"
#include "ui/skin/mem_dc.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <string_view>

namespace pelmora {

namespace {

struct Texts {
    std::string_view language;
    std::array<const char*, 3> loopModes;
    const char* caption;
    const char* noMacro;
};

constexpr std::array<Texts, 4> kTexts = {{
    {"",
     {"Repeat a specified number of times or press any key to end",
      "Repeat until press any key to end", "Repeat until the key is released"},
     "Please select a macro",
     "There is no macro yet. Record one on the Advanced Settings page first."},
    {"CHS",
     {"重复指定的次数，或按任意键结束", "一直重复，直到按任意键结束", "一直重复，直到松开按键"},
     "请选择一个宏",
     "还没有任何宏。请先在“高级设置”页录制一个宏。"},
    {"CHT",
     {"重複指定的次數，或按任意鍵結束", "一直重複，直到按任意鍵結束", "一直重複，直到放開按鍵"},
     "請選擇一個巨集",
     "還沒有任何巨集。請先在「高級設置」頁錄製一個巨集。"},
    {"TUR",
     {"Belirtilen sayıda tekrarla ya da bir tuşa basınca bitir", "Bir tuşa basılana kadar tekrarla",
      "Tuş bırakılana kadar tekrarla"},
     "Lütfen bir makro seçin",
     "Henüz hiç makro yok. Önce Gelişmiş Ayarlar sayfasında bir makro kaydedin."},
}};

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
    const Texts& texts = languageRowOr(kTexts, language, kTexts[0]);
    MacroDialogTexts out;
    for (std::size_t i = 0; i < out.loopModes.size(); ++i) {
        out.loopModes[i] = QString::fromUtf8(texts.loopModes[i]);
    }
    out.caption = QString::fromUtf8(texts.caption);
    out.noMacro = QString::fromUtf8(texts.noMacro);
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
