#include "app/status_notifier_item.h"

#include "app/session_bus.h"
#include "base/log.h"
#include "settings/app_identity.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QImage>

namespace pelmora {

namespace {
const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");
constexpr int kIconSides[] = {16, 22, 24, 32, 48, 64};

void registerTypes() {
    static const bool done = [] {
        qDBusRegisterMetaType<SniPixmap>();
        qDBusRegisterMetaType<SniPixmaps>();
        qDBusRegisterMetaType<SniToolTip>();
        return true;
    }();
    (void)done;
}
} // namespace

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& pixmap) {
    arg.beginStructure();
    arg << pixmap.width << pixmap.height << pixmap.argb;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& pixmap) {
    arg.beginStructure();
    arg >> pixmap.width >> pixmap.height >> pixmap.argb;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& tip) {
    arg.beginStructure();
    arg << tip.iconName << tip.pixmaps << tip.title << tip.text;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& tip) {
    arg.beginStructure();
    arg >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    arg.endStructure();
    return arg;
}

SniPixmaps sniPixmaps(const QIcon& icon) {
    SniPixmaps pixmaps;
    for (const int side : kIconSides) {
        const QImage image =
            icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull()) {
            continue;
        }
        SniPixmap pixmap{image.width(), image.height(), {}};
        pixmap.argb.reserve(image.width() * image.height() * 4);
        for (int y = 0; y < image.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = line[x];
                for (const int byte : {qAlpha(p), qRed(p), qGreen(p), qBlue(p)}) {
                    pixmap.argb.append(static_cast<char>(byte));
                }
            }
        }
        pixmaps.append(pixmap);
    }
    return pixmaps;
}

StatusNotifierItem::StatusNotifierItem(QDBusConnection bus, const QIcon& icon,
                                       const QString& toolTip, std::function<void()> activate,
                                       QObject* parent)
    : QObject(parent), bus_(std::move(bus)),
      serviceName_(QStringLiteral("org.kde.StatusNotifierItem-%1-1")
                       .arg(QCoreApplication::applicationPid())),
      pixmaps_(sniPixmaps(icon)), toolTip_(toolTip), activate_(std::move(activate)) {
    registerTypes();
    new StatusNotifierItemAdaptor(*this); // owned by this object
    menu_ = new DBusMenu(this);
    new DBusMenuAdaptor(*menu_);
}

StatusNotifierItem::~StatusNotifierItem() {
    if (published_) {
        bus_.unregisterService(serviceName_);
        bus_.unregisterObject(kMenuPath);
        bus_.unregisterObject(kItemPath);
    }
}

QString StatusNotifierItem::id() const {
    // Hosts match the item to the program's menu entry by it.
    return QString::fromLatin1(identity::kDesktopEntry);
}

void StatusNotifierItem::activate() const {
    if (activate_) {
        activate_();
    }
}

void StatusNotifierItem::setMenu(const std::vector<DBusMenu::Entry>& entries) {
    menu_->setEntries(entries);
}

bool StatusNotifierItem::publish() {
    if (published_) {
        return true;
    }
    if (!bus_.registerObject(kItemPath, this, QDBusConnection::ExportAdaptors) ||
        !bus_.registerObject(kMenuPath, menu_, QDBusConnection::ExportAdaptors)) {
        bus_.unregisterObject(kItemPath);
        return false;
    }
    if (!bus_.registerService(serviceName_)) {
        bus_.unregisterObject(kMenuPath);
        bus_.unregisterObject(kItemPath);
        return false;
    }
    published_ = true;
    return true;
}

void StatusNotifierItem::registerWithWatcher(std::function<void(bool)> done) {
    if (!publish()) {
        logLine(LogCategory::Bus, LogLevel::Warning,
                "cannot offer the tray icon on the session bus");
        done(false);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        session_bus::kStatusNotifierWatcher, session_bus::kStatusNotifierWatcherPath,
        session_bus::kStatusNotifierWatcher, QStringLiteral("RegisterStatusNotifierItem"));
    call << serviceName_;
    // Asynchronous: a slow tray host never stalls the window.
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        const bool ok = !watcher->isError();
        if (!ok) {
            logLine(LogCategory::Bus, LogLevel::Warning,
                    "the tray did not take the icon: " + watcher->error().message().toStdString());
        }
        done(ok);
    });
}

StatusNotifierItemAdaptor::StatusNotifierItemAdaptor(StatusNotifierItem& item)
    : QDBusAbstractAdaptor(&item), item_(item) {}

QDBusObjectPath StatusNotifierItemAdaptor::menu() const {
    return QDBusObjectPath(kMenuPath);
}

void StatusNotifierItemAdaptor::Activate(int /*x*/, int /*y*/) {
    item_.activate();
}

void StatusNotifierItemAdaptor::SecondaryActivate(int /*x*/, int /*y*/) {
    item_.activate();
}

void StatusNotifierItemAdaptor::ContextMenu(int /*x*/, int /*y*/) {
    // The host shows the menu from the Menu object.
}

void StatusNotifierItemAdaptor::Scroll(int /*delta*/, const QString& /*orientation*/) {}

} // namespace pelmora
