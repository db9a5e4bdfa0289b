#include "ui/pages/key_settings_part.h"

#include "keys/key_lists.h"
#include "settings/control_names.h"
#include "settings/dialog_texts.h"
#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_fonts.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <QListWidget>
#include <QPainter>

namespace pelmora {

namespace L = layout;
namespace img = skin_image;

namespace {

constexpr std::array<PageCaption, 1> kCaptions = {{{L::kKeySettingCaption, TextId::KeySetting}}};

constexpr int kDpiSwitchRow = functionIndex(KeyFunction::DpiSwitch);
constexpr int kDpiListSize = 60;

Language activeLanguage() {
    return languageFromCode(skinState().language());
}

} // namespace

KeySettingsPart::KeySettingsPart(PageFrame& frame, SettingsBlock& settings, ButtonLabels& labels,
                                 MessageSink& messages)
    : frame_(frame), settings_(settings), labels_(labels), messages_(messages),
      dpiList_(frame.canvas().window(), Rect{}, Rect{}) {
    QWidget& window = frame.canvas().window();
    for (int n = 1; n <= L::kShownKeyBoxCount; ++n) {
        HotArea& box = keyBox(n);
        box.rect = L::keyBox(n);
        box.normalImage = img::kDropdownNormal;
        box.overImage = img::kDropdownOver;
        box.paintExtra = [this](QPainter* p, const HotArea& a) { drawBoxLabel(p, a); };

        auto& list = keyLists_[static_cast<std::size_t>(n - 1)];
        list = std::make_unique<DropDownList>(window, L::keyBox(n), L::keyList(n));
        connect(list.get(), &DropDownList::chosen, this,
                [this, n](int index, const QString&) { keyChosen(n, index); });
        connect(list.get(), &DropDownList::hovered, this,
                [this, n](int row) { keyHovered(n, row); });
        frame.addPageList(PageFrame::BasicPage, *list);
    }
    default_ = {L::kKeyDefaultButton, img::kButtonNormal, img::kButtonOver, {}, {}};

    QStringList dpiTexts;
    for (const DpiSwitchEntry& entry : pelmora::dpiSwitchList()) {
        dpiTexts << QString::fromUtf8(entry.text);
    }
    dpiList_.setItems(dpiTexts);
    connect(&dpiList_, &DropDownList::chosen, this,
            [this](int position, const QString&) { dpiChosen(position); });
    frame.addPageList(PageFrame::BasicPage, dpiList_);
}

KeySettings KeySettingsPart::state() const {
    return {settings_, labels_, activeLanguage()};
}

KeyMode KeySettingsPart::mode() const {
    return activeKeyMode(settings_);
}

void KeySettingsPart::enter() {
    const std::string& language = skinState().language();
    default_.caption = pageText(TextId::KeyPageDefault, language);
    QStringList functions;
    for (TextId id : kKeyFunctionListTexts) {
        functions << pageText(id, language);
    }
    for (auto& list : keyLists_) {
        list->setItems(functions);
        list->setFont(frame_.textFont());
    }
    // Its three texts are the same in every language; in the Latin font
    // they fit the list's 60 pixels, in the wider CJK fonts they would not.
    dpiList_.setFont(textFont(std::string_view{}));
}

void KeySettingsPart::draw(QPainter* painter) {
    drawCaptions(painter, kCaptions, frame_.textFont());
    for (const HotArea& box : boxes_) {
        drawHotArea(painter, box, false, frame_.textFont());
    }
    drawModeButtons(painter);
    drawHotArea(painter, default_, false, frame_.textFont());
    const Language language = languageFromCode(skinState().language());
    drawFittedLine(painter, L::kMouseCaption,
                   QString::fromUtf8(dialogText(DialogText::MouseCaption, language)),
                   TextAlign::Centre, frame_.textFont(), skinState().textColour());
}

void KeySettingsPart::drawBoxLabel(QPainter* painter, const HotArea& box) const {
    const auto index = static_cast<std::size_t>(&box - boxes_.data());
    const Rect& r = box.rect;
    // Both are elided and clipped to their rectangles: a long label never
    // runs over the box's arrow, and a hover that restores the box restores it.
    const QColor& colour = skinState().textColour();
    drawTextLine(painter, L::keyBoxNumber(r), QString::number(index + 1), TextAlign::Left,
                 frame_.textFont(), colour);
    drawTextLine(painter, L::keyBoxLabel(r), QString::fromStdString(labels_.forMode(mode())[index]),
                 TextAlign::Left, frame_.textFont(), colour);
}

void KeySettingsPart::drawModeButtons(QPainter* painter) const {
    const bool modeB = mode() == KeyMode::B;
    const HotArea modeA{L::kModeAButton,
                        modeB ? img::kButtonNormal : img::kButtonOver,
                        {},
                        QStringLiteral("Mode A"),
                        {}};
    const HotArea modeBButton{L::kModeBButton,
                              modeB ? img::kButtonOver : img::kButtonNormal,
                              {},
                              QStringLiteral("Mode B"),
                              {}};
    drawHotArea(painter, modeA, false, frame_.textFont(), img::kBasicBackground);
    drawHotArea(painter, modeBButton, false, frame_.textFont(), img::kBasicBackground);
}

void KeySettingsPart::redrawBoxes(bool withModeButtons) {
    CMemDC dc(frame_.canvas());
    QPainter* p = dc.painter();
    if (withModeButtons) {
        drawModeButtons(p);
    }
    for (const HotArea& box : boxes_) {
        drawHotArea(p, box, box.hovered, frame_.textFont(), img::kBasicBackground);
    }
}

void KeySettingsPart::collectHotAreas(std::vector<HotArea*>& areas) {
    areas.push_back(&default_);
    for (HotArea& box : boxes_) {
        areas.push_back(&box);
    }
}

bool KeySettingsPart::press(const QPoint& p) {
    if (contains(L::kModeAButton, p) || contains(L::kModeBButton, p)) {
        setActiveKeyMode(settings_, contains(L::kModeAButton, p) ? KeyMode::A : KeyMode::B);
        redrawBoxes(true);
        return true;
    }
    if (default_.contains(p)) {
        restoreDefaultKeys(state());
        redrawBoxes(false);
        return true;
    }
    for (int n = 1; n <= L::kShownKeyBoxCount; ++n) {
        if (keyBox(n).contains(p)) {
            pressBox(n);
            return true;
        }
    }
    return false;
}

void KeySettingsPart::describe(std::vector<SkinControl>& out) {
    const auto& shown = labels_.forMode(mode());
    for (int n = 1; n <= L::kShownKeyBoxCount; ++n) {
        out.push_back({.rect = keyBox(n).rect,
                       .role = QAccessible::ComboBox,
                       .name = controlNameText(ControlName::Button).arg(n),
                       .value = QString::fromStdString(shown[static_cast<std::size_t>(n - 1)]),
                       .list = &keyList(n),
                       .sideList = &dpiList_});
    }
    const bool modeB = mode() == KeyMode::B;
    out.push_back({.rect = L::kModeAButton,
                   .role = QAccessible::RadioButton,
                   .name = QStringLiteral("Mode A"),
                   .checked = !modeB});
    out.push_back({.rect = L::kModeBButton,
                   .role = QAccessible::RadioButton,
                   .name = QStringLiteral("Mode B"),
                   .checked = modeB});
    out.push_back({.rect = default_.rect, .name = default_.caption});
}

void KeySettingsPart::pressBox(int n) {
    DropDownList& list = keyList(n);
    if (list.isOpen()) {
        list.close();
        dpiList_.close();
        return;
    }
    closeKeyLists();
    const KeyButton key{mode(), static_cast<std::size_t>(n - 1)};
    if (!mayChangeButton(settings_, key)) {
        messages_.showMessage(leftButtonWarning(activeLanguage()), kWarningCaption);
        return;
    }
    list.open();
}

void KeySettingsPart::closeKeyLists() {
    dpiList_.close();
    for (auto& list : keyLists_) {
        list->close();
    }
}

void KeySettingsPart::keyHovered(int n, int row) {
    if (row == kDpiSwitchRow) {
        if (!dpiList_.isOpen()) {
            showDpiSwitchList(n);
        }
    } else {
        dpiList_.close();
    }
}

void KeySettingsPart::showDpiSwitchList(int n) {
    QListWidget* list = keyList(n).list();
    if (list == nullptr || list->item(kDpiSwitchRow) == nullptr) {
        return;
    }
    // Beside the key list, level with the "DPI Switch" row, in page pixels.
    const QRect row = list->visualItemRect(list->item(kDpiSwitchRow));
    const QPoint topLeft = list->viewport()->mapTo(&frame_.canvas().window(), QPoint(0, row.top()));
    const int left = L::keyList(n).right;
    dpiList_.setListRect({left, topLeft.y(), left + kDpiListSize, topLeft.y() + kDpiListSize});
    dpiListBox_ = n;
    dpiList_.open();
}

void KeySettingsPart::keyChosen(int n, int index) {
    const KeyButton key{mode(), static_cast<std::size_t>(n - 1)};
    switch (chooseKeyFunction(state(), key, index)) {
    case ListChoice::KeepOpen:
        // "DPI Switch" is chosen from the list beside it: both stay open.
        if (index == kDpiSwitchRow) {
            keyList(n).open();
            if (QListWidget* list = keyList(n).list()) {
                list->setCurrentRow(kDpiSwitchRow);
            }
            showDpiSwitchList(n);
        }
        return;
    case ListChoice::NeedsDialog: {
        dpiList_.close();
        KeyDialogs* dialogs = frame_.dialogs().keys;
        const auto result = dialogs != nullptr ? dialogs->run(static_cast<std::uint8_t>(index),
                                                              frame_.canvas().window())
                                               : std::nullopt;
        if (result && functionOfResult(*result) == index) {
            storeDialogResult(state(), key, *result);
        }
        break;
    }
    case ListChoice::Stored:
    case ListChoice::Refused:
        dpiList_.close();
        break;
    }
    redrawBoxes(false);
}

void KeySettingsPart::dpiChosen(int position) {
    if (dpiListBox_ < 1) {
        return;
    }
    const int n = dpiListBox_;
    chooseDpiSwitch(state(), {mode(), static_cast<std::size_t>(n - 1)}, position);
    keyList(n).close();
    redrawBoxes(false);
}

void KeySettingsPart::leave() {
    closeKeyLists();
}

} // namespace pelmora
