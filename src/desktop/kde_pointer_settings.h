#pragma once
// KDE Plasma: the [KDE] group of kdeglobals in $XDG_CONFIG_HOME, written as a
// whole new file, then the change notification KDE applications listen to.
//
//   wheel scroll lines   WheelScrollLines     lines per notch (KDE's default 3)
//   double-click time    DoubleClickInterval  ms (KDE's default 400)
//
// Plasma keeps pointer speed and acceleration per input device and applies
// them through its input settings module, not through a file other
// programs may edit: this program does not set them on Plasma. Plasma has
// no one-screen wheel setting.

#include "desktop/pointer_settings.h"

#include <filesystem>
#include <string>

namespace pelmora {

inline constexpr int kKdeDefaultWheelLines = 3;
inline constexpr int kKdeDefaultDoubleClickMs = 400;

class KdePointerSettings final : public PointerSettings {
public:
    // `configHome`: the folder of kdeglobals. `busAddress`: where the change
    // notification goes; empty: nowhere.
    KdePointerSettings(std::filesystem::path configHome, std::string busAddress);

    std::string_view name() const override { return "KDE Plasma"; }
    bool has(PointerSetting setting) const override;
    bool writable(PointerSetting setting) const override;
    PointerValues read(PointerReport& report) override;
    void write(const PointerValues& values, PointerReport& report) override;

    std::filesystem::path file() const { return configHome_ / "kdeglobals"; }

private:
    std::filesystem::path configHome_;
    std::string busAddress_;
};

} // namespace pelmora
