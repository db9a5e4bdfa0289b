#pragma once
// The change notification KDE applications listen to: the signal
// org.kde.KGlobalSettings.notifyChange(SettingsChanged, SETTINGS_MOUSE) on
// the object /KGlobalSettings of the session bus. Applications then read the
// double-click interval and the wheel scroll lines from kdeglobals again.

#include <string>

namespace pelmora {

inline constexpr int kKdeSettingsChanged = 3; // change type
inline constexpr int kKdeMouseSettings = 0;   // settings category

// Sends the signal to the bus at `address`; false with `error` otherwise.
bool notifyKdeMouseSettingsChanged(const std::string& address, std::string& error);

} // namespace pelmora
