#include "app/qt_message_sink.h"

#include <QMessageBox>
#include <QString>

namespace pelmora {

void QtMessageSink::showMessage(std::string_view text, std::string_view caption) {
    QMessageBox box(QMessageBox::Warning,
                    QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok);
    box.exec();
}

} // namespace pelmora
