// A mouse that answers anything: every feature answer, chunk and report
// length it likes, and report lengths of any size in its descriptor. Reading
// its basic settings and Apply end, never write outside their buffers, and a
// read-back stores only a complete answer for a slot that exists.
#include "device/command_set.h"
#include "device/exchange.h"
#include "fuzz_check.h"
#include "fuzz_input.h"

#include <algorithm>

using namespace pelmora;

namespace {

class HostileHandle final : public HidHandle {
public:
    explicit HostileHandle(fuzz::FuzzInput& in) : in_(in) {}
    bool setFeature(std::span<const std::uint8_t> report) override {
        FUZZ_CHECK(!report.empty());
        return in_.flag();
    }
    bool getFeature(std::span<std::uint8_t> report) override {
        const auto answer = in_.bytes(in_.byte() % (report.size() + 2));
        std::copy_n(answer.begin(), std::min(answer.size(), report.size()), report.begin());
        return in_.flag();
    }
    bool write(std::span<const std::uint8_t> report) override {
        FUZZ_CHECK(!report.empty());
        return in_.flag();
    }
    ReadResult read(std::span<std::uint8_t> report, int timeoutMs) override {
        FUZZ_CHECK(timeoutMs >= 0); // a read of the mouse never waits for ever
        if (in_.empty()) {
            return {ReadStatus::TimedOut, 0};
        }
        const std::uint8_t kind = in_.byte();
        if (kind < 16) {
            return {kind < 8 ? ReadStatus::Failed : ReadStatus::TimedOut, 0};
        }
        const auto input = in_.bytes(in_.byte() % (report.size() + 1));
        std::copy(input.begin(), input.end(), report.begin());
        return {ReadStatus::Ok, input.size()};
    }
    int pollFd() const override { return -1; }

private:
    fuzz::FuzzInput& in_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    ReportLengths lengths;
    lengths.feature = in.u16() % 300;
    lengths.input = in.u16() % 300;
    lengths.output = in.u16() % 300;
    SettingsBlock settings{};
    settings.lightMode = in.byte();
    settings.lightColourMode3 = in.byte();
    for (auto& level : settings.dpiLevel) {
        level = in.byte();
    }
    for (auto& slot : settings.macroData) {
        slot.fill(in.byte());
    }
    HostileHandle handle(in);
    RecordingPacer pacer;
    CommandChannel channel(&handle, lengths, pacer);
    DeviceImage image;
    readBasicSettings(channel, image);
    FUZZ_CHECK(image.activeSensorType == image.sensorType);
    FUZZ_CHECK((image.option2 & 0x40) != 0);
    apply(channel, image, settings, ApplySaving{});
    FUZZ_CHECK(image.dpiStageCount == 4);
    FUZZ_CHECK(std::all_of(image.dpiStagePayload.begin() + 4, image.dpiStagePayload.end(),
                           [](auto b) { return b == 0x80; }));
    return 0;
}
