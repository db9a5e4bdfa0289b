#pragma once
// Base of the modal dialogs: the window is its background picture, sized to
// it, with skinned OK, Cancel and close buttons that light up under the
// mouse. Without its background the dialog still opens, undecorated, after an
// "error" message, and its three buttons still work.

#include "settings/message_sink.h"
#include "ui/skin/hot_area.h"
#include "ui/skin/mem_dc.h"
#include "ui/skin/skin_controls.h"

#include <QDialog>
#include <QFont>
#include <QLabel>

#include <memory>
#include <string_view>

namespace pelmora {

class CSkinnedDialog : public QDialog {
    Q_OBJECT
public:
    CSkinnedDialog(std::string_view backgroundImage, QString failureCaption, MessageSink& messages,
                   QWidget* parent = nullptr);

    // The dialog's initialisation; runs once, at the latest when it is shown.
    void initialise();
    bool backgroundLoaded() const { return canvas_.exists(); }
    SkinCanvas& canvas() { return canvas_; }
    const QFont& dialogFont() const { return font_; }
    HotArea& okArea() { return ok_; }
    HotArea& cancelArea() { return cancel_; }
    HotArea& closeArea() { return close_; }
    HoverTracker& hover() { return hover_; }
    MessageSink& messages() { return messages_; }

    // White text on RGB(40, 40, 40) in the dialog font: every child control.
    void styleChild(QWidget& child) const;
    // A static text of the dialog (a chosen name, a key name). It lets clicks
    // through to what lies under it, such as the drop-down header it sits in.
    QLabel& addStaticText(const Rect& r, Qt::Alignment alignment);

    // A left click at p: OK, Cancel and close, else the dialog's own areas.
    void pressAt(const QPoint& p);
    SkinControls& controls() { return *controls_; }

protected:
    // Hooks for the dialogs built on this base. createControls runs only
    // when the background loaded; drawContents draws the dialog's own texts
    // after the buttons and before the close button.
    virtual void createControls() {}
    virtual void drawContents(QPainter* /*painter*/) {}
    // A press outside OK, Cancel and close; open lists that the press misses
    // are closed first by closeListsIfMissed.
    virtual void closeListsIfMissed(const QPoint& /*p*/) {}
    virtual void clickAt(const QPoint& /*p*/) {}
    // The wheel: only the dialogs with a scrolling list take it.
    virtual void wheelTurned(int /*delta*/) {}
    // The dialog's own controls in reading order, between the close button
    // and OK (skin_control.h).
    virtual void describeControls(std::vector<SkinControl>& /*controls*/) {}
    // True for the dialogs that take every key as input: no key moves the
    // focus in them.
    virtual bool capturesKeys() const { return false; }

    // Redraws the whole picture: buttons, the dialog's texts, close.
    void drawDialog();

    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // Enter ends the dialog with OK and Escape with Cancel; the capture
    // dialogs, which take these keys as input, override it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::string_view backgroundImage_;
    QString failureCaption_;
    MessageSink& messages_;
    SkinCanvas canvas_;
    HoverTracker hover_;
    QFont font_;
    HotArea ok_;
    HotArea cancel_;
    HotArea close_;
    bool initialised_ = false;
    std::unique_ptr<SkinControls> controls_;
};

// The message boxes a dialog shows when its caller gives it no other sink.
MessageSink& dialogMessageBoxes();

// "OK" and "Cancel" in the active language.
QString dialogOkText(std::string_view language);
QString dialogCancelText(std::string_view language);

} // namespace pelmora
