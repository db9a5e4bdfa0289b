#pragma once
// Takes a fuzzer's bytes apart into the values a target needs; running out
// of bytes gives zeros and empty texts, never an error.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pelmora::fuzz {

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    bool empty() const { return bytes_.empty(); }
    std::size_t remaining() const { return bytes_.size(); }

    std::uint8_t byte() {
        if (bytes_.empty()) {
            return 0;
        }
        const std::uint8_t b = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return b;
    }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
    bool flag() { return (byte() & 1) != 0; }

    std::vector<std::uint8_t> bytes(std::size_t n) {
        n = std::min(n, bytes_.size());
        std::vector<std::uint8_t> out(bytes_.begin(),
                                      bytes_.begin() + static_cast<std::ptrdiff_t>(n));
        bytes_ = bytes_.subspan(n);
        return out;
    }
    // A length byte, then that many bytes.
    std::vector<std::uint8_t> sizedBytes() { return bytes(byte()); }
    std::string text(std::size_t n) {
        const auto b = bytes(n);
        return std::string(b.begin(), b.end());
    }
    std::string sizedText() { return text(byte()); }
    std::span<const std::uint8_t> rest() {
        auto all = bytes_;
        bytes_ = {};
        return all;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace pelmora::fuzz
