#include "ui/skin/message_box_sink.h"

#include <QMessageBox>
#include <QString>

namespace pelmora {

void MessageBoxSink::showMessage(std::string_view text, std::string_view caption) {
    QMessageBox::warning(parent_,
                         QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace pelmora
