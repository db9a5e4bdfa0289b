// The first read, OK/Apply and Default against a fake desktop: what reaches
// the desktop, what the user is told, and what is left alone.
#include "desktop/fake_pointer_settings.h"
#include "desktop/pointer_actions.h"
#include "desktop/pointer_levels.h"
#include "settings/factory_settings.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using test::FakePointerSettings;
using P = PointerSetting;

std::vector<std::string> texts(const RecordingMessageSink& sink) {
    std::vector<std::string> out;
    for (const auto& m : sink.messages) {
        EXPECT_EQ(m.caption, "Warning");
        out.push_back(m.text);
    }
    return out;
}

TEST(PointerActions, ADesktopWithoutSettingsIsNeitherWrittenNorComplainedAbout) {
    FakePointerSettings none({});
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    applyDesktopPointerSettings(none, s, sink);
    writeDesktopPointerDefaults(none, s, sink);
    none.values.speed = 1.0;
    readDesktopPointerSettings(none, s, sink);
    EXPECT_TRUE(none.writes.empty());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(s.pointerSpeedLevel, 6); // kept and still drawn
}

TEST(PointerActions, OnlyTheSettingsTheDesktopHasGoOut) {
    FakePointerSettings gnome({P::Precision, P::Speed, P::DoubleClick});
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    s.pointerSpeedLevel = 8;
    applyDesktopPointerSettings(gnome, s, sink);
    ASSERT_EQ(gnome.writes.size(), 1u);
    EXPECT_EQ(gnome.writes[0].speed, 0.4);
    EXPECT_EQ(gnome.writes[0].precision, false);
    EXPECT_EQ(gnome.writes[0].doubleClickMs, 550);
    EXPECT_FALSE(gnome.writes[0].wheelLines.has_value());
    EXPECT_FALSE(gnome.writes[0].scrollByScreen.has_value());
    EXPECT_TRUE(sink.messages.empty());

    // Nothing valid to write: the desktop is not touched at all.
    SettingsBlock never{};
    applyDesktopPointerSettings(gnome, never, sink);
    EXPECT_EQ(gnome.writes.size(), 1u);
}

TEST(PointerActions, ScrollOneScreenOnADesktopWithoutItLeavesTheLinesAlone) {
    FakePointerSettings kde({P::WheelLines, P::DoubleClick});
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    s.scrollByScreen = 1;
    applyDesktopPointerSettings(kde, s, sink);
    ASSERT_EQ(kde.writes.size(), 1u);
    EXPECT_FALSE(kde.writes[0].wheelLines.has_value());
    EXPECT_EQ(kde.writes[0].doubleClickMs, 550);
}

TEST(PointerActions, RefusedWritesShowTheirMessagesInOrderAndTheRestStillGoesOut) {
    FakePointerSettings desktop(test::allPointerSettings());
    desktop.failWrites = {P::DoubleClick, P::WheelLines, P::ScrollByScreen, P::Precision, P::Speed};
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    const PointerReport report = applyDesktopPointerSettings(desktop, s, sink);
    EXPECT_EQ(report.failures.size(), 5u);
    EXPECT_EQ(texts(sink), (std::vector<std::string>{"SETMOUSE failed.", "SETMOUSESPEED failed.",
                                                     "SETWHEELSCROLLLINES failed.",
                                                     "SPI_SETDOUBLECLICKTIME failed."}));
    RecordingMessageSink told; // in the window's language, then the desktop's reason
    applyDesktopPointerSettings(desktop, s, told, Language::Turkish);
    EXPECT_EQ(told.messages.at(0).text.rfind("SETMOUSE failed.\nMasaüstü işaretçi ayarlarını "
                                             "reddetti: refused.",
                                             0),
              0u);
}

TEST(PointerActions, DefaultWritesTheDesktopDefaultsAtOnceAndSetsTheLevels) {
    FakePointerSettings kde({P::WheelLines, P::DoubleClick});
    kde.failWrites = {P::WheelLines};
    RecordingMessageSink sink;
    SettingsBlock s{};
    s.scrollByScreen = 1;
    writeDesktopPointerDefaults(kde, s, sink);
    ASSERT_EQ(kde.writes.size(), 1u);
    EXPECT_EQ(kde.writes[0].wheelLines, 3);
    EXPECT_EQ(kde.writes[0].doubleClickMs, 500);
    EXPECT_FALSE(kde.writes[0].speed.has_value());
    EXPECT_EQ(texts(sink), std::vector<std::string>{"SETWHEELSCROLLLINES failed."});
    EXPECT_EQ(s.scrollByScreen, 0);
    EXPECT_EQ(s.pointerSpeedLevel, 6);
    EXPECT_EQ(s.scrollLines, 3);
    EXPECT_EQ(s.doubleClickLevel, 6);
    // The next Apply writes level 6 as 550 ms.
    applyDesktopPointerSettings(kde, s, sink);
    EXPECT_EQ(kde.writes.back().doubleClickMs, 550);
}

TEST(PointerActions, AReadTakesWhatTheDesktopHasAndKeepsWhatFailed) {
    FakePointerSettings desktop({P::Precision, P::Speed, P::WheelLines, P::DoubleClick});
    desktop.values.speed = 1.0;
    desktop.values.precision = true;
    desktop.values.wheelLines = 9;
    desktop.values.doubleClickMs = 200;
    desktop.failReads = {P::Precision, P::DoubleClick};
    desktop.values.doubleClickMs.reset();
    desktop.values.precision.reset();
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    readDesktopPointerSettings(desktop, s, sink);
    EXPECT_EQ(s.pointerSpeedLevel, 11);
    EXPECT_EQ(s.scrollLines, 9);
    EXPECT_EQ(s.doubleClickLevel, 6);
    EXPECT_EQ(s.pointerPrecision, 0);
    // The precision read has no message of its own.
    EXPECT_EQ(texts(sink), std::vector<std::string>{"GetDoubleClickTime failed."});
}

TEST(PointerActions, RemarksGoOnRowsTheDesktopLacksAndOnBoxesOnlyBesideARowItHas) {
    FakePointerSettings gnome({P::Precision, P::Speed, P::DoubleClick});
    EXPECT_FALSE(desktopLacks(gnome, PointerRow::Speed));
    EXPECT_TRUE(desktopLacks(gnome, PointerRow::WheelLines));
    EXPECT_FALSE(desktopLacks(gnome, PointerBox::Precision));
    EXPECT_FALSE(desktopLacks(gnome, PointerBox::ScrollByScreen)); // its row has the remark

    FakePointerSettings plasma({P::WheelLines, P::DoubleClick});
    EXPECT_TRUE(desktopLacks(plasma, PointerRow::Speed));
    EXPECT_FALSE(desktopLacks(plasma, PointerBox::Precision));
    EXPECT_TRUE(desktopLacks(plasma, PointerBox::ScrollByScreen));

    FakePointerSettings none({});
    for (PointerRow row : {PointerRow::Speed, PointerRow::WheelLines, PointerRow::DoubleClick}) {
        EXPECT_TRUE(desktopLacks(none, row));
    }
}

} // namespace
} // namespace pelmora
