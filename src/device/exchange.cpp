#include "device/exchange.h"

#include "base/hex_text.h"

#include <algorithm>
#include <string>
#include <vector>

namespace pelmora {

namespace {
// The frame sits in report bytes 1..8, a chunk in bytes 1..32.
constexpr std::size_t kFeatureBufferSize = 16;
constexpr std::size_t kChunkBufferSize = 40;
constexpr std::size_t kMinFeatureLength = 1 + kFrameSize;
constexpr std::size_t kMinChunkLength = 1 + kChunkSize;
} // namespace

CommandChannel::CommandChannel(HidHandle* handle, ReportLengths lengths, Pacer& pacer,
                               TraceSink* trace, int readTimeoutMs)
    : handle_(handle), lengths_(lengths), pacer_(pacer), trace_(trace),
      readTimeoutMs_(readTimeoutMs) {}

void CommandChannel::trace(std::string_view what, std::span<const std::uint8_t> bytes) {
    if (trace_) {
        trace_->traceLine(std::string(what) + ' ' + toHex(bytes));
    }
}

void CommandChannel::pause(int milliseconds) {
    if (trace_) {
        trace_->traceLine("sleep " + std::to_string(milliseconds));
    }
    pacer_.pause(milliseconds);
}

bool CommandChannel::sendFrame(const CommandFrame& frame) {
    // A collection whose feature report cannot hold a frame gets none.
    if (!handle_ || lengths_.feature < kMinFeatureLength) {
        return counted(false);
    }
    std::vector<std::uint8_t> report(std::max<std::size_t>(kFeatureBufferSize, lengths_.feature));
    std::copy(frame.begin(), frame.end(), report.begin() + 1);
    report[kFrameSize] = frameChecksum(frame);
    trace("set", std::span<const std::uint8_t>(report).subspan(1, kFrameSize));
    return counted(
        handle_->setFeature(std::span<const std::uint8_t>(report).first(lengths_.feature)));
}

void CommandChannel::fetchAnswer(CommandFrame& frame) {
    frame.fill(0);
    if (!handle_ || lengths_.feature < kMinFeatureLength) {
        return;
    }
    std::vector<std::uint8_t> report(std::max<std::size_t>(kFeatureBufferSize, lengths_.feature));
    if (handle_->getFeature(std::span<std::uint8_t>(report).first(lengths_.feature))) {
        std::copy_n(report.begin() + 1, kFrameSize, frame.begin());
    }
    // The answer's checksum is not checked: the mouse's word is taken as it is.
    trace("get", frame);
}

bool CommandChannel::exchange(CommandFrame& frame) {
    const bool sent = sendFrame(frame);
    if (isReadBack(frame)) {
        fetchAnswer(frame);
    }
    return sent;
}

BulkResult CommandChannel::bulkExchange(CommandFrame& header, std::span<std::uint8_t> data) {
    BulkResult result;
    result.headerSent = sendFrame(header);
    if (!isReadBack(header)) {
        result.chunksAnnounced = chunkCount(header[2]);
        if (!handle_ || lengths_.output < kMinChunkLength) {
            for (std::size_t k = 0; k < result.chunksAnnounced; ++k) {
                counted(false);
            }
            return result;
        }
        std::vector<std::uint8_t> report(std::max<std::size_t>(kChunkBufferSize, lengths_.output));
        for (std::size_t k = 0; k < result.chunksAnnounced; ++k) {
            std::fill(report.begin(), report.end(), 0);
            const std::size_t from = std::min(data.size(), k * kChunkSize);
            const std::size_t count = std::min(kChunkSize, data.size() - from);
            std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(from), count,
                        report.begin() + 1);
            trace("out", std::span<const std::uint8_t>(report).subspan(1, kChunkSize));
            if (counted(
                    handle_->write(std::span<const std::uint8_t>(report).first(lengths_.output)))) {
                ++result.chunksMoved;
            }
            pause(kChunkPauseMs);
        }
        return result;
    }

    fetchAnswer(header);
    result.chunksAnnounced = chunkCount(header[2]);
    if (!handle_ || lengths_.input < kMinChunkLength) {
        return result;
    }
    std::vector<std::uint8_t> report(std::max<std::size_t>(kChunkBufferSize, lengths_.input));
    for (std::size_t k = 0; k < result.chunksAnnounced; ++k) {
        std::fill(report.begin(), report.end(), 0);
        const ReadResult read =
            handle_->read(std::span<std::uint8_t>(report).first(lengths_.input), readTimeoutMs_);
        if (read.status != ReadStatus::Ok) {
            break; // the mouse stopped answering: this transfer ends here
        }
        trace("in", std::span<const std::uint8_t>(report).subspan(1, kChunkSize));
        const std::size_t at = k * kChunkSize;
        if (at < data.size()) {
            const std::size_t count = std::min(kChunkSize, data.size() - at);
            std::copy_n(report.begin() + 1, count, data.begin() + static_cast<std::ptrdiff_t>(at));
        }
        ++result.chunksMoved;
    }
    return result;
}

} // namespace pelmora
