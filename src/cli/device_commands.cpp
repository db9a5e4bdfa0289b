// devices, read, apply, listen: the mouse itself (or the simulated one).
#include "base/hex_text.h"
#include "base/signal_watch.h"
#include "base/unique_fd.h"
#include "cli/cli_context.h"
#include "cli/stderr_sink.h"
#include "device/device_event.h"
#include "device/discovery.h"
#include "device/link/device_link.h"
#include "device/transfer_lock.h"
#include "settings/dpi_tables.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"

#include <atomic>
#include <cerrno>
#include <mutex>
#include <ostream>
#include <poll.h>
#include <set>
#include <unistd.h>

namespace pelmora::cli {

namespace {

constexpr std::string_view kNoMouseText =
    "no mouse 04d9:a09f found (plug it in, or use --simulate)";

std::unique_ptr<DeviceLink> openLink(CliContext& ctx) {
    DeviceLinkOptions options;
    options.simulate = ctx.common.simulated();
    options.simState = ctx.common.simState;
    options.simControl = ctx.common.simControl;
    std::ostream& err = ctx.err;
    options.simLog = [&err](std::string_view line) {
        err << "pelmora-cli: simulated mouse: " << line << std::endl;
    };
    std::string error;
    auto link = DeviceLink::create(options, error);
    if (!link) {
        ctx.fail(error);
    }
    return link;
}

// Discovery; false after a message when the mouse is not there or not usable.
bool findMouse(CliContext& ctx, DeviceLink& link) {
    if (link.discover()) {
        return true;
    }
    ctx.fail(link.lastError().empty() ? std::string(kNoMouseText) : link.lastError());
    return false;
}

// The link with the mouse found, tracing into `trace` when --trace asks for
// it; null after a message.
std::unique_ptr<DeviceLink> openFoundLink(CliContext& ctx, TraceSink& trace) {
    auto link = openLink(ctx);
    if (!link || !findMouse(ctx, *link)) {
        return nullptr;
    }
    if (ctx.trace) {
        link->setTrace(&trace);
    }
    return link;
}

// How pelmora-cli waits for a mouse another program is sending settings to:
// it says so on stderr, and a signal ends the wait.
TransferWait cliTransferWait(CliContext& ctx, const SignalWatch& signals) {
    std::ostream& err = ctx.err;
    return {transferWaitMs(),
            [&err](bool waiting) {
                if (waiting) {
                    err << "pelmora-cli: " << transferWaitingText() << std::endl;
                }
            },
            [&signals] { return signals.pending(); }};
}

// The labels as the window would hold them: those of str.ini, or the
// first-run labels when config.bin was never saved (the basic page's first
// drawing resets them then). Written back into the language's section; a
// missing str.ini is created, as the window creates it. Empty: saved;
// else what failed.
std::string saveButtonLabels(CliContext& ctx, std::uint8_t firstRunFlag) {
    const auto strIni = ctx.dataFolder().preferencesFile();
    const std::string code = readLanguageCode(strIni);
    ButtonLabels labels = firstRunFlag == 0 ? firstRunLabels(languageFromCode(code))
                                            : readPreferences(strIni, code).labels;
    std::string error;
    if (!writeLabels(strIni, code, labels, &error)) {
        return strIni.string() + " (the button labels) was not saved: " + error;
    }
    return {};
}

} // namespace

int devicesCommand(CliContext& ctx) {
    auto link = openLink(ctx);
    if (!link) {
        return kFailedStatus;
    }
    HidBackend& backend = link->backend();
    const auto collections = backend.enumerate();
    std::vector<const HidCollectionInfo*> mouse;
    for (const HidCollectionInfo& c : collections) {
        if (c.vendorId == kMouseVendorId && c.productId == kMouseProductId) {
            mouse.push_back(&c);
            ctx.out << c.interfacePath << "  usage page " << hex4(c.usagePage) << " usage "
                    << hex4(c.usage) << "  input " << c.inputReportLength << " output "
                    << c.outputReportLength << " feature " << c.featureReportLength << '\n';
        }
    }
    // Why a node of the mouse cannot be used: its descriptor, or opening one
    // of the collections discovery opens.
    const auto skipped = backend.skippedNodes();
    for (const std::string& problem : skipped) {
        ctx.out << problem << '\n';
    }
    std::set<std::string> nodes;
    std::set<std::string> mice;
    for (const HidCollectionInfo* c : mouse) {
        mice.insert(c->device);
        const bool used = (c->usagePage == kCommandUsagePage && c->usage == kCommandUsage) ||
                          (c->usagePage == kListenerUsagePage && c->usage == kListenerUsage);
        if (!used || !nodes.insert(c->interfacePath).second) {
            continue;
        }
        if (const OpenResult opened = backend.open(*c, OpenMode::Command); !opened.handle) {
            ctx.out << c->interfacePath << ": " << opened.error << '\n';
        }
    }
    if (mouse.empty()) {
        return ctx.fail(skipped.empty() ? std::string(kNoMouseText)
                                        : "the mouse is there, but none of its nodes can be used");
    }
    // Opening tells whether this user may talk to the mouse.
    if (!link->discover()) {
        return ctx.fail(link->lastError().empty()
                            ? std::string("the mouse has no command collection 0xff00")
                            : link->lastError());
    }
    ctx.out << (mice.size() > 1 ? std::to_string(mice.size()) + " mice; using " : "using ")
            << link->linkState().devicePath << '\n';
    return kOkStatus;
}

int readCommand(CliContext& ctx) {
    SignalWatch signals;
    StreamTraceSink trace(ctx.out); // outlives the link
    auto link = openFoundLink(ctx, trace);
    if (!link) {
        return kFailedStatus;
    }
    const TransferWait wait = cliTransferWait(ctx, signals);
    if (const TransferAccess access = link->readBasicSettings(&wait);
        access != TransferAccess::Granted) {
        return ctx.fail(transferGaveUpText(access, wait.timeoutMs));
    }
    const DeviceImage& image = link->deviceImage();
    ctx.out << "sensor type: " << int{image.sensorType} << '\n'
            << "report rate: " << int{image.reportRate} << '\n'
            << "option1: " << int{image.option1} << '\n'
            << "option2: " << int{image.option2} << '\n'
            << "DPI table:";
    const auto values = dpiValueTable(image.activeSensorType);
    for (std::size_t level = 0; level < values.size(); ++level) {
        ctx.out << ' ' << values[level];
    }
    if (values.empty()) {
        ctx.out << " none (unknown sensor type)";
    }
    ctx.out << '\n';
    return kOkStatus;
}

int applyCommand(CliContext& ctx) {
    bool reached = false;
    return applyToMouse(ctx, reached);
}

int applyToMouse(CliContext& ctx, bool& reached) {
    reached = false;
    // A signal waits until the transfer has ended: the mouse never keeps
    // half of the settings.
    SignalWatch signals;
    StderrSink messages(ctx.err);
    const auto file = ctx.dataFolder().settingsFile();
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    // Sending an all-zero block would wipe the mouse's settings.
    if (!ctx.loadSettings(settings, flag, "nothing was sent",
                          "no settings to apply; nothing was sent")) {
        return kFailedStatus;
    }
    StreamTraceSink trace(ctx.out); // outlives the link
    auto link = openFoundLink(ctx, trace);
    if (!link) {
        return kFailedStatus;
    }
    ApplySaving saving;
    saving.settingsFile = file;
    saving.messages = &messages;
    std::string labelsFailure;
    saving.saveLabels = [&ctx, flag, &labelsFailure] {
        labelsFailure = saveButtonLabels(ctx, flag);
    };
    // The read of the basic settings first, as the basic page's first
    // drawing does before any Apply (the DPI codes then come from the mouse's
    // own sensor table), under the same hold of the mouse.
    const TransferWait wait = cliTransferWait(ctx, signals);
    const ApplyResult result = link->apply(settings, saving, &wait, true);
    if (result.access != TransferAccess::Granted) {
        return ctx.fail(transferGaveUpText(result.access, wait.timeoutMs));
    }
    reached = true;
    if (const std::string signal = signals.take(); !signal.empty()) {
        ctx.err << "pelmora-cli: " << signal
                << " came during the transfer; it was finished first, the mouse holds all of "
                   "the settings\n";
    }
    // Apply runs to its end and saves whatever happened; the status tells.
    if (result.mouseStoppedAnswering()) {
        if (result.saved != SaveResult::Saved) {
            ctx.err << "pelmora-cli: " << file.string() << " was not saved\n";
        }
        if (!labelsFailure.empty()) {
            ctx.err << "pelmora-cli: " << labelsFailure << '\n';
        }
        return ctx.fail(applyFailureText(result));
    }
    if (result.saved != SaveResult::Saved) {
        return ctx.fail("the mouse was written, but " + file.string() + " was not saved");
    }
    if (!labelsFailure.empty()) {
        return ctx.fail("the mouse was written, but " + labelsFailure);
    }
    ctx.out << "applied " << file.string() << " to the mouse\n";
    return kOkStatus;
}

int listenCommand(CliContext& ctx) {
    SignalWatch signals;
    if (signals.fd() < 0) {
        return ctx.fail("cannot watch for Ctrl+C");
    }
    StderrSink messages(ctx.err);
    SettingsBlock settings{};
    std::uint8_t flag = 0;
    // Only the DPI levels are needed (for the DPI-change text); without
    // config.bin they stay 0.
    loadSettingsFile(ctx.dataFolder().settingsFile(), settings, flag, messages);

    auto link = openLink(ctx);
    if (!link) {
        return kFailedStatus;
    }
    std::mutex outputMutex;
    std::ostream& out = ctx.out;
    auto print = [&](const std::string& line) {
        std::lock_guard lock(outputMutex);
        out << line << std::endl;
    };
    const std::string notDetected = balloonForEvent(kMouseNotDetected, 0, settings, 0)->text;
    // The sensor type is read here and used on the listener thread.
    std::atomic<std::uint8_t> sensorType{0};
    if (link->discover()) {
        const TransferWait wait = cliTransferWait(ctx, signals);
        if (const TransferAccess access = link->readBasicSettings(&wait);
            access != TransferAccess::Granted) {
            ctx.err << "pelmora-cli: the sensor type was not read: "
                    << transferGaveUpText(access, wait.timeoutMs) << '\n';
        }
        sensorType = link->deviceImage().activeSensorType;
    } else if (!link->lastError().empty()) {
        return ctx.fail(link->lastError());
    } else {
        print("mouse gone: " + notDetected);
    }
    link->createListener([&](const DeviceEvent& event) {
        std::string line =
            "event " + std::to_string(event.type) + ' ' + std::to_string(event.value);
        if (const auto balloon =
                balloonForEvent(event.type, event.value, settings, sensorType.load())) {
            line += ": " + balloon->text;
        }
        print(line);
    });
    std::string error;
    if (!link->startMonitor(error)) {
        ctx.err << "pelmora-cli: plugging will not be noticed: " << error << '\n';
    }
    print("listening; Ctrl+C ends");
    // A re-read on the mouse's arrival gives up at once on Ctrl+C.
    const TransferWait rereadWait = cliTransferWait(ctx, signals);
    while (true) {
        pollfd fds[2] = {{signals.fd(), POLLIN, 0}, {link->monitorFd(), POLLIN, 0}};
        const int n = ::poll(fds, link->monitorFd() >= 0 ? 2 : 1, -1);
        if (n < 0 && errno != EINTR) {
            break;
        }
        if (fds[0].revents != 0) {
            break;
        }
        if (fds[1].revents != 0) {
            for (const DeviceChangeDecision& decision : link->handleMonitorReadable(&rereadWait)) {
                if (decision.warn) {
                    print("mouse gone: " + notDetected);
                } else if (decision.readBasicSettings) {
                    sensorType = link->deviceImage().activeSensorType;
                    print("mouse arrived");
                }
            }
        }
    }
    link->stopListener();
    print("stopped");
    return kOkStatus;
}

} // namespace pelmora::cli
