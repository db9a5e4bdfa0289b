#include "ui/skin/message_box_sink.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QThread>

namespace pelmora {

void MessageBoxSink::showMessage(std::string_view text, std::string_view caption) {
    const QString title = QString::fromUtf8(caption);
    const QString body = QString::fromUtf8(text);
    // A message from a worker (the transfer of OK and Apply) is shown by the
    // GUI thread; the worker does not wait for it.
    QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && QThread::currentThread() != app->thread()) {
        QPointer<QWidget> parent = parent_;
        QMetaObject::invokeMethod(
            app, [parent, title, body] { QMessageBox::warning(parent, title, body); },
            Qt::QueuedConnection);
        return;
    }
    QMessageBox::warning(parent_, title, body);
}

} // namespace pelmora
