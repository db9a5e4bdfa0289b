#pragma once
// A HID handle that records every report it is given and answers from
// queues the test fills.

#include "device/hid_handle.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace pelmora::test {

using Bytes = std::vector<std::uint8_t>;

class FakeHidHandle : public HidHandle {
public:
    bool setFeature(std::span<const std::uint8_t> report) override {
        featuresSet.emplace_back(report.begin(), report.end());
        return setOk;
    }
    bool getFeature(std::span<std::uint8_t> report) override {
        getLengths.push_back(report.size());
        if (answers.empty()) {
            return false;
        }
        Bytes answer = answers.front();
        answers.pop_front();
        std::fill(report.begin(), report.end(), 0);
        std::copy_n(answer.begin(), std::min(answer.size(), report.size()), report.begin());
        return true;
    }
    bool write(std::span<const std::uint8_t> report) override {
        written.emplace_back(report.begin(), report.end());
        return writeOk;
    }
    ReadResult read(std::span<std::uint8_t> report, int timeoutMs) override {
        readTimeouts.push_back(timeoutMs);
        if (inputs.empty()) {
            return {ReadStatus::TimedOut, 0};
        }
        Bytes input = inputs.front();
        inputs.pop_front();
        const std::size_t n = std::min(input.size(), report.size());
        std::copy_n(input.begin(), n, report.begin());
        return {ReadStatus::Ok, n};
    }
    int pollFd() const override { return -1; }

    // An answer frame as the feature report carries it (report ID 0 first).
    void queueAnswer(std::span<const std::uint8_t> frame) {
        Bytes report{0};
        report.insert(report.end(), frame.begin(), frame.end());
        answers.push_back(report);
    }
    // A 32-byte chunk as an input report.
    void queueChunk(std::span<const std::uint8_t> chunk) {
        Bytes report{0};
        report.insert(report.end(), chunk.begin(), chunk.end());
        inputs.push_back(report);
    }

    std::vector<Bytes> featuresSet;
    std::vector<std::size_t> getLengths;
    std::vector<Bytes> written;
    std::vector<int> readTimeouts;
    std::deque<Bytes> answers;
    std::deque<Bytes> inputs;
    bool setOk = true;
    bool writeOk = true;
};

} // namespace pelmora::test
