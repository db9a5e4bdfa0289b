#pragma once
// The launch key dialog: an application-launch or browser function.
// choicePosition selects the consumer-control usage (launchUsageLow/High).

#include "ui/keys/choice_key_dialog.h"

namespace pelmora {

class CWindowsDialog : public CChoiceKeyDialog {
    Q_OBJECT
public:
    explicit CWindowsDialog(QWidget* parent = nullptr,
                            MessageSink& messages = dialogMessageBoxes());
};

} // namespace pelmora
