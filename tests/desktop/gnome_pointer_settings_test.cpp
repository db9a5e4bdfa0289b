// GNOME's pointer settings against the real schema in GIO's key-file store,
// checked with the gsettings tool the way another program sees them. Never
// the tester's own desktop settings.
#include "settings/factory_settings.h"
#include "desktop/gnome_pointer_settings.h"
#include "desktop/pointer_actions.h"
#include "support/scratch_folder.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace pelmora {
namespace {

class GnomePointerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gnomeMouseSchemaInstalled() || std::system("command -v gsettings >/dev/null") != 0) {
            GTEST_SKIP() << "the GNOME mouse schema or gsettings is missing (scripts/bootstrap)";
        }
        std::string why;
        desktop = GnomePointerSettings::openKeyfile(
            config.path() / "glib-2.0" / "settings" / "keyfile", why);
        ASSERT_TRUE(desktop) << why;
    }
    // gsettings with the same key-file store.
    std::string gsettings(const std::string& args) {
        const std::string command = "env GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME='" +
                                    config.path().string() + "' gsettings " + args + " 2>&1";
        std::string out;
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
        std::array<char, 256> buffer{};
        while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get()) != nullptr) {
            out += buffer.data();
        }
        while (!out.empty() && out.back() == '\n') {
            out.pop_back();
        }
        return out;
    }
    std::string get(const std::string& key) {
        return gsettings("get org.gnome.desktop.peripherals.mouse " + key);
    }

    test::ScratchFolder config;
    std::unique_ptr<GnomePointerSettings> desktop;
    RecordingMessageSink sink;
};

TEST_F(GnomePointerTest, HasSpeedPrecisionAndDoubleClickButNoWheelSettings) {
    EXPECT_TRUE(desktop->has(PointerSetting::Speed));
    EXPECT_TRUE(desktop->has(PointerSetting::Precision));
    EXPECT_TRUE(desktop->has(PointerSetting::DoubleClick));
    EXPECT_FALSE(desktop->has(PointerSetting::WheelLines));
    EXPECT_FALSE(desktop->has(PointerSetting::ScrollByScreen));
}

TEST_F(GnomePointerTest, ApplyWritesWhatGsettingsThenShows) {
    SettingsBlock s = factorySettings();
    s.pointerSpeedLevel = 8;
    s.pointerPrecision = 1;
    s.doubleClickLevel = 11;
    applyDesktopPointerSettings(*desktop, s, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_DOUBLE_EQ(std::stod(get("speed")), 0.4);
    EXPECT_EQ(get("accel-profile"), "'adaptive'");
    EXPECT_EQ(get("double-click"), "200");

    s.pointerSpeedLevel = 1;
    s.pointerPrecision = 0;
    applyDesktopPointerSettings(*desktop, s, sink);
    EXPECT_DOUBLE_EQ(std::stod(get("speed")), -1.0);
    EXPECT_EQ(get("accel-profile"), "'flat'");
}

TEST_F(GnomePointerTest, DefaultWritesGnomesDefaultSpeedFlatAnd500Milliseconds) {
    SettingsBlock s = factorySettings();
    writeDesktopPointerDefaults(*desktop, s, sink);
    EXPECT_DOUBLE_EQ(std::stod(get("speed")), 0.0);
    EXPECT_EQ(get("accel-profile"), "'flat'");
    EXPECT_EQ(get("double-click"), "500");
}

TEST_F(GnomePointerTest, AReadTurnsWhatGsettingsSetIntoLevels) {
    SettingsBlock s{};
    // Untouched store: GNOME's defaults (speed 0, 'default' profile, 400 ms).
    readDesktopPointerSettings(*desktop, s, sink);
    EXPECT_EQ(s.pointerSpeedLevel, 6);
    EXPECT_EQ(s.pointerPrecision, 1); // 'default' is adaptive for mice
    EXPECT_EQ(s.doubleClickLevel, 8);

    ASSERT_EQ(gsettings("set org.gnome.desktop.peripherals.mouse speed 0.55"), "");
    ASSERT_EQ(gsettings("set org.gnome.desktop.peripherals.mouse accel-profile flat"), "");
    ASSERT_EQ(gsettings("set org.gnome.desktop.peripherals.mouse double-click 100"), "");
    std::string why;
    auto again =
        GnomePointerSettings::openKeyfile(config.path() / "glib-2.0" / "settings" / "keyfile", why);
    readDesktopPointerSettings(*again, s, sink);
    EXPECT_EQ(s.pointerSpeedLevel, 9);
    EXPECT_EQ(s.pointerPrecision, 0);
    EXPECT_EQ(s.doubleClickLevel, 11 + 1); // beyond the row: drawn clamped, left alone
    EXPECT_TRUE(sink.messages.empty());

    // Apply without touching the ticks leaves that double-click time alone.
    applyDesktopPointerSettings(*again, s, sink);
    EXPECT_EQ(get("double-click"), "100");
}

} // namespace
} // namespace pelmora
