#include "app/ctarvix_dlg.h"

#include "app/device_balloon.h"
#include "settings/settings_file.h"
#include "ui/skin/skin_fonts.h"
#include "ui/skin/skin_state.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QUrl>
#include <QWindow>

#include <iostream>

namespace pelmora {

namespace {
constexpr std::string_view kCreateEventFailed = "CreateEvent failed.";
constexpr std::string_view kRegisterNotificationFailed = "RegisterDeviceNotification failed!!!";
constexpr const char* kBackgroundImage = "BasicSet2.png";
} // namespace

QIcon pelmoraIcon() {
    // A small drawn mouse: body, wheel and the split between the buttons.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(30, 30, 34));
    p.setPen(QPen(QColor(0, 220, 90), 2));
    p.drawRoundedRect(QRectF(7, 2, 18, 28), 9, 9);
    p.drawLine(QPointF(16, 3), QPointF(16, 13));
    p.setBrush(QColor(0, 220, 90));
    p.drawRoundedRect(QRectF(14.5, 6, 3, 6), 1.5, 1.5);
    p.end();
    return QIcon(pixmap);
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

namespace {
// The page frame names the frame's areas in the same test order.
constexpr std::array<FrameAction, 9> kFrameActionOf = {
    FrameAction::Ok,          FrameAction::Apply,  FrameAction::Skins,
    FrameAction::Minimise,    FrameAction::Close,  FrameAction::BasicTab,
    FrameAction::AdvancedTab, FrameAction::Cancel, FrameAction::WebLink};
} // namespace

void CTarvixDlg::connectPageFrame() {
    PageFrame::Hooks& hooks = frame_.hooks();
    hooks.frameAction = [this](FrameControl control) {
        onFrameAction(kFrameActionOf[static_cast<std::size_t>(control)]);
    };
    hooks.firstBasicDrawing = [this] { firstRead(); };
    const auto pagePress = [this](const QPoint& p) {
        return pagePressHandler_ && pagePressHandler_(p);
    };
    hooks.basicPress = pagePress;
    hooks.advancedPress = pagePress;
    hooks.hide = [this] { hideWindow(); };
    hooks.keyLabel = [this](int n) {
        const std::size_t index =
            (settings_.keyMode == 1 ? 8u : 0u) + static_cast<std::size_t>(n - 1);
        return QString::fromStdString(prefs_.labels[index]);
    };
}

CTarvixDlg::~CTarvixDlg() {
    teardown();
}

std::filesystem::path CTarvixDlg::skinFolder() const {
    return services_.dataFolder.skinFolder(prefs_.skinName);
}

CTarvixDlg::InitResult CTarvixDlg::initialise() {
    // 1. Only one copy runs; a second one ends quietly before anything else.
    const auto lock = instanceLock_.acquire(services_.lockFolder);
    if (lock == SingleInstanceLock::Result::AlreadyRunning) {
        return InitResult::AlreadyRunning;
    }
    if (lock == SingleInstanceLock::Result::Failed) {
        std::cerr << "pelmora: " << instanceLock_.error() << " (running without the lock)\n";
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
    services_.device.setPresent(found);
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
    loadSettingsFile(services_.dataFolder.settingsFile(), settings_, firstRunFlag_,
                     services_.messages);
    backup_.snapshot(settings_);

    // 11. Language, texts, preferences.
    const auto preferencesFile = services_.dataFolder.preferencesFile();
    prefs_.languageCode = readLanguageCode(preferencesFile);
    texts_ = loadShellTexts(prefs_.languageCode);
    services_.tray.setExitText(texts_.exit);
    readShellPreferences(preferencesFile, prefs_);

    // 12.-13. Skin and window size.
    loadSkinSize();

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
    if (show || !services_.tray.isTrayAvailable()) {
        this->show();
        raise();
        activateWindow();
    }
}

void CTarvixDlg::loadSkinSize() {
    const auto file = skinFolder() / kBackgroundImage;
    const QSize size = QImageReader(QString::fromStdString(file.string())).size();
    setFixedSize(size.isValid() && !size.isEmpty() ? size : kDefaultClientSize);
}

void CTarvixDlg::createFonts() {
    // The look is process-wide: the skin, the text colour and the language
    // every window draws with.
    SkinState& look = skinState();
    look.setSkin(QString::fromStdString(services_.dataFolder.skinsFolder().string()),
                 QString::fromStdString(prefs_.skinName));
    look.setTextColour(QColor(prefs_.textColour[0], prefs_.textColour[1], prefs_.textColour[2]));
    look.setLanguage(prefs_.languageCode);
    textFont_ = pelmora::textFont(prefs_.languageCode);
    titleFont_ = pelmora::titleFont(prefs_.languageCode);
    setFont(textFont_);
    frame_.initialise();
}

void CTarvixDlg::onFrameAction(FrameAction action) {
    switch (action) {
    case FrameAction::Ok:
        applySettings(true);
        break;
    case FrameAction::Apply:
        applySettings(false);
        break;
    case FrameAction::Skins:
        if (skinsHandler_) {
            skinsHandler_();
        }
        break;
    case FrameAction::Minimise:
        minimise();
        break;
    case FrameAction::Close:
        onExit();
        break;
    case FrameAction::BasicTab:
        drawBasicPage();
        break;
    case FrameAction::AdvancedTab:
        drawAdvancedPage();
        break;
    case FrameAction::Cancel:
        backup_.undo(settings_);
        cancelPending_ = true;
        hideWindow();
        break;
    case FrameAction::WebLink:
        openWebLink();
        break;
    }
}

void CTarvixDlg::applySettings(bool hideAfter) {
    if (!services_.device.present()) {
        return;
    }
    services_.device.apply(
        settings_, [this] { writeShellLabels(services_.dataFolder.preferencesFile(), prefs_); });
    backup_.snapshot(settings_);
    if (afterApplyHook_) {
        afterApplyHook_();
    }
    if (hideAfter) {
        hideWindow();
    }
}

void CTarvixDlg::hideWindow() {
    hide();
}

void CTarvixDlg::minimise() {
    // Without a notification area a hidden window could not be found again.
    if (services_.tray.isTrayAvailable()) {
        hide();
    } else {
        showMinimized();
    }
}

void CTarvixDlg::openWebLink() {
    const QUrl url = QUrl::fromUserInput(texts_.webAddress);
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

void CTarvixDlg::onTrayOpen() {
    if (!services_.device.present()) {
        onDeviceEvent(kNotDetectedEvent, 0);
        return;
    }
    if (cancelPending_) {
        cancelPending_ = false;
        if (pageState() == BasicPage) {
            readShellPreferences(services_.dataFolder.preferencesFile(), prefs_);
        }
        redrawCurrentPage();
    } else if (!initialReadDone_) {
        drawBasicPage();
    }
    show();
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
}

void CTarvixDlg::onExit() {
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
    const auto balloon = balloonForEvent(type, value, texts_, [this](int stage) {
        const auto s = static_cast<std::size_t>(stage);
        return services_.device.dpiValueText(settings_.dpiLevel[s]);
    });
    if (balloon) {
        services_.tray.showBalloon(balloon->title, balloon->text, balloon->icon,
                                   balloon->milliseconds);
    }
}

void CTarvixDlg::onHotplugReadable() {
    const ShellDevice::Change change = services_.device.readHotplugChange();
    if (change != ShellDevice::Change::None) {
        onDeviceChange(change);
    }
}

void CTarvixDlg::onDeviceChange(ShellDevice::Change change) {
    if (change == ShellDevice::Change::None || tornDown_) {
        return;
    }
    const bool found = services_.device.discover();
    if (!found) {
        onDeviceEvent(kNotDetectedEvent, 0);
        hideWindow();
        services_.device.setPresent(false);
        return;
    }
    services_.device.setPresent(true);
    if (change == ShellDevice::Change::Arrival) {
        services_.device.readBasicSettings();
        if (!initialReadDone_ && services_.device.listenerExists()) {
            services_.device.resumeListener();
        }
    }
}

void CTarvixDlg::firstRead() {
    if (initialReadDone_) {
        return;
    }
    services_.device.readBasicSettings();
    if (firstRunFlag_ == 0) {
        setDefaultLabels(prefs_);
        writeShellLabels(services_.dataFolder.preferencesFile(), prefs_);
    }
    initialReadDone_ = true;
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
        showMinimized();
    }
}

void CTarvixDlg::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    frame_.canvas().paint(painter, event->rect());
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

bool CTarvixDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                hideWindow();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelmora
