#include "app/ctarvix_dlg.h"

#include "app/device_balloon.h"
#include "keys/label_check.h"
#include "settings/settings_file.h"
#include "ui/skin/app_icon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShowEvent>
#include <QUrl>
#include <QWindow>

namespace pelmora {

CTarvixDlg::CTarvixDlg(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), icon_(appIcon()) {
    // Frameless, and a tool window so that it gets no task-bar entry.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(kDefaultClientSize);
    connectPageFrame();
}

void CTarvixDlg::connectPageFrame() {
    PageFrame::Hooks& hooks = frame_.hooks();
    hooks.frameAction = [this](FrameControl control) { onFrameAction(control); };
    hooks.beforeBasicDrawing = [this] { firstRead(); };
    hooks.hide = [this] { hideWindow(); };
    hooks.busy = [this] { return applySession_.busy(); };
    frame_.dialogs().keys = &keyDialogs_;
    frame_.addPart(PageFrame::BasicPage, profileChooser_);
    frame_.addPart(PageFrame::AdvancedPage, profileChooser_);
    frame_.addPart(PageFrame::BasicPage, keySettings_);
    frame_.addPart(PageFrame::BasicPage, dpiRatePart_);
    frame_.addPart(PageFrame::BasicPage, lightingPart_);
    frame_.addPart(PageFrame::AdvancedPage, pointerPart_);
    frame_.addPart(PageFrame::AdvancedPage, macroEditor_);
}

CTarvixDlg::~CTarvixDlg() {
    teardown();
}

void CTarvixDlg::initialise() {
    // The tool-window style is set by the constructor.
    setWindowIcon(icon_);
    qApp->installEventFilter(this);

    // The notification-area icon, then the mouse.
    services_.tray.install(icon_, kTrayToolTip,
                           {[this] { onTrayOpen(); }, [this] { onExit(); },
                            [this](bool available) { onTrayAvailability(available); }});

    deviceWatch_.start();

    // Language (a missing settings file is told in it), the settings file
    // and the backup for Cancel, texts, preferences.
    const auto preferencesFile = services_.dataFolder.preferencesFile();
    session_.setLanguage(readLanguageCode(preferencesFile));
    session_.settingsLoaded =
        loadSettingsFile(services_.dataFolder.settingsFile(), session_.settings,
                         session_.firstRunFlag, services_.messages,
                         session_.language()) == LoadResult::Loaded;
    session_.backup.snapshot(session_.settings);
    services_.tray.setExitText(uiText(TextId::Exit, session_.language()));
    skinChoice_.reload();
    matchLabels();

    // Skin and window size; the look and fonts every window uses.
    loadSkinSize();
    skinChoice_.publish();
    createFonts();

    initialised_ = true;
    showMouseStatus();
    // The basic page, which reads the mouse.
    if (services_.link.present()) {
        drawBasicPage();
    }
}

void CTarvixDlg::startUp(bool show, bool autostart) {
    if (!services_.tray.isTrayAvailable()) {
        useTaskBar();
    }
    if (show || (!services_.tray.isTrayAvailable() && !autostart)) {
        this->show();
        raise();
        activateWindow();
    }
}

void CTarvixDlg::loadSkinSize() {
    const QSize size = skinChoice_.backgroundSize();
    setFixedSize(size.isValid() && !size.isEmpty() ? size : kDefaultClientSize);
}

void CTarvixDlg::createFonts() {
    // The page frame makes the text and title fonts of the language.
    frame_.initialise();
    setFont(frame_.textFont());
}

void CTarvixDlg::onFrameAction(FrameControl control) {
    // While the settings are being sent, what would send, restore or restyle
    // them waits; the status beside the buttons says why.
    if (applySession_.busy() &&
        (control == FrameControl::Ok || control == FrameControl::Apply ||
         control == FrameControl::Cancel || control == FrameControl::Skins)) {
        return;
    }
    switch (control) {
    case FrameControl::Ok:
        applySettings(true);
        break;
    case FrameControl::Apply:
        applySettings(false);
        break;
    case FrameControl::Skins:
        chooseSkin();
        break;
    case FrameControl::Minimise:
        hideWindow();
        break;
    case FrameControl::Close:
        onExit();
        break;
    case FrameControl::BasicTab:
    case FrameControl::AdvancedTab:
        break; // the frame switches its pages itself
    case FrameControl::Cancel:
        session_.backup.undo(session_.settings);
        cancelPending_ = true;
        hideWindow();
        break;
    case FrameControl::WebLink:
        openWebLink();
        break;
    }
}

void CTarvixDlg::chooseSkin() {
    if (!skinChoice_.choose(services_.messages, this)) {
        return;
    }
    matchLabels();
    loadSkinSize();
    createFonts();
    frame_.redrawCurrentPage();
    showMouseStatus();
    show();
    raise();
    activateWindow();
}

void CTarvixDlg::applySettings(bool hideAfter) {
    applySession_.start(
        {session_.settings, session_.preferences.labels, services_.dataFolder.preferencesFile(),
         session_.languageCode(), session_.language(), session_.settingsLoaded},
        [this, hideAfter](const SettingsBlock& sent, const ApplySession::Outcome& outcome) {
            finishApply(sent, outcome.delivered, hideAfter);
        });
}

bool CTarvixDlg::applyConfiguration(const Configuration& configuration, MessageSink* messages,
                                    ApplySession::Finished finished) {
    if (!takeConfiguration(configuration)) {
        return false;
    }
    ApplySession::Request request{session_.settings,
                                  session_.preferences.labels,
                                  services_.dataFolder.preferencesFile(),
                                  session_.languageCode(),
                                  session_.language(),
                                  session_.settingsLoaded,
                                  messages};
    return applySession_.start(
        std::move(request), [this, finished = std::move(finished)](
                                const SettingsBlock& sent, const ApplySession::Outcome& outcome) {
            finishApply(sent, outcome.delivered, false);
            finished(sent, outcome);
        });
}

bool CTarvixDlg::takeConfiguration(const Configuration& configuration) {
    if (applySession_.busy()) {
        return false;
    }
    session_.settings = configuration.settings;
    session_.firstRunFlag = configuration.firstRunFlag;
    session_.preferences.labels = settingsEditOf(configuration).labels;
    frame_.redrawCurrentPage();
    return true;
}

Configuration CTarvixDlg::configuration() const {
    Configuration current;
    current.settings = session_.settings;
    current.firstRunFlag = session_.firstRunFlag;
    std::string error;
    loadConfigurationTexts(services_.dataFolder, current,
                           error); // a file that cannot be read holds nothing
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            current.strIni.setValue(labelSectionName(session_.language()), labelKey(mode, b),
                                    session_.preferences.labels.forMode(mode)[b]);
        }
    }
    return current;
}

