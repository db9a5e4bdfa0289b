#include "ui/keys/number_field.h"

#include "ui/skin/qt_rect.h"
#include "ui/skin/skinned_dialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace pelmora {

QLineEdit& addNumberField(CSkinnedDialog& dialog, const Rect& r, bool bordered) {
    // Owned by the dialog, like every child control.
    auto* field = new QLineEdit(&dialog);
    field->setGeometry(toQRect(r));
    field->setAlignment(Qt::AlignCenter);
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
    dialog.styleChild(*field);
    field->setStyleSheet(field->styleSheet() +
                         (bordered ? QStringLiteral(" border: 1px solid #9f9f9f; padding: 0px;")
                                   : QStringLiteral(" border: none; padding: 0px;")));
    field->show();
    return *field;
}

} // namespace pelmora
