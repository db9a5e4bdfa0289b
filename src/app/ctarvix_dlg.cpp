#include "app/ctarvix_dlg.h"

#include "app/device_balloon.h"
#include "settings/dpi_tables.h"
#include "settings/settings_file.h"
#include "settings/shell_messages.h"
#include "settings/skin_folders.h"
#include "settings/transfer_texts.h"
#include "ui/skin/app_icon.h"
#include "ui/skin/skin_images.h"
#include "ui/skin/skin_state.h"
#include "ui/skin/skins_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHideEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <iostream>

namespace pelmora {

namespace {
constexpr std::string_view kCreateEventFailed = "CreateEvent failed.";
constexpr std::string_view kRegisterNotificationFailed = "RegisterDeviceNotification failed!!!";
constexpr const char* kBackgroundImage = "BasicSet2.png";
} // namespace

QIcon pelmoraIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(appIconImage(side)));
    }
    return icon;
}

CTarvixDlg::CTarvixDlg(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), icon_(pelmoraIcon()) {
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
    const auto pagePress = [this](const QPoint& p) {
        return pagePressHandler_ && pagePressHandler_(p);
    };
    hooks.basicPress = pagePress;
    hooks.advancedPress = pagePress;
    hooks.hide = [this] { hideWindow(); };
    hooks.busy = [this] { return applyRunning(); };
    frame_.addPart(PageFrame::BasicPage, keySettings_);
    frame_.addPart(PageFrame::BasicPage, dpiRatePart_);
    frame_.addPart(PageFrame::BasicPage, lightingPart_);
    frame_.addPart(PageFrame::AdvancedPage, pointerPart_);
    frame_.addPart(PageFrame::AdvancedPage, macroEditor_);
}

CTarvixDlg::~CTarvixDlg() {
    teardown();
}

std::filesystem::path CTarvixDlg::skinFolder() const {
    // "Path" names a folder under the skins roots, else the Default skin is
    // used (the file keeps what it says until the user picks a skin).
    const auto roots = services_.dataFolder.skinsRoots();
    const std::string name = effectiveSkinName(roots, prefs_.skinPath);
    if (const auto found = findSkin(roots, name)) {
        return *found;
    }
    return (roots.empty() ? services_.dataFolder.root() / kSkinsFolderName : roots.front()) / name;
}

CTarvixDlg::InitResult CTarvixDlg::initialise() {
    // 1. Only one copy runs; a second one ends quietly before anything else.
    if (!services_.lockFolder.empty() && takeInstanceLock(instanceLock_, services_.lockFolder) ==
                                             SingleInstanceLock::Result::AlreadyRunning) {
        return InitResult::AlreadyRunning;
    }

    // 2.-4. Window icon; the tool-window style is set by the constructor.
    setWindowIcon(icon_);
    qApp->installEventFilter(this);

    // 5. Notification-area icon.
    services_.tray.install(icon_, kTrayToolTip,
                           {[this] { onTrayOpen(); }, [this] { onExit(); },
                            [this](bool available) { onTrayAvailability(available); }});

    // 6. Discovery.
    const bool found = services_.device.discover();
    if (!found) {
        // Queued: the warning shows once the texts of the language are loaded
        // below, not as an empty balloon.
        QMetaObject::invokeMethod(
            this, [this] { onDeviceEvent(kNotDetectedEvent, 0); }, Qt::QueuedConnection);
    }

    // 7.-8. The listener: parked until the mouse is there. Its events come
    // to this thread queued, in the order the mouse reported them.
    std::string error;
    QPointer<CTarvixDlg> self(this);
    const bool listener = services_.device.createListener(
        [self](int type, int value) {
            QMetaObject::invokeMethod(
                self.data(),
                [self, type, value] {
                    if (self) {
                        self->onDeviceEvent(type, value);
                    }
                },
                Qt::QueuedConnection);
        },
        error);
    if (!listener) {
        // Go on without device events; settings, texts and pages still load.
        if (!error.empty()) {
            std::cerr << "pelmora: " << error << '\n';
        }
        services_.messages.showMessage(kCreateEventFailed, kAppName);
    } else if (found) {
        services_.device.resumeListener();
    }

    // 9. Hot-plug notifications.
    const int fd = services_.device.openHotplugMonitor(error);
    if (fd < 0) {
        if (!error.empty()) {
            std::cerr << "pelmora: " << error << '\n';
        }
        services_.messages.showMessage(kRegisterNotificationFailed, kAppName);
    } else {
        hotplugNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(hotplugNotifier_.get(), &QSocketNotifier::activated, this,
                &CTarvixDlg::onHotplugReadable);
    }

    // 10. Settings file and the backup for Cancel.
    settingsLoaded_ = loadSettingsFile(services_.dataFolder.settingsFile(), settings_,
                                       firstRunFlag_, services_.messages) == LoadResult::Loaded;
    backup_.snapshot(settings_);

    // 11. Language, texts, preferences.
    const auto preferencesFile = services_.dataFolder.preferencesFile();
    languageCode_ = readLanguageCode(preferencesFile);
    language_ = languageFromCode(languageCode_);
    services_.tray.setExitText(uiText(TextId::Exit, language_));
    reloadPreferences();

    // 12.-13. Skin and window size; the look every window uses.
    loadSkinSize();
    publishLook();

    // 14. Fonts.
    createFonts();

    initialised_ = true;
    // 15. The basic page, which reads the mouse.
    if (services_.device.present()) {
        drawBasicPage();
    }
    return InitResult::Ready;
}

