#pragma once
// GNOME (and the desktops that share its settings: Budgie, Pantheon, Unity):
// the mouse keys of the GSettings schema org.gnome.desktop.peripherals.mouse,
// through GIO. The session's settings daemon applies a change at once, and
// GNOME's own Settings window shows it.
//
//   pointer speed        speed          double, -1..1
//   pointer precision    accel-profile  'adaptive' (on), 'flat' (off); 'default' reads as on
//   double-click time    double-click   int, ms
//
// GNOME has no wheel-lines and no one-screen setting.

#include "desktop/pointer_settings.h"

#include <filesystem>
#include <memory>

namespace pelmora {

class GnomePointerSettings final : public PointerSettings {
public:
    // The session's own settings (dconf on a GNOME desktop). Nothing when the
    // schema is not installed or GIO keeps settings only in memory.
    static std::unique_ptr<GnomePointerSettings> openSession(std::string& why);
    // GIO's key-file store in the given file, as GSETTINGS_BACKEND=keyfile
    // uses $XDG_CONFIG_HOME/glib-2.0/settings/keyfile.
    static std::unique_ptr<GnomePointerSettings> openKeyfile(const std::filesystem::path& keyfile,
                                                             std::string& why);
    ~GnomePointerSettings() override;

    std::string_view name() const override { return "GNOME"; }
    bool has(PointerSetting setting) const override;
    bool writable(PointerSetting setting) const override;
    PointerValues read(PointerReport& report) override;
    void write(const PointerValues& values, PointerReport& report) override;

    struct Handle;
    // Use the two openers above.
    explicit GnomePointerSettings(std::unique_ptr<Handle> handle);

private:
    std::unique_ptr<Handle> handle_;
};

// True when GIO can find the mouse schema.
bool gnomeMouseSchemaInstalled();

} // namespace pelmora
