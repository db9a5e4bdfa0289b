// set --apply ends as the window's Apply does: the desktop's pointer
// settings. The real program against GNOME's schema in GIO's key-file store
// of a scratch config folder (never the tester's own desktop), the desktop
// chosen from the environment; then the remarks and failures on fakes.
#include "cli/desktop_pointer.h"
#include "settings/factory_settings.h"
#include "desktop/fake_pointer_settings.h"
#include "desktop/gnome_pointer_settings.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

namespace pelmora::cli {
namespace {

using pelmora::testing::lines;
using pelmora::testing::readTextFile;
using pelmora::testing::ScratchFolder;
using pelmora::testing::writeTextFile;

struct ShellRun {
    int status;
    std::string output; // stdout and stderr
};

// A command line with stdout and stderr together.
ShellRun shell(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return {-1, ""};
    }
    std::array<char, 256> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe) != nullptr) {
        out += buffer.data();
    }
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

class SetApplyDesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(
            writeSettingsFileAtomically(folder / "config.bin", factorySettings(), 1, error));
        ASSERT_TRUE(writeLabels(folder / "str.ini", "", firstRunLabels(Language::English)));
        writeTextFile(folder / "record.ini", "");
    }
    // pelmora-cli in a session of the given desktop; the GNOME store and
    // KDE's kdeglobals live in the scratch config folder.
    ShellRun cli(const std::string& environment, const std::string& args) {
        return shell("env -u PELMORA_POINTER_BACKEND -u XDG_CURRENT_DESKTOP -u PELMORA_DATA_DIR "
                     "GSETTINGS_BACKEND=keyfile DBUS_SESSION_BUS_ADDRESS=disabled: "
                     "XDG_CONFIG_HOME=" +
                     quoted(config.path()) + " " + environment + " " + PELMORA_BIN_DIR +
                     "/pelmora-cli --data-dir " + quoted(folder.path()) + " --sim-state " +
                     quoted(folder / "mouse.json") + " " + args);
    }
    std::string gsettings(const std::string& key) {
        auto r = shell("env GSETTINGS_BACKEND=keyfile XDG_CONFIG_HOME=" + quoted(config.path()) +
                       " gsettings get org.gnome.desktop.peripherals.mouse " + key);
        while (!r.output.empty() && r.output.back() == '\n') {
            r.output.pop_back();
        }
        return r.output;
    }
    bool gnomeMissing() {
        return !gnomeMouseSchemaInstalled() || shell("command -v gsettings").status != 0;
    }

    ScratchFolder folder;
    ScratchFolder config;
};

TEST_F(SetApplyDesktopTest, OnGnomeTheLevelsReachGsettingsAndTheLinesGetTheRemark) {
    if (gnomeMissing()) {
        GTEST_SKIP() << "the GNOME mouse schema or gsettings is missing (scripts/bootstrap)";
    }
    const auto r = cli("XDG_CURRENT_DESKTOP=ubuntu:GNOME",
                       "set --apply pointer-speed=8 pointer-precision=on double-click=11 "
                       "scroll-lines=5");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_DOUBLE_EQ(std::stod(gsettings("speed")), 0.4);
    EXPECT_EQ(gsettings("accel-profile"), "'adaptive'");
    EXPECT_EQ(gsettings("double-click"), "200");
    EXPECT_NE(r.output.find("scroll-lines: This desktop does not take this setting (desktop: "
                            "GNOME)\n"),
              std::string::npos)
        << r.output;
    EXPECT_EQ(r.output.find("pointer-speed:"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("scroll-one-screen:"), std::string::npos) << r.output;
    EXPECT_NE(readTextFile(folder / "mouse.json").find("\"reportInterval\""), std::string::npos);

    // Without --apply the desktop is not touched.
    ASSERT_EQ(cli("XDG_CURRENT_DESKTOP=GNOME", "set pointer-speed=1 pointer-precision=off").status,
              0);
    EXPECT_DOUBLE_EQ(std::stod(gsettings("speed")), 0.4);
    EXPECT_EQ(gsettings("accel-profile"), "'adaptive'");
}

TEST_F(SetApplyDesktopTest, TheOverrideNoneWritesNothingAndRemarksOnEveryRow) {
    if (gnomeMissing()) {
        GTEST_SKIP() << "the GNOME mouse schema or gsettings is missing (scripts/bootstrap)";
    }
    const auto r = cli("XDG_CURRENT_DESKTOP=GNOME PELMORA_POINTER_BACKEND=none",
                       "set --apply pointer-speed=11");
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_FALSE(std::filesystem::exists(config / "glib-2.0")) << r.output;
    EXPECT_DOUBLE_EQ(std::stod(gsettings("speed")), 0.0);
    for (const char* name : {"pointer-speed", "scroll-lines", "double-click"}) {
        EXPECT_NE(r.output.find(std::string(name) +
                                ": This desktop does not take this setting (desktop: none)"),
                  std::string::npos)
            << name << ": " << r.output;
    }
    // A refused word: neither the mouse nor the desktop hears of the call.
    std::filesystem::remove(folder / "mouse.json");
    const auto refused = cli("XDG_CURRENT_DESKTOP=GNOME", "set --apply dpi9=1 pointer-speed=2");
    EXPECT_EQ(refused.status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder / "mouse.json")) << refused.output;
    EXPECT_DOUBLE_EQ(std::stod(gsettings("speed")), 0.0);
}

