#pragma once
// The two ways of talking to the command collection: a frame exchange
// (feature report out, and for a read-back command the answer frame in) and a
// bulk exchange (a header frame, then 32-byte chunks in output or input
// reports). Report buffers are sized from the collection's report lengths, so
// a device announcing long reports never overflows them.

#include "device/command_frame.h"
#include "device/hid_handle.h"
#include "device/link_state.h"
#include "device/pacer.h"
#include "device/trace_sink.h"

#include <cstddef>
#include <span>

namespace pelmora {

inline constexpr int kChunkPauseMs = 3;
inline constexpr int kDefaultChunkReadTimeoutMs = 1000;

struct BulkResult {
    bool headerSent = false;
    std::size_t chunksAnnounced = 0; // ceil(n / 32)
    std::size_t chunksMoved = 0;     // written or read
    bool complete() const { return headerSent && chunksMoved == chunksAnnounced; }
};

class CommandChannel {
public:
    // handle may be null: then every operation fails without I/O.
    CommandChannel(HidHandle* handle, ReportLengths lengths, Pacer& pacer,
                   TraceSink* trace = nullptr, int readTimeoutMs = kDefaultChunkReadTimeoutMs);

    // Sends the frame with its checksum recomputed (byte 7 is not trusted).
    // A read-back frame is replaced by the answer; a failed get leaves zeros.
    // Returns whether the feature report went out.
    bool exchange(CommandFrame& frame);

    // Header frame, then the chunks. Write header: ceil(byte 2 / 32) chunks
    // from data (bytes beyond data are sent as zero), 3 ms after each. Read
    // header: the answer replaces the header, then ceil(answer byte 2 / 32)
    // chunks are read; chunks beyond data are read and dropped, never stored.
    // A chunk read that fails or times out ends the transfer.
    BulkResult bulkExchange(CommandFrame& header, std::span<std::uint8_t> data);

    // One pause between commands, traced.
    void pause(int milliseconds);

    // Every feature report and chunk sent so far, and those that did not
    // reach the mouse (a refused write, or no handle at all).
    std::size_t writesAttempted() const { return writesAttempted_; }
    std::size_t writesFailed() const { return writesFailed_; }

private:
    bool sendFrame(const CommandFrame& frame);
    void fetchAnswer(CommandFrame& frame);
    void trace(std::string_view what, std::span<const std::uint8_t> bytes);
    bool counted(bool written) {
        ++writesAttempted_;
        writesFailed_ += written ? 0 : 1;
        return written;
    }

    HidHandle* handle_;
    ReportLengths lengths_;
    Pacer& pacer_;
    TraceSink* trace_;
    int readTimeoutMs_;
    std::size_t writesAttempted_ = 0;
    std::size_t writesFailed_ = 0;
};

} // namespace pelmora
