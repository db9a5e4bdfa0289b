#include "device/device_change.h"

namespace pelmora {

DeviceChangeDecision decideDeviceChange(DeviceChange change, bool found, bool initialReadDone,
                                        bool listenerExists) {
    DeviceChangeDecision decision;
    if (!found) {
        decision.warn = true;
        decision.hideWindow = true;
        return decision;
    }
    decision.present = true;
    if (change == DeviceChange::Arrival) {
        decision.readBasicSettings = true;
        decision.resumeListener = !initialReadDone && listenerExists;
    }
    return decision;
}

} // namespace pelmora
