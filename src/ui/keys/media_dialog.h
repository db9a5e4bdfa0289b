#pragma once
// The multimedia key dialog: a media transport or volume function.
// choicePosition selects the consumer-control usage (mediaUsage).

#include "ui/keys/choice_key_dialog.h"

namespace pelmora {

class CMediaDialog : public CChoiceKeyDialog {
    Q_OBJECT
public:
    explicit CMediaDialog(QWidget* parent = nullptr, MessageSink& messages = dialogMessageBoxes());
};

} // namespace pelmora