void CTarvixDlg::startUp(bool show) {
    if (!services_.tray.isTrayAvailable()) {
        useTaskBar();
    }
    if (show || !services_.tray.isTrayAvailable()) {
        this->show();
        raise();
        activateWindow();
    }
}

void CTarvixDlg::loadSkinSize() {
    const auto file = skinFolder() / kBackgroundImage;
    const QSize size = skinImageSize(QString::fromStdString(file.string()));
    setFixedSize(size.isValid() && !size.isEmpty() ? size : kDefaultClientSize);
}

void CTarvixDlg::createFonts() {
    // The page frame makes the text and title fonts of the language.
    frame_.initialise();
    setFont(frame_.textFont());
}

void CTarvixDlg::reloadPreferences() {
    prefs_ = readPreferences(services_.dataFolder.preferencesFile(), languageCode_);
}

void CTarvixDlg::publishLook() {
    const TextColour colour = prefs_.textColour();
    const std::filesystem::path folder = skinFolder();
    skinState().setSkin(QString::fromStdString(folder.parent_path().string()),
                        QString::fromStdString(folder.filename().string()));
    skinState().setTextColour(QColor(colour.red, colour.green, colour.blue));
    skinState().setLanguage(languageCode_);
}

void CTarvixDlg::chooseSkin() {
    CSkinsDialog dialog(services_.dataFolder.skinsRoots(), services_.messages, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::filesystem::path folder = dialog.chosenSkinFolder.toStdString();
    prefs_.skinPath = dialog.skinName.toStdString();
    prefs_.redText = std::to_string(dialog.red);
    prefs_.greenText = std::to_string(dialog.green);
    prefs_.blueText = std::to_string(dialog.blue);
    // A new skin folder drops the old skin's images; every window drawn from
    // now on uses the new skin and colour.
    skinState().setSkin(QString::fromStdString(folder.parent_path().string()),
                        QString::fromStdString(folder.filename().string()));
    skinState().setTextColour(QColor(dialog.red, dialog.green, dialog.blue));
    std::string error;
    if (!writeSkinPreferences(services_.dataFolder.preferencesFile(), prefs_.textColour(),
                              prefs_.skinPath, &error)) {
        std::cerr << "pelmora: the skin was not saved: " << error << '\n';
    }
    loadSkinSize();
    createFonts();
    redrawCurrentPage();
    show();
    raise();
    activateWindow();
}

void CTarvixDlg::saveLabels() {
    std::string error;
    if (!writeLabels(services_.dataFolder.preferencesFile(), languageCode_, prefs_.labels,
                     &error)) {
        std::cerr << "pelmora: the button labels were not saved: " << error << '\n';
    }
}

void CTarvixDlg::onFrameAction(FrameControl control) {
    // While the settings are being sent, what would send, restore or restyle
    // them waits; the status beside the buttons says why.
    if (applyRunning() && (control == FrameControl::Ok || control == FrameControl::Apply ||
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
        if (skinsHandler_) {
            skinsHandler_();
        } else {
            chooseSkin();
        }
        break;
    case FrameControl::Minimise:
        hideWindow();
        break;
    case FrameControl::Close:
        onExit();
        break;
    case FrameControl::BasicTab:
        drawBasicPage();
        break;
    case FrameControl::AdvancedTab:
        drawAdvancedPage();
        break;
    case FrameControl::Cancel:
        backup_.undo(settings_);
        cancelPending_ = true;
        hideWindow();
        break;
    case FrameControl::WebLink:
        openWebLink();
        break;
    }
}

void CTarvixDlg::applySettings(bool hideAfter) {
    if (!services_.device.present() || applyRunning()) {
        return;
    }
    if (!settingsLoaded_) {
        // The block was never filled from config.bin: sending it would turn
        // every button into Left Click and every DPI stage off, and saving it
        // would put those zeros over the user's file.
        services_.messages.showMessage(shellMessage(ShellMessage::SettingsNotLoaded, language_),
                                       kAppName);
        return;
    }
    // The worker gets copies: the settings record and the labels stay the
    // GUI's, and nothing changes them while the transfer runs.
    ShellDevice& device = services_.device;
    const SettingsBlock sent = settings_;
    const auto preferencesFile = services_.dataFolder.preferencesFile();
    const std::string languageCode = languageCode_;
    const auto labels = prefs_.labels;
    applyWorker_.start([this, &device, sent, preferencesFile, languageCode, labels, hideAfter] {
        const ApplyResult result = device.apply(sent, [&] {
            std::string error;
            if (!writeLabels(preferencesFile, languageCode, labels, &error)) {
                std::cerr << "pelmora: the button labels were not saved: " << error << '\n';
            }
        });
        return [this, sent, hideAfter, result] { finishApply(sent, hideAfter, result); };
    });
    showApplyStatus(true);
}

void CTarvixDlg::finishApply(const SettingsBlock& sent, bool hideAfter, const ApplyResult& result) {
    showApplyStatus(false);
    if (result.mouseStoppedAnswering()) {
        services_.messages.showMessage(
            writesLostText(result.failedWrites, result.writes, language_), kAppName);
    }
    backup_.snapshot(sent);
    pointerPart_.applyToDesktop();
    if (afterApplyHook_) {
        afterApplyHook_();
    }
    if (hideAfter) {
        hideWindow();
    }
    if (hotplugAfterApply_) {
        hotplugAfterApply_ = false;
        if (hotplugNotifier_) {
            hotplugNotifier_->setEnabled(true);
        }
        onHotplugReadable();
    }
    if (exitAfterApply_) {
        onExit();
    }
}

void CTarvixDlg::showApplyStatus(bool sending) {
    if (!sending) {
        unsetCursor();
        if (applyStatus_) {
            applyStatus_->hide();
        }
        return;
    }
    setCursor(Qt::BusyCursor);
    if (!applyStatus_) {
        applyStatus_ = new QLabel(this);
        applyStatus_->setAttribute(Qt::WA_TransparentForMouseEvents);
        applyStatus_->setGeometry(layout::kApplyStatusRect.left, layout::kApplyStatusRect.top,
                                  layout::kApplyStatusRect.width(),
                                  layout::kApplyStatusRect.height());
    }
    const TextColour colour = prefs_.textColour();
    QPalette palette = applyStatus_->palette();
    palette.setColor(QPalette::WindowText, QColor(colour.red, colour.green, colour.blue));
    applyStatus_->setPalette(palette);
    applyStatus_->setFont(frame_.textFont());
    applyStatus_->setText(
        QString::fromUtf8(sendingSettingsText(language_).data(),
                          static_cast<qsizetype>(sendingSettingsText(language_).size())));
    applyStatus_->show();
    applyStatus_->raise();
}

void CTarvixDlg::hideWindow() {
    frame_.hover().restoreAll();
    // Without a notification area a hidden window could not be found again:
    // it is iconified instead (OK, Cancel, minimise, Enter, Escape, removal).
    if (services_.tray.isTrayAvailable()) {
        hide();
    } else {
        showMinimized();
    }
}

void CTarvixDlg::useTaskBar() {
    // A tool window has no task-bar entry; without a notification area the
    // task bar is the only way back to an iconified window.
    setWindowFlag(Qt::Tool, false);
}

void CTarvixDlg::openWebLink() {
    const QUrl url = QUrl::fromUserInput(uiText(TextId::WebAddress, language_));
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

void CTarvixDlg::onTrayOpen() {
    if (!services_.device.present()) {
        onDeviceEvent(kNotDetectedEvent, 0);
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
        reloadPreferences();
        redrawCurrentPage();
    } else if (services_.device.present() && !services_.device.initialReadDone()) {
        // The basic page, drawn again if it was drawn without the mouse,
        // makes the first read.
        if (pageState() == BasicPage) {
            redrawCurrentPage();
        } else {
            drawBasicPage();
        }
    }
}

void CTarvixDlg::onExit() {
    // The program ends when a running transfer has ended (and was saved).
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
    applyWorker_.abandon(); // the transfer ends before its handles close
    qApp->removeEventFilter(this);
    services_.device.stopListener();
    hotplugNotifier_.reset();
    services_.device.close();
    services_.tray.remove();
    hide();
}

void CTarvixDlg::onDeviceEvent(int type, int value) {
    showBalloon(type, value);
}

void CTarvixDlg::showBalloon(int type, int value) {
    auto balloon =
        trayBalloonFor(type, value, settings_, services_.device.activeSensorType(), language_);
    if (balloon && type == kNotDetectedEvent) {
        // Why a mouse that is plugged in cannot be used, when that is known.
        const std::string reason = mouseProblemText(services_.device.problem(), language_);
        if (!reason.empty()) {
            balloon->text += '\n' + QString::fromUtf8(reason.data(), qsizetype(reason.size()));
        }
    }
    if (balloon) {
        services_.tray.showBalloon(balloon->title, balloon->text, balloon->icon,
                                   balloon->milliseconds);
    }
}

void CTarvixDlg::onHotplugReadable() {
    if (tornDown_) {
        return;
    }
    // Discovery would swap the handles under the transfer: the change is
    // handled when the transfer has ended (an unplug ends it quickly).
    if (applyRunning()) {
        hotplugAfterApply_ = true;
        if (hotplugNotifier_) {
            hotplugNotifier_->setEnabled(false);
        }
        return;
    }
    for (const ShellDevice::HotplugReaction& reaction : services_.device.handleHotplug()) {
        if (reaction.warn) {
            onDeviceEvent(kNotDetectedEvent, 0);
        }
        if (reaction.hideWindow) {
            hideWindow();
        }
    }
    // The mouse came while the window is open (shown without it): the page
    // on show makes the first read now.
    if (isVisible() && !isMinimized() && services_.device.present() &&
        !services_.device.initialReadDone()) {
        refreshForOpening();
    }
}

void CTarvixDlg::firstRead() {
    // A page drawn while the mouse is away (a window shown without a
    // notification area) reads nothing: the read waits for the mouse, and
    // until then an arrival also starts the listener.
    if (services_.device.initialReadDone() || !services_.device.present() || applyRunning()) {
        return;
    }
    services_.device.readBasicSettings();
    if (firstRunFlag_ == 0) {
        prefs_.labels = firstRunLabels(language_);
        saveLabels();
    }
    services_.device.setInitialReadDone();
}

void CTarvixDlg::drawBasicPage() {
    frame_.drawBasicPage();
}

void CTarvixDlg::drawAdvancedPage() {
    frame_.drawAdvancedPage();
}

void CTarvixDlg::redrawCurrentPage() {
    frame_.redrawCurrentPage();
}

void CTarvixDlg::onTrayAvailability(bool available) {
    // A tray that goes away must not leave the program hidden for good.
    if (!available && isHidden() && initialised_ && !tornDown_) {
        useTaskBar();
        showMinimized();
    }
}

void CTarvixDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    frame_.canvas().paint(painter, event->rect());
}

void CTarvixDlg::showEvent(QShowEvent* event) {
    // A window shown without the mouse still shows its page; drawing it
    // reads nothing until the mouse is there.
    if (initialised_ && !tornDown_ && pageState() == NoPage) {
        drawBasicPage();
    }
    if (!event->spontaneous()) {
        placeForShowing();
    }
    QWidget::showEvent(event);
}

void CTarvixDlg::placeForShowing() {
    // Centred on the screen the first time; afterwards where it was when it
    // was hidden. An explicit position also tells the window manager not to
    // place the window anew at every showing.
    if (!lastPosition_) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
        lastPosition_ = QPoint(area.x() + std::max(0, (area.width() - width()) / 2),
                               area.y() + std::max(0, (area.height() - height()) / 2));
    }
    move(*lastPosition_);
}

void CTarvixDlg::hideEvent(QHideEvent* event) {
    // Nothing stays lit for the next showing.
    frame_.hover().restoreAll();
    if (!event->spontaneous()) {
        lastPosition_ = pos();
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
    // Nothing took the press: it moves the window.
    if (QWindow* window = windowHandle()) {
        window->startSystemMove();
    }
}

void CTarvixDlg::mouseMoveEvent(QMouseEvent* event) {
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
    if (applyRunning()) {
        const auto type = event->type();
        auto* widget = qobject_cast<QWidget*>(watched);
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
             type == QEvent::KeyPress) &&
            widget != nullptr && widget != this && isAncestorOf(widget)) {
            return true;
        }
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
