// KDE Plasma's pointer settings in kdeglobals of a scratch config folder,
// and the change signal on a private session bus.
#include "settings/factory_settings.h"
#include "desktop/kde_change_notice.h"
#include "desktop/kde_pointer_settings.h"
#include "desktop/pointer_actions.h"
#include "support/private_session_bus.h"
#include "support/scratch_folder.h"

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

namespace pelmora {
namespace {

using test::ScratchFolder;

TEST(KdePointer, HasWheelLinesAndDoubleClickOnly) {
    KdePointerSettings kde("/nonexistent", "");
    EXPECT_TRUE(kde.has(PointerSetting::WheelLines));
    EXPECT_TRUE(kde.has(PointerSetting::DoubleClick));
    EXPECT_FALSE(kde.has(PointerSetting::Speed));
    EXPECT_FALSE(kde.has(PointerSetting::Precision));
    EXPECT_FALSE(kde.has(PointerSetting::ScrollByScreen));
}

TEST(KdePointer, AMissingFileOrKeyReadsAsKdesDefaults) {
    ScratchFolder config;
    KdePointerSettings kde(config.path(), "");
    RecordingMessageSink sink;
    SettingsBlock s{};
    readDesktopPointerSettings(kde, s, sink);
    EXPECT_EQ(s.scrollLines, 3);
    EXPECT_EQ(s.doubleClickLevel, 8); // 400 ms
    EXPECT_TRUE(sink.messages.empty());

    config.write("kdeglobals", "[KDE]\nWheelScrollLines=junk\nDoubleClickInterval=500\n");
    readDesktopPointerSettings(kde, s, sink);
    EXPECT_EQ(s.scrollLines, 3);
    EXPECT_EQ(s.doubleClickLevel, 6);
}

TEST(KdePointer, ApplyReplacesOnlyItsTwoKeysAndKeepsTheRestOfTheFile) {
    ScratchFolder config;
    config.write("kdeglobals", "# comment\n[General]\nColorScheme=BreezeDark\n\n"
                               "[KDE]\nLookAndFeelPackage=org.kde.breeze.desktop\n"
                               "WheelScrollLines=3\n\n[Icons]\nTheme[$e]=breeze\n");
    KdePointerSettings kde(config.path(), "");
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    s.scrollLines = 7;
    s.doubleClickLevel = 11;
    s.pointerSpeedLevel = 11; // Plasma's pointer speed is not ours to set
    const PointerReport report = applyDesktopPointerSettings(kde, s, sink);
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(report.notes.size(), 1u); // no session bus given
    EXPECT_EQ(ScratchFolder::read(config / "kdeglobals"),
              "# comment\n[General]\nColorScheme=BreezeDark\n\n"
              "[KDE]\nLookAndFeelPackage=org.kde.breeze.desktop\n"
              "WheelScrollLines=7\nDoubleClickInterval=200\n\n[Icons]\nTheme[$e]=breeze\n");
    readDesktopPointerSettings(kde, s, sink);
    EXPECT_EQ(s.scrollLines, 7);
    EXPECT_EQ(s.doubleClickLevel, 11);
}

TEST(KdePointer, AFolderThatDoesNotExistYetIsCreated) {
    ScratchFolder home;
    KdePointerSettings kde(home / "config", "");
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    writeDesktopPointerDefaults(kde, s, sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(ScratchFolder::read(home / "config" / "kdeglobals"),
              "[KDE]\nWheelScrollLines=3\nDoubleClickInterval=500\n");
}

TEST(KdePointer, AnUnwritableOrUnreadableFileShowsTheMessagesAndKeepsTheLevels) {
    ScratchFolder config;
    // A folder where kdeglobals should be: neither readable nor replaceable
    // as a file, also for root.
    std::filesystem::create_directory(config / "kdeglobals");
    KdePointerSettings kde(config.path(), "");
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    s.scrollLines = 5;
    readDesktopPointerSettings(kde, s, sink);
    EXPECT_EQ(s.scrollLines, 5);
    EXPECT_EQ(s.doubleClickLevel, 6);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "GETWHEELSCROLLLINES failed.");
    EXPECT_EQ(sink.messages[1].text, "GetDoubleClickTime failed.");
    EXPECT_EQ(sink.messages[1].caption, "Warning");

    sink.messages.clear();
    applyDesktopPointerSettings(kde, s, sink);
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].text, "SETWHEELSCROLLLINES failed.");
    EXPECT_EQ(sink.messages[1].text, "SPI_SETDOUBLECLICKTIME failed.");
}

// Listens on the bus for notifyChange and counts what arrives.
class SignalListener {
public:
    explicit SignalListener(const std::string& address) : context_(g_main_context_new()) {
        g_main_context_push_thread_default(context_);
        bus_ = g_dbus_connection_new_for_address_sync(
            address.c_str(),
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, nullptr);
        if (bus_ != nullptr) {
            subscription_ = g_dbus_connection_signal_subscribe(
                bus_, nullptr, "org.kde.KGlobalSettings", "notifyChange", "/KGlobalSettings",
                nullptr, G_DBUS_SIGNAL_FLAGS_NONE, &SignalListener::received, this, nullptr);
            // A round trip: the bus has the match rule before anything is sent.
            GVariant* id = g_dbus_connection_call_sync(
                bus_, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                "GetId", nullptr, nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
            if (id != nullptr) {
                g_variant_unref(id);
            }
        }
    }
    ~SignalListener() {
        if (bus_ != nullptr) {
            g_dbus_connection_signal_unsubscribe(bus_, subscription_);
            g_dbus_connection_close_sync(bus_, nullptr, nullptr);
            g_object_unref(bus_);
        }
        g_main_context_pop_thread_default(context_);
        g_main_context_unref(context_);
    }
    bool connected() const { return bus_ != nullptr; }
    // Waits up to five seconds for `count` signals.
    bool waitFor(std::size_t count) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (args.size() < count && std::chrono::steady_clock::now() < end) {
            g_main_context_iteration(context_, FALSE);
            g_usleep(1000);
        }
        return args.size() >= count;
    }
    std::vector<std::pair<int, int>> args;

private:
    static void received(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*,
                         GVariant* parameters, gpointer self) {
        gint32 type = -1;
        gint32 arg = -1;
        g_variant_get(parameters, "(ii)", &type, &arg);
        static_cast<SignalListener*>(self)->args.emplace_back(type, arg);
    }
    GMainContext* context_;
    GDBusConnection* bus_ = nullptr;
    guint subscription_ = 0;
};

TEST(KdePointer, AWriteTellsKdeApplicationsOnTheSessionBus) {
    test::PrivateSessionBus bus;
    if (bus.address().empty()) {
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap)";
    }
    SignalListener listener(bus.address());
    ASSERT_TRUE(listener.connected());
    ScratchFolder config;
    KdePointerSettings kde(config.path(), bus.address());
    RecordingMessageSink sink;
    SettingsBlock s = factorySettings();
    const PointerReport report = applyDesktopPointerSettings(kde, s, sink);
    EXPECT_TRUE(report.notes.empty());
    ASSERT_TRUE(listener.waitFor(1));
    EXPECT_EQ(listener.args[0], std::make_pair(3, 0)); // settings changed, mouse
}

TEST(KdePointer, NoSignalWhenNothingWasWritten) {
    test::PrivateSessionBus bus;
    if (bus.address().empty()) {
        GTEST_SKIP() << "dbus-daemon is not installed (scripts/bootstrap)";
    }
    SignalListener listener(bus.address());
    ScratchFolder config;
    std::filesystem::create_directory(config / "kdeglobals");
    KdePointerSettings kde(config.path(), bus.address());
    RecordingMessageSink sink;
    applyDesktopPointerSettings(kde, factorySettings(), sink);
    SettingsBlock never{};
    applyDesktopPointerSettings(kde, never, sink);
    EXPECT_FALSE(listener.waitFor(1));
}

} // namespace
} // namespace pelmora
