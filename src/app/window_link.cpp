#include "app/window_link.h"

#include "base/log.h"

#include <cerrno>
#include <cstring>

namespace pelmora {

namespace {
// What the window uses when the simulated mouse could not be set up: no
// mouse is ever there, and no hot-plug either.
class NoMouseBackend final : public HidBackend {
public:
    std::vector<HidCollectionInfo> enumerate() override { return {}; }
    OpenResult open(const HidCollectionInfo&, OpenMode) override {
        return {nullptr, "no device link", false};
    }
    std::unique_ptr<DeviceMonitor> createMonitor(std::string& error) override {
        error = "no device link";
        return nullptr;
    }
};
} // namespace

WindowLink::WindowLink(const AppOptions& options, MessageSink& messages) {
    DeviceLinkOptions linkOptions;
    linkOptions.simulate = options.common.simulated();
    linkOptions.simState = options.common.simState;
    linkOptions.simControl = options.common.simControl;
    linkOptions.simLog = [](std::string_view line) {
        logLine(LogCategory::Device, LogLevel::Warning, "simulated mouse: " + std::string(line));
    };
    std::string error;
    link_ = DeviceLink::create(linkOptions, error);
    if (!link_) {
        messages.showMessage(error, kAppName);
        link_ = std::make_unique<DeviceLink>(std::make_unique<NoMouseBackend>());
    }
    if (!options.trace) {
        return;
    }
    traceFile_.open(*options.trace, std::ios::out | std::ios::trunc);
    if (!traceFile_) {
        messages.showMessage("cannot write the trace " + options.trace->string() + ": " +
                                 std::strerror(errno),
                             kAppName);
        return;
    }
    trace_ = std::make_unique<StreamTraceSink>(traceFile_);
    link_->setTrace(trace_.get());
}

} // namespace pelmora
