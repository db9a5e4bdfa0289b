#include "ui/pages/page_frame.h"

#include "ui/pages/page_layout.h"
#include "ui/pages/page_texts.h"
#include "ui/skin/qt_rect.h"
#include "ui/skin/skin_fonts.h"
#include "ui/skin/skin_image_names.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skin_text.h"

#include <QKeyEvent>
#include <QWidget>

namespace pelmora {

namespace L = layout;
namespace img = skin_image;

namespace {

struct FrameControlArea {
    FrameControl control;
    Rect rect;
};

constexpr std::array<FrameControlArea, 9> kFrameOrder = {{
    {FrameControl::Ok, L::kOkButton},
    {FrameControl::Apply, L::kApplyButton},
    {FrameControl::Skins, L::kSkinsButton},
    {FrameControl::Minimise, L::kMinimiseButton},
    {FrameControl::Close, L::kCloseButton},
    {FrameControl::BasicTab, L::kBasicTab},
    {FrameControl::AdvancedTab, L::kAdvancedTab},
    {FrameControl::Cancel, L::kCancelButton},
    {FrameControl::WebLink, L::kWebLink},
}};

// The frame's hot areas in the order hover tracking tests them.
constexpr std::array<FrameControl, 8> kFrameHotAreas = {
    FrameControl::Ok,       FrameControl::Apply, FrameControl::Cancel,   FrameControl::Skins,
    FrameControl::Minimise, FrameControl::Close, FrameControl::BasicTab, FrameControl::AdvancedTab};

struct FrameImages {
    FrameControl control;
    std::string_view normal;
    std::string_view over;
};

constexpr std::array<FrameImages, 8> kFrameImages = {{
    {FrameControl::Ok, img::kButtonNormal, img::kButtonOver},
    {FrameControl::Apply, img::kButtonNormal, img::kButtonOver},
    {FrameControl::Cancel, img::kButtonNormal, img::kButtonOver},
    {FrameControl::Skins, img::kSkinsNormal, img::kSkinsOver},
    {FrameControl::Minimise, img::kMinNormal, img::kMinOver},
    {FrameControl::Close, img::kCloseNormal, img::kCloseOver},
    {FrameControl::BasicTab, img::kPrePageNormal, img::kPrePageOver},
    {FrameControl::AdvancedTab, img::kNextPageNormal, img::kNextPageOver},
}};

std::size_t hotIndex(FrameControl control) {
    for (std::size_t i = 0; i < kFrameHotAreas.size(); ++i) {
        if (kFrameHotAreas[i] == control) {
            return i;
        }
    }
    return 0;
}

Rect rectOf(FrameControl control) {
    for (const FrameControlArea& area : kFrameOrder) {
        if (area.control == control) {
            return area.rect;
        }
    }
    return {};
}

const QColor kTitleColour(255, 255, 255);

} // namespace

std::optional<FrameControl> frameControlAt(const QPoint& p) {
    for (const FrameControlArea& area : kFrameOrder) {
        if (contains(area.rect, p)) {
            return area.control;
        }
    }
    return std::nullopt;
}

PageFrame::PageFrame(QWidget& window, SettingsBlock& settings)
    : window_(window), settings_(settings), canvas_(window), hover_(canvas_) {
    for (const FrameImages& f : kFrameImages) {
        HotArea& area = frameAreas_[hotIndex(f.control)];
        area.rect = rectOf(f.control);
        area.normalImage = f.normal;
        area.overImage = f.over;
    }
    // Parented to the window, and gone with the frame.
    controls_ = std::make_unique<SkinControls>(
        window, [this](std::vector<SkinControl>& out) { describeControls(out); },
        [this](const QPoint& p) { leftButtonDown(p); });
    controls_->setKeysCaptured(
        [this] { return page_ == AdvancedPage && hooks_.recording && hooks_.recording(); });
    controls_->setPageSwitch([this](int /*delta*/) {
        // Two pages: either way is the other one.
        if (page_ == BasicPage) {
            drawAdvancedPage();
        } else {
            drawBasicPage();
        }
    });
}

QString PageFrame::text(TextId id) const {
    return pageText(id, skinState().language());
}

void PageFrame::initialise() {
    const std::string& language = skinState().language();
    textFont_ = pelmora::textFont(language);
    titleFont_ = pelmora::titleFont(language);
    hover_.setFont(textFont_);
    canvas_.create(window_.size());
    frameArea(FrameControl::Ok).caption = pageText(TextId::Ok, language);
    frameArea(FrameControl::Apply).caption = pageText(TextId::Apply, language);
    frameArea(FrameControl::Cancel).caption = pageText(TextId::Cancel, language);
    statusLine_.restyle();
}

HotArea& PageFrame::frameArea(FrameControl control) {
    return frameAreas_[hotIndex(control)];
}

void PageFrame::drawFrame(QPainter* painter, const QString& title) {
    for (const HotArea& area : frameAreas_) {
        drawHotArea(painter, area, false, textFont_);
    }
    drawTextLine(painter, L::kPageTitle, title, TextAlign::Left, titleFont_, kTitleColour);
    drawTextLine(painter, L::kWebLink, text(TextId::WebAddress), TextAlign::Centre, textFont_,
                 skinState().textColour());
}

void PageFrame::drawBasicPage() {
    showPage(BasicPage);
}

void PageFrame::drawAdvancedPage() {
    showPage(AdvancedPage);
}

void PageFrame::showPage(Page page) {
    if (page_ == page) {
        return;
    }
    const bool switched = page_ != NoPage;
    page_ = page;
    leavePage();
    const bool basic = page == BasicPage;
    if (basic && hooks_.beforeBasicDrawing) {
        hooks_.beforeBasicDrawing();
    }
    for (PagePart* part : partsOf(page)) {
        part->enter();
    }
    {
        CMemDC dc(canvas_);
        QPainter* p = dc.painter();
        if (p != nullptr) {
            p->fillRect(canvas_.image().rect(), QColor(18, 20, 24));
        }
        drawSkinImage(p, basic ? img::kBasicBackground : img::kAdvancedBackground, 0, 0);
        drawFrame(p, text(basic ? TextId::BasicSettings : TextId::AdvancedSettings));
        for (PagePart* part : partsOf(page)) {
            part->draw(p);
        }
    }
    trackAreas();
    if (switched) {
        // The heading changed under the focus, which stays where it was.
        controls_->announceText(text(basic ? TextId::BasicSettings : TextId::AdvancedSettings));
    }
    controls_->changed();
}

void PageFrame::trackAreas() {
    hover_.clearFlags();
    hover_.setBackdrop(page_ == AdvancedPage ? img::kAdvancedBackground : img::kBasicBackground);
    std::vector<HotArea*> areas;
    for (HotArea& area : frameAreas_) {
        area.hovered = false;
        areas.push_back(&area);
    }
    if (page_ != NoPage) {
        for (PagePart* part : partsOf(page_)) {
            part->collectHotAreas(areas);
        }
    }
    hover_.setAreas(std::move(areas));
    hover_.clearFlags();
}

void PageFrame::redrawCurrentPage() {
    const Page current = page_;
    page_ = current == AdvancedPage ? BasicPage : AdvancedPage;
    leavePage();
    page_ = NoPage;
    if (current == AdvancedPage) {
        drawAdvancedPage();
    } else {
        drawBasicPage();
    }
}

void PageFrame::leavePage() {
    for (Page leaving : {BasicPage, AdvancedPage}) {
        if (leaving == page_) {
            continue;
        }
        PageOwned& owned = leaving == BasicPage ? basicOwned_ : advancedOwned_;
        for (const QPointer<DropDownList>& list : owned.lists) {
            if (list) {
                list->close();
            }
        }
        for (const QPointer<QWidget>& child : owned.children) {
            if (child) {
                child->hide();
                child->setParent(nullptr);
                child->deleteLater();
            }
        }
        owned.children.clear();
        for (PagePart* part : partsOf(leaving)) {
            part->leave();
        }
    }
}

PageFrame::Press PageFrame::leftButtonDown(const QPoint& p) {
    lastPress_ = p;
    if (const auto control = frameControlAt(p)) {
        if (*control == FrameControl::BasicTab) {
            drawBasicPage();
        } else if (*control == FrameControl::AdvancedTab) {
            drawAdvancedPage();
        } else if (hooks_.frameAction) {
            hooks_.frameAction(*control);
        }
        return Press::Frame;
    }
    if (page_ == NoPage) {
        return Press::Nothing;
    }
    if (hooks_.busy && hooks_.busy()) {
        return Press::PageControl; // taken, and dropped
    }
    PageOwned& owned = page_ == BasicPage ? basicOwned_ : advancedOwned_;
    for (const QPointer<DropDownList>& list : owned.lists) {
        if (list) {
            list->closeIfMissed(p);
        }
    }
    for (PagePart* part : partsOf(page_)) {
        if (part->press(p)) {
            return Press::PageControl;
        }
    }
    return Press::Nothing;
}

bool PageFrame::preFilterKey(int key) {
    if (page_ == AdvancedPage && hooks_.recording && hooks_.recording()) {
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        if (hooks_.hide) {
            hooks_.hide();
        }
        return true;
    }
    return false;
}

void PageFrame::addPageChild(Page page, QWidget& child) {
    (page == BasicPage ? basicOwned_ : advancedOwned_).children.emplace_back(&child);
}

void PageFrame::addPart(Page page, PagePart& part) {
    partsOf(page).push_back(&part);
}

void PageFrame::addPageList(Page page, DropDownList& list) {
    (page == BasicPage ? basicOwned_ : advancedOwned_).lists.emplace_back(&list);
}

} // namespace pelmora