void CTarvixDlg::finishApply(const SettingsBlock& sent, bool delivered, bool hideAfter) {
    if (delivered) {
        session_.backup.snapshot(sent);
        pointerPart_.applyToDesktop();
        if (hideAfter) {
            hideWindow();
        }
    }
    deviceWatch_.transferEnded();
    if (exitAfterApply_) {
        onExit();
    }
}

void CTarvixDlg::hideWindow() {
    frame_.hover().restoreAll();
    placement_.hide(services_.tray.isTrayAvailable());
}

void CTarvixDlg::useTaskBar() {
    // A tool window has no task-bar entry; without a notification area the
    // task bar is the only way back to an iconified window.
    setWindowFlag(Qt::Tool, false);
}

void CTarvixDlg::openWebLink() {
    const QUrl url = QUrl::fromUserInput(uiText(TextId::WebAddress, session_.language()));
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

void CTarvixDlg::onTrayOpen() {
    if (!services_.link.present()) {
        deviceWatch_.notify(kNotDetectedEvent, 0);
        return;
    }
    activate();
}

void CTarvixDlg::activate() {
    if (!initialised_ || tornDown_) {
        return;
    }
    refreshForOpening();
    show();
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void CTarvixDlg::refreshForOpening() {
    if (cancelPending_) {
        // The page shown again from the settings Cancel restored.
        cancelPending_ = false;
        // The labels go back with the settings, whichever page is showing:
        // the key page shown later must not draw the cancelled ones.
        skinChoice_.reload();
        matchLabels();
        frame_.redrawCurrentPage();
    } else if (services_.link.present() && !initialReadDone()) {
        // The basic page, drawn again if it was drawn without the mouse,
        // makes the first read.
        if (frame_.page() == PageFrame::BasicPage) {
            frame_.redrawCurrentPage();
        } else {
            drawBasicPage();
        }
    }
}

void CTarvixDlg::onExit() {
    // The program ends when a running transfer has ended (and was saved);
    // one that still waits for the mouse gives up.
    applySession_.giveUp();
    if (applyRunning()) {
        exitAfterApply_ = true;
        return;
    }
    teardown();
    if (services_.quit) {
        services_.quit(0);
    }
}

void CTarvixDlg::teardown() {
    if (tornDown_) {
        return;
    }
    tornDown_ = true;
    applySession_.giveUp();
    applySession_.abandon(); // the transfer ends before its handles close
    qApp->removeEventFilter(this);
    deviceWatch_.stop();
    services_.link.close();
    services_.tray.remove();
    hide();
}

void CTarvixDlg::onMouseRemoved() {
    // Without a notification area a hidden window could only come back by a
    // relaunch: it stays as it is.
    if (services_.tray.isTrayAvailable()) {
        hideWindow();
    }
}

void CTarvixDlg::showMouseStatus() {
    frame_.statusLine().set(
        StatusLine::Source::NoMouse,
        services_.link.present()
            ? QString()
            : QString::fromUtf8(shellMessage(ShellMessage::NoMouseStatus, session_.language())));
}

void CTarvixDlg::matchLabels() {
    // Labels of a language that was not in use when buttons changed name the
    // old functions: shown, and saved at the next OK or Apply, as the page
    // would write them now.
    matchLabelsToFunctions(session_.settings, session_.preferences.labels, session_.language());
}

bool CTarvixDlg::editedSinceApply() const {
    return !std::ranges::equal(session_.settings.bytes(), session_.backup.block.bytes());
}

void CTarvixDlg::onDeviceChange() {
    showMouseStatus();
    // The mouse came while the window is open (shown without it): the page
    // on show makes the first read now.
    if (isVisible() && !isMinimized() && services_.link.present() && !initialReadDone()) {
        refreshForOpening();
    }
}

void CTarvixDlg::firstRead() {
    // A page drawn while the mouse is away (a window shown without a
    // notification area) reads nothing: the read waits for the mouse, and
    // until then an arrival also starts the listener.
    if (initialReadDone() || !services_.link.present() || applySession_.busy()) {
        return;
    }
    readMouse();
}

void CTarvixDlg::readMouse() {
    applySession_.read(session_.language(), [this](bool late) {
        if (!initialReadDone()) {
            // Edits made while the mouse was away stay for
            // the next Apply: the first-run labels wait.
            if (session_.firstRunFlag == 0 && !editedSinceApply()) {
                session_.preferences.labels = firstRunLabels(session_.language());
                skinChoice_.saveLabels();
            }
            services_.link.linkState().initialReadDone = 1;
        }
        if (late) {
            // The DPI columns follow the sensor the mouse reported.
            frame_.redrawCurrentPage();
        }
    });
}

void CTarvixDlg::onTrayAvailability(bool available) {
    // A tray that goes away must not leave the program hidden for good.
    if (!available && isHidden() && initialised_ && !tornDown_) {
        useTaskBar();
        placement_.showWithoutTray();
    }
}

void CTarvixDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    frame_.canvas().paint(painter, event->rect());
}

void CTarvixDlg::showEvent(QShowEvent* event) {
    // A window shown without the mouse still shows its page; drawing it
    // reads nothing until the mouse is there.
    if (initialised_ && !tornDown_ && frame_.page() == PageFrame::NoPage) {
        drawBasicPage();
    }
    if (!event->spontaneous()) {
        placement_.placeForShowing();
    }
    QWidget::showEvent(event);
}

void CTarvixDlg::hideEvent(QHideEvent* event) {
    // Nothing stays lit for the next showing.
    frame_.hover().restoreAll();
    if (!event->spontaneous()) {
        placement_.hidden();
    }
    QWidget::hideEvent(event);
}

void CTarvixDlg::leaveEvent(QEvent* event) {
    // Leaving the window from a lit button is a move outside every area.
    frame_.hover().restoreAll();
    QWidget::leaveEvent(event);
}

void CTarvixDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    // Frame areas first, then the page's controls.
    if (frame_.leftButtonDown(event->position().toPoint()) != PageFrame::Press::Nothing) {
        return;
    }
    // Nothing took the press: dragging from here moves the window.
    drag_.arm(event->globalPosition().toPoint());
}

