#pragma once
// The digits-only edit fields of the key dialogs.

#include "ui/skin/rect.h"

class QLineEdit;

namespace pelmora {

class CSkinnedDialog;

// A centred field that takes digits only, in the dialog's colours and font,
// with or without a border.
QLineEdit& addNumberField(CSkinnedDialog& dialog, const Rect& r, bool bordered);

} // namespace pelmora
