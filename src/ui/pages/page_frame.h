#pragma once
// The frame of the main window's two pages: the page state, the drawing of
// both pages onto the window's canvas (background, frame controls, title and
// web address, then each part of the page shown), navigation between the
// pages, and the left-button dispatcher: frame controls first, then the parts
// of the page being shown.
//
// On the map (docs/ARCHITECTURE.md): src/ui/pages, the window's parts on top
// of src/ui/skin; the program's window (src/app) owns one frame.

#include "settings/interface_texts.h"
#include "settings/settings_block.h"
#include "ui/pages/page_dialogs.h"
#include "ui/pages/page_part.h"
#include "ui/pages/status_line.h"
#include "ui/skin/drop_down_list.h"
#include "ui/skin/hot_area.h"
#include "ui/skin/mem_dc.h"
#include "ui/skin/rect.h"
#include "ui/skin/skin_controls.h"

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace pelmora {

// The frame's click areas in the order they are tested.
enum class FrameControl : std::uint8_t {
    Ok,
    Apply,
    Skins,
    Minimise,
    Close,
    BasicTab,
    AdvancedTab,
    Cancel,
    WebLink
};
std::optional<FrameControl> frameControlAt(const QPoint& p);

class PageFrame : public QObject {
    Q_OBJECT
public:
    enum Page : int { NoPage = 0, BasicPage = 1, AdvancedPage = 2 };
    enum class Press { Frame, PageControl, Nothing };

    // What the shell and the page parts plug in. Every hook may stay empty.
    struct Hooks {
        // Frame controls other than the two tabs (OK, Apply, skins, ...).
        std::function<void(FrameControl)> frameAction;
        // Before every drawing of the basic page. The shell makes its first
        // read of the mouse there (basic settings, first-run labels), once.
        std::function<void()> beforeBasicDrawing;
        // Enter and Escape; the macro recorder swallowing keys.
        std::function<void()> hide;
        std::function<bool()> recording;
        // True while the settings are being sent to the mouse: presses on
        // page controls are then refused (the frame's own still work).
        std::function<bool()> busy;
    };

    PageFrame(QWidget& window, SettingsBlock& settings);

    Hooks& hooks() { return hooks_; }
    SkinCanvas& canvas() { return canvas_; }
    HoverTracker& hover() { return hover_; }
    const QFont& textFont() const { return textFont_; }
    const QFont& titleFont() const { return titleFont_; }
    Page page() const { return page_; }
    QPoint lastPress() const { return lastPress_; }

    // Dialog initialisation: the canvas of the client area and the fonts of
    // the active language.
    void initialise();

    // Drawing a page that is already shown does nothing.
    void drawBasicPage();
    void drawAdvancedPage();
    // Draws the shown page again from scratch (after a skin change or when
    // the window is reopened after Cancel).
    void redrawCurrentPage();
    // Destroys the child windows and lists of the page not being shown.
    void leavePage();

    // The left-button dispatcher. Nothing: the press starts a window drag.
    Press leftButtonDown(const QPoint& p);
    void mouseMoved(const QPoint& p) { hover_.mouseMoved(p); }
    // Key-down before it is dispatched; true when swallowed.
    bool preFilterKey(int key);

    // The parts of a page, asked in the order they were added. A part lives
    // at least as long as the frame.
    void addPart(Page page, PagePart& part);

    // Child windows and drop-down lists that live only while their page shows.
    void addPageChild(Page page, QWidget& child);
    void addPageList(Page page, DropDownList& list);

    // The hot areas of the frame and of both pages, for the page parts.
    HotArea& frameArea(FrameControl control);

    // The controls of the shown page, frame included, in reading order
    // (frame_controls.cpp), and the keyboard and accessibility built on them.
    void describeControls(std::vector<SkinControl>& controls);
    SkinControls& controls() { return *controls_; }
    // The line every part says what goes on in (status_line.h).
    StatusLine& statusLine() { return statusLine_; }
    // The dialogs the parts open (page_dialogs.h).
    PageDialogs& dialogs() { return dialogs_; }

private:
    void showPage(Page page);
    void drawFrame(QPainter* painter, const QString& title);
    void trackAreas();
    QString text(TextId id) const;

    QWidget& window_;
    SettingsBlock& settings_;
    Hooks hooks_;
    SkinCanvas canvas_;
    HoverTracker hover_;
    QFont textFont_;
    QFont titleFont_;
    StatusLine statusLine_{window_, textFont_};
    PageDialogs dialogs_;
    Page page_ = NoPage;
    QPoint lastPress_;

    std::array<HotArea, 8> frameAreas_;

    struct PageOwned {
        std::vector<QPointer<QWidget>> children;
        std::vector<QPointer<DropDownList>> lists;
    };
    PageOwned basicOwned_;
    PageOwned advancedOwned_;
    std::vector<PagePart*> basicParts_;
    std::vector<PagePart*> advancedParts_;

    std::unique_ptr<SkinControls> controls_;

    std::vector<PagePart*>& partsOf(Page page) {
        return page == BasicPage ? basicParts_ : advancedParts_;
    }
};

} // namespace pelmora
