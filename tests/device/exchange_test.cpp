#include "device/exchange.h"

#include "fake_hid_handle.h"

#include <gtest/gtest.h>

#include <numeric>

namespace pelmora {
namespace {

using test::Bytes;
using test::FakeHidHandle;

constexpr ReportLengths kLengths{9, 33, 33};

TEST(CommandFrameTest, ChecksumMakesTheFrameSumToFF) {
    EXPECT_EQ(frameChecksum({0x03, 0x01, 0x02, 0x03, 0x04, 0, 0, 0x55}), 0xF2);
    EXPECT_EQ(frameChecksum({0xFF, 0xFF, 0, 0, 0, 0, 0, 0}), 0x01); // the sum wraps
    const CommandFrame frame = makeFrame(0x93, 0x05, 0x80);
    EXPECT_TRUE(checksumValid(frame));
    EXPECT_EQ(std::accumulate(frame.begin(), frame.end(), 0u) & 0xFF, 0xFFu);
}

TEST(CommandFrameTest, ChunkCountRoundsUp) {
    EXPECT_EQ(chunkCount(0), 0u);
    EXPECT_EQ(chunkCount(24), 1u);
    EXPECT_EQ(chunkCount(32), 1u);
    EXPECT_EQ(chunkCount(33), 2u);
    EXPECT_EQ(chunkCount(64), 2u);
    EXPECT_EQ(chunkCount(128), 4u);
    EXPECT_EQ(chunkCount(255), 8u);
}

TEST(ExchangeTest, WriteFrameGoesOutWithItsChecksumAndStaysUnchanged) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    RecordingTraceSink trace;
    CommandChannel channel(&handle, kLengths, pacer, &trace);
    CommandFrame frame{0x03, 0x01, 0x02, 0x03, 0x04, 0, 0, 0x77};
    EXPECT_TRUE(channel.exchange(frame));
    ASSERT_EQ(handle.featuresSet.size(), 1u);
    EXPECT_EQ(handle.featuresSet[0], (Bytes{0, 0x03, 0x01, 0x02, 0x03, 0x04, 0, 0, 0xF2}));
    EXPECT_EQ(frame[7], 0x77); // the caller's frame is left alone
    EXPECT_TRUE(handle.getLengths.empty());
    EXPECT_TRUE(pacer.pauses.empty());
    EXPECT_EQ(trace.lines, (std::vector<std::string>{"set 03010203040000f2"}));
}

TEST(ExchangeTest, ReadBackFrameIsReplacedByTheAnswer) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    RecordingTraceSink trace;
    CommandChannel channel(&handle, kLengths, pacer, &trace);
    const CommandFrame answer = makeFrame(0x83, 1, 2, 3, 4);
    handle.queueAnswer(answer);
    CommandFrame frame = makeFrame(0x83);
    channel.exchange(frame);
    EXPECT_EQ(frame, answer);
    EXPECT_EQ(handle.getLengths, (std::vector<std::size_t>{9}));
    ASSERT_EQ(trace.lines.size(), 2u);
    EXPECT_EQ(trace.lines[1], "get 8301020304000072");
}

TEST(ExchangeTest, FailedGetLeavesZeros) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, kLengths, pacer);
    CommandFrame frame = makeFrame(0x8D);
    channel.exchange(frame);
    EXPECT_EQ(frame, CommandFrame{});
}

TEST(ExchangeTest, LongReportsGetBuffersOfTheirLengthAndShortOnesAreRefused) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel wide(&handle, {65, 65, 65}, pacer);
    CommandFrame frame = makeFrame(0x01, 1);
    wide.exchange(frame);
    ASSERT_EQ(handle.featuresSet.size(), 1u);
    EXPECT_EQ(handle.featuresSet[0].size(), 65u);

    CommandChannel narrow(&handle, {5, 33, 33}, pacer);
    EXPECT_FALSE(narrow.exchange(frame));
    EXPECT_EQ(handle.featuresSet.size(), 1u);

    CommandChannel closed(nullptr, kLengths, pacer);
    EXPECT_FALSE(closed.exchange(frame));
}