TEST_F(SetApplyDesktopTest, ADesktopThatRefusesASettingFailsTheCommandAfterTheMouseWasWritten) {
    // KDE's kdeglobals is a folder here: nothing can replace it.
    std::filesystem::create_directories(config / "kdeglobals");
    const auto r = cli("XDG_CURRENT_DESKTOP=KDE", "set --apply scroll-lines=7 report-rate=250");
    EXPECT_EQ(r.status, 1) << r.output;
    EXPECT_NE(r.output.find("scroll-lines was not written to the desktop (KDE Plasma): "),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("double-click was not written"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("pointer-speed: This desktop does not take this setting"),
              std::string::npos)
        << r.output;
    EXPECT_NE(readTextFile(folder / "mouse.json").find("\"reportInterval\": 4"), std::string::npos);

    // With a writable kdeglobals the lines arrive.
    std::filesystem::remove(config / "kdeglobals");
    const auto ok = cli("XDG_CURRENT_DESKTOP=KDE", "set --apply scroll-lines=9");
    EXPECT_EQ(ok.status, 0) << ok.output;
    EXPECT_NE(readTextFile(config / "kdeglobals").find("WheelScrollLines=9"), std::string::npos);
}

// The remarks follow the page's rule and only for what would be written.
TEST(DesktopPointerTest, RemarksOnlyForWhatGoesOutAndFailuresNameTheSetting) {
    using P = PointerSetting;
    std::ostringstream out;
    std::ostringstream err;
    CliContext ctx(out, err);
    SettingsBlock s = factorySettings();
    s.pointerSpeedLevel = 0; // never read: not written, no remark
    s.scrollByScreen = 1;
    pelmora::test::FakePointerSettings plasma({P::WheelLines, P::DoubleClick});
    EXPECT_EQ(writePointerSettings(ctx, plasma, s), kOkStatus);
    EXPECT_EQ(err.str(), "pelmora-cli: scroll-one-screen: This desktop does not take this "
                         "setting (desktop: fake)\n");
    ASSERT_EQ(plasma.writes.size(), 1u);
    EXPECT_EQ(plasma.writes[0].doubleClickMs, 550);

    err.str("");
    pelmora::test::FakePointerSettings gnome({P::Precision, P::Speed, P::DoubleClick});
    gnome.failWrites = {P::Speed};
    s.pointerSpeedLevel = 3;
    EXPECT_EQ(writePointerSettings(ctx, gnome, s), kFailedStatus);
    const auto shown = lines(err.str());
    ASSERT_EQ(shown.size(), 2u) << err.str();
    EXPECT_EQ(shown[0], "pelmora-cli: scroll-lines: This desktop does not take this setting "
                        "(desktop: fake)");
    EXPECT_EQ(shown[1], "pelmora-cli: pointer-speed was not written to the desktop (fake): "
                        "refused");
}

} // namespace
} // namespace pelmora::cli
