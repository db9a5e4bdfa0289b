#pragma once
// The mouse's 8-byte command frame: byte 0 the command code (bit 7 set: the
// mouse answers with a frame of its own), bytes 1..6 parameters, byte 7 the
// checksum that makes the eight bytes sum to 0xFF.

#include <array>
#include <cstddef>
#include <cstdint>

namespace pelmora {

inline constexpr std::size_t kFrameSize = 8;
inline constexpr std::size_t kChunkSize = 32;
inline constexpr std::uint8_t kReadBackBit = 0x80;

using CommandFrame = std::array<std::uint8_t, kFrameSize>;

// Byte 0 of a frame.
enum CommandCode : std::uint8_t {
    kSetReportInterval = 0x01,
    kWriteBasicSettings = 0x03,
    kReadBasicSettings = 0x83,
    kWriteColourPage = 0x07,
    kReadColourPage = 0x87,
    kWriteEffect = 0x0D,
    kReadEffect = 0x8D,
    kWriteDpiColours = 0x10,
    kWriteDpiStages = 0x11,
    kWriteKeyMatrix = 0x12,
    kWriteMacroSlot = 0x13,
    kReadMacroSlot = 0x93,
};

// 0xFF minus the sum of bytes 0..6, modulo 256.
constexpr std::uint8_t frameChecksum(const CommandFrame& frame) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < kFrameSize - 1; ++i) {
        sum += frame[i];
    }
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

constexpr bool checksumValid(const CommandFrame& frame) {
    return frameChecksum(frame) == frame[kFrameSize - 1];
}

constexpr bool isReadBack(const CommandFrame& frame) {
    return (frame[0] & kReadBackBit) != 0;
}

// A frame from its first bytes with the checksum filled in.
constexpr CommandFrame makeFrame(std::uint8_t b0, std::uint8_t b1 = 0, std::uint8_t b2 = 0,
                                 std::uint8_t b3 = 0, std::uint8_t b4 = 0, std::uint8_t b5 = 0,
                                 std::uint8_t b6 = 0) {
    CommandFrame frame{b0, b1, b2, b3, b4, b5, b6, 0};
    frame[7] = frameChecksum(frame);
    return frame;
}

// Chunks that carry n bulk bytes: n / 32 rounded up.
constexpr std::size_t chunkCount(std::size_t byteCount) {
    return (byteCount + kChunkSize - 1) / kChunkSize;
}

} // namespace pelmora