TEST(BulkExchangeTest, WriteSendsRoundedUpChunksWithAPauseAfterEach) {
    for (const auto& [n, chunks] :
         std::vector<std::pair<int, std::size_t>>{{0, 0}, {24, 1}, {33, 2}, {64, 2}, {128, 4}}) {
        FakeHidHandle handle;
        RecordingPacer pacer;
        CommandChannel channel(&handle, kLengths, pacer);
        std::vector<std::uint8_t> data(128);
        std::iota(data.begin(), data.end(), 1);
        CommandFrame header = makeFrame(0x13, 1, static_cast<std::uint8_t>(n));
        const BulkResult result = channel.bulkExchange(header, data);
        EXPECT_EQ(handle.featuresSet.size(), 1u);
        ASSERT_EQ(handle.written.size(), chunks) << n;
        EXPECT_EQ(pacer.pauses, std::vector<int>(chunks, 3));
        EXPECT_TRUE(result.complete());
        for (std::size_t k = 0; k < chunks; ++k) {
            ASSERT_EQ(handle.written[k].size(), 33u);
            EXPECT_EQ(handle.written[k][0], 0);
            EXPECT_EQ(handle.written[k][1], 32 * k + 1);
            EXPECT_EQ(handle.written[k][32], 32 * k + 32);
        }
    }
}

TEST(BulkExchangeTest, WriteNeverReadsPastTheCallersData) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, kLengths, pacer);
    std::vector<std::uint8_t> data(24, 0xAB);
    CommandFrame header = makeFrame(0x10, 1, 0x40); // announces 64 bytes, caller has 24
    channel.bulkExchange(header, data);
    ASSERT_EQ(handle.written.size(), 2u);
    EXPECT_EQ(handle.written[0][24], 0xAB);
    EXPECT_EQ(handle.written[0][25], 0);
    EXPECT_EQ(handle.written[1], Bytes(33, 0));
}

TEST(BulkExchangeTest, ReadTakesTheCountFromTheAnswer) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    RecordingTraceSink trace;
    CommandChannel channel(&handle, kLengths, pacer, &trace);
    handle.queueAnswer(makeFrame(0x93, 2, 40)); // 40 bytes: two chunks
    handle.queueChunk(Bytes(32, 0x11));
    handle.queueChunk(Bytes(32, 0x22));
    handle.queueChunk(Bytes(32, 0x33)); // not asked for
    std::array<std::uint8_t, 128> area{};
    CommandFrame header = makeFrame(0x93, 2);
    const BulkResult result = channel.bulkExchange(header, area);
    EXPECT_EQ(header, makeFrame(0x93, 2, 40));
    EXPECT_TRUE(result.complete());
    EXPECT_EQ(result.chunksMoved, 2u);
    EXPECT_EQ(area[0], 0x11);
    EXPECT_EQ(area[63], 0x22);
    EXPECT_EQ(area[64], 0);
    EXPECT_TRUE(pacer.pauses.empty()); // no pause between reads
    EXPECT_EQ(handle.inputs.size(), 1u);
    EXPECT_EQ(trace.lines.size(), 4u); // set, get, in, in
    EXPECT_EQ(trace.lines[2], "in " + std::string(64, '1'));
}

TEST(BulkExchangeTest, ReadAnnouncingMoreThanTheAreaNeverStoresPastIt) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, kLengths, pacer);
    handle.queueAnswer(makeFrame(0x93, 1, 200)); // seven chunks announced
    for (int k = 0; k < 7; ++k) {
        handle.queueChunk(Bytes(32, static_cast<std::uint8_t>(k + 1)));
    }
    std::array<std::uint8_t, 160> guarded{};
    CommandFrame header = makeFrame(0x93, 1);
    const BulkResult result =
        channel.bulkExchange(header, std::span<std::uint8_t>(guarded).first(128));
    EXPECT_EQ(result.chunksMoved, 7u); // all read, so none is left for the next command
    EXPECT_EQ(guarded[127], 4);
    EXPECT_EQ(guarded[128], 0);
    EXPECT_EQ(guarded[159], 0);
}

TEST(BulkExchangeTest, ATimedOutReadEndsTheTransfer) {
    FakeHidHandle handle;
    RecordingPacer pacer;
    CommandChannel channel(&handle, kLengths, pacer, nullptr, 50);
    handle.queueAnswer(makeFrame(0x93, 1, 128));
    handle.queueChunk(Bytes(32, 7));
    std::array<std::uint8_t, 128> area{};
    CommandFrame header = makeFrame(0x93, 1);
    const BulkResult result = channel.bulkExchange(header, area);
    EXPECT_FALSE(result.complete());
    EXPECT_EQ(result.chunksMoved, 1u);
    EXPECT_EQ(handle.readTimeouts, (std::vector<int>{50, 50})); // no third wait
}

} // namespace
} // namespace pelmora