void CTarvixDlg::mouseReleaseEvent(QMouseEvent* event) {
    drag_.disarm();
    QWidget::mouseReleaseEvent(event);
}

void CTarvixDlg::mouseMoveEvent(QMouseEvent* event) {
    drag_.mouseMoved(*this, event->globalPosition().toPoint(),
                     event->buttons().testFlag(Qt::LeftButton));
    frame_.mouseMoved(event->position().toPoint());
}

void CTarvixDlg::closeEvent(QCloseEvent* event) {
    // Closing through the window manager only hides the window.
    event->ignore();
    if (!tornDown_) {
        hideWindow();
    }
}

void CTarvixDlg::changeEvent(QEvent* event) {
    // Without a notification area the window comes back from the task bar:
    // that is its opening.
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && initialised_ &&
        !tornDown_ &&
        static_cast<QWindowStateChangeEvent*>(event)->oldState().testFlag(Qt::WindowMinimized)) {
        refreshForOpening();
    }
    QWidget::changeEvent(event);
}

bool CTarvixDlg::eventFilter(QObject* watched, QEvent* event) {
    // Keys of this window and its child controls pass the page frame's
    // pre-filter first (Enter and Escape hide, recording swallows keys).
    // While a transfer runs, the page's child controls (lists, edit fields)
    // take no presses or keys: they would change the settings record.
    if (applySession_.blocksInput(watched, event)) {
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            frame_.preFilterKey(static_cast<QKeyEvent*>(event)->key())) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmora
