#include "device/device_change.h"
#include "device/device_event.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

using Report = std::vector<std::uint8_t>;

TEST(ListenerReportTest, OnlyReportSixWithKnownTypes) {
    EXPECT_EQ(decodeListenerReport(Report{6, 7, 0, 2, 0, 0, 0, 0, 0}), (DeviceEvent{7, 2}));
    EXPECT_EQ(decodeListenerReport(Report{6, 5, 9, 3}), (DeviceEvent{5, 3})); // byte 2 unused
    for (std::uint8_t type : {8, 9}) {
        EXPECT_TRUE(decodeListenerReport(Report{6, type, 0, 1}));
    }
    EXPECT_FALSE(decodeListenerReport(Report{6, 6, 0, 1}));  // unknown type
    EXPECT_FALSE(decodeListenerReport(Report{6, 15, 0, 0})); // only the program raises 15
    EXPECT_FALSE(decodeListenerReport(Report{5, 7, 0, 1}));  // another report
    EXPECT_FALSE(decodeListenerReport(Report{6, 7, 0}));     // too short for a value
    EXPECT_FALSE(decodeListenerReport(Report{}));
}

TEST(BalloonTest, TextsOfTheEvents) {
    SettingsBlock s{};
    s.dpiLevel = {0, 1, 11, 12};
    auto text = [&](std::uint8_t type, std::uint8_t value, std::uint8_t sensor = 0) {
        const auto balloon = balloonForEvent(type, value, s, sensor);
        return balloon ? balloon->text : std::string("(none)");
    };
    EXPECT_EQ(text(5, 1), "Switch report rate into 1000HZ");
    EXPECT_EQ(text(5, 8), "Switch report rate into 125HZ");
    EXPECT_EQ(text(5, 3), "(none)");
    EXPECT_EQ(text(7, 2), "Switch DPI into the second stage 500");
    EXPECT_EQ(text(7, 3), "Switch DPI into the third stage 4000");
    EXPECT_EQ(text(7, 4), "Switch DPI into the fourth stage "); // level without a value
    EXPECT_EQ(text(7, 1, 3), "Switch DPI into the first stage 400");
    EXPECT_EQ(text(7, 1, 9), "Switch DPI into the first stage "); // unknown sensor
    EXPECT_EQ(text(7, 0), "(none)");
    EXPECT_EQ(text(7, 5), "(none)");
    EXPECT_EQ(text(8, 2), "Switch to key matrix 2");
    EXPECT_EQ(text(8, 3), "(none)");
    EXPECT_EQ(text(9, 12), "Switch to macro key12");
    EXPECT_EQ(text(9, 0), "(none)");
    EXPECT_EQ(text(6, 1), "(none)");
}

TEST(BalloonTest, KindTitleAndTime) {
    const SettingsBlock s{};
    const auto info = balloonForEvent(7, 1, s, 0);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->kind, BalloonKind::DpiStage);
    EXPECT_EQ(info->value, 1);
    EXPECT_EQ(info->dpiValue, "250");
    EXPECT_EQ(info->title, "Info");
    EXPECT_EQ(info->timeMs, 5000);
    const auto warning = balloonForEvent(15, 0, s, 0);
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->kind, BalloonKind::MouseNotDetected);
    EXPECT_EQ(warning->text, "The system did not detect the gaming mouse!");
    EXPECT_EQ(warning->title, "Warning");
    EXPECT_EQ(warning->timeMs, 100);
}

TEST(DeviceChangeTest, Decisions) {
    const auto arrival = decideDeviceChange(DeviceChange::Arrival, true, false, true);
    EXPECT_TRUE(arrival.present);
    EXPECT_TRUE(arrival.readBasicSettings);
    EXPECT_TRUE(arrival.resumeListener);
    EXPECT_FALSE(arrival.warn);
    EXPECT_FALSE(decideDeviceChange(DeviceChange::Arrival, true, true, true).resumeListener);
    EXPECT_FALSE(decideDeviceChange(DeviceChange::Arrival, true, false, false).resumeListener);

    const auto stays = decideDeviceChange(DeviceChange::Removal, true, true, true);
    EXPECT_TRUE(stays.present);
    EXPECT_FALSE(stays.readBasicSettings || stays.resumeListener || stays.warn || stays.hideWindow);

    for (DeviceChange change : {DeviceChange::Arrival, DeviceChange::Removal}) {
        const auto gone = decideDeviceChange(change, false, true, true);
        EXPECT_FALSE(gone.present);
        EXPECT_TRUE(gone.warn);
        EXPECT_TRUE(gone.hideWindow);
        EXPECT_FALSE(gone.readBasicSettings);
    }
}

} // namespace
} // namespace pelmora
