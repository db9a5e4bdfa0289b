#include "ui/pages/page_dialogs.h"

#include "ui/keys/delay_time_dialog.h"

namespace pelmora {

DelayEditor skinnedDelayEditor() {
    return [](QWidget& parent) -> std::optional<DelayResult> {
        CDelayTimeDialog dialog(&parent);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return DelayResult{dialog.delayValue, dialog.delayText};
    };
}

} // namespace pelmora
