#pragma once
// The desktop's own pointer settings (pointer speed and acceleration, wheel
// scrolling, double-click time) as one narrow interface: read what the
// desktop has, write new values, and say which settings this desktop has at
// all. The advanced page and OK/Apply talk only to this interface; each
// desktop (GNOME, KDE Plasma, none) is one implementation.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

enum class PointerSetting : std::uint8_t {
    Precision,
    Speed,
    WheelLines,
    ScrollByScreen,
    DoubleClick
};

inline constexpr std::array<PointerSetting, 5> kPointerSettings = {
    PointerSetting::Precision, PointerSetting::Speed, PointerSetting::WheelLines,
    PointerSetting::ScrollByScreen, PointerSetting::DoubleClick};

// Desktop values; an empty one is not read, or not to be written.
struct PointerValues {
    std::optional<bool> precision;      // pointer acceleration that adapts to the motion
    std::optional<double> speed;        // -1 (slowest) .. 1 (fastest); 0 is the default
    std::optional<int> wheelLines;      // lines per wheel notch
    std::optional<bool> scrollByScreen; // one screen per wheel notch
    std::optional<int> doubleClickMs;   // double-click time in milliseconds

    bool operator==(const PointerValues&) const = default;
};

// What went wrong: failures are settings the desktop refused or could not
// give; notes are things worth a line in a log that changed nothing.
struct PointerReport {
    struct Failure {
        PointerSetting setting;
        std::string reason;
    };
    std::vector<Failure> failures;
    std::vector<std::string> notes;

    bool failed(PointerSetting setting) const {
        for (const Failure& f : failures) {
            if (f.setting == setting) {
                return true;
            }
        }
        return false;
    }
};

class PointerSettings {
public:
    PointerSettings() = default;
    PointerSettings(const PointerSettings&) = delete;
    PointerSettings& operator=(const PointerSettings&) = delete;
    virtual ~PointerSettings() = default;

    // The desktop's name for logs ("GNOME", "KDE Plasma", "none").
    virtual std::string_view name() const = 0;
    // True when this desktop has the setting.
    virtual bool has(PointerSetting setting) const = 0;
    // True when a write of the setting can be taken (it is not locked).
    virtual bool writable(PointerSetting setting) const { return has(setting); }
    // The values of the settings this desktop has; one that cannot be read
    // stays empty and is reported.
    virtual PointerValues read(PointerReport& report) = 0;
    // Writes the values that are set, for the settings this desktop has
    // (the others are ignored), and makes the desktop take them at once.
    virtual void write(const PointerValues& values, PointerReport& report) = 0;
};

// A desktop without pointer settings this program can reach.
class NoPointerSettings final : public PointerSettings {
public:
    std::string_view name() const override { return "none"; }
    bool has(PointerSetting) const override { return false; }
    PointerValues read(PointerReport&) override { return {}; }
    void write(const PointerValues&, PointerReport&) override {}
};

} // namespace pelmora
