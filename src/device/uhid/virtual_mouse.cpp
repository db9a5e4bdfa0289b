#include "device/uhid/virtual_mouse.h"

#include "device/uhid/report_descriptors.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

namespace pelmora::uhid {

namespace {

// Upper bound of reports forwarded at once, so a model that always has
// something ready cannot keep the loop from answering the kernel.
constexpr int kMaxReportsPerSync = 256;

std::string failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

} // namespace

const char* eventName(std::uint32_t type) {
    static constexpr std::array<const char*, 15> kNames{
        "create",
        "destroy",
        "start",
        "stop",
        "open",
        "close",
        "output",
        "output-ev",
        "input",
        "get-report",
        "get-report-reply",
        "create2",
        "input2",
        "set-report",
        "set-report-reply",
    };
    return type < kNames.size() ? kNames[type] : "unknown";
}

VirtualMouse::VirtualMouse(sim::SimulatedMouse& firmware, UhidOpener opener)
    : firmware_(firmware), opener_(std::move(opener)) {}

VirtualMouse::~VirtualMouse() {
    remove();
}

bool VirtualMouse::sync(std::string& error) {
    const bool present = firmware_.plugged();
    if (present && !plugged()) {
        if (!create(error)) {
            remove();
            return false;
        }
    } else if (!present && plugged()) {
        remove();
    }
    return forwardChunks(error) && forwardEvents(error);
}

bool VirtualMouse::create(std::string& error) {
    command_ = opener_(error);
    if (!command_) {
        return false;
    }
    pointer_ = opener_(error);
    if (!pointer_) {
        return false;
    }
    DeviceIdentity identity{
        .name = "Pelmora virtual mouse",
        .bus = kBusUsb,
        .vendor = kVendorId,
        .product = kProductId,
        .version = 0x0100,
        .descriptor = kCommandDeviceDescriptor,
    };
    if (!command_->create(identity)) {
        error = failure("cannot create the command device");
        return false;
    }
    identity.descriptor = kPointerDeviceDescriptor;
    if (!pointer_->create(identity)) {
        error = failure("cannot create the pointer device");
        return false;
    }
    return true;
}

void VirtualMouse::remove() {
    for (auto* device : {&command_, &pointer_}) {
        if (*device && (*device)->created()) {
            (*device)->destroy();
        }
        device->reset();
    }
}

std::vector<int> VirtualMouse::pollFds() const {
    std::vector<int> fds;
    if (command_) {
        fds.push_back(command_->fd());
    }
    if (pointer_) {
        fds.push_back(pointer_->fd());
    }
    return fds;
}

bool VirtualMouse::handleReadable(int fd, std::string& error) {
    UhidDevice* device = nullptr;
    if (command_ && command_->fd() == fd) {
        device = &*command_;
    } else if (pointer_ && pointer_->fd() == fd) {
        device = &*pointer_;
    } else {
        return true; // a device removed meanwhile
    }
    const auto event = device->readEvent();
    if (!event) {
        error = failure("the kernel's uhid channel failed");
        return false;
    }
    return device == &*command_ ? handleCommandEvent(*event, error)
                                : handlePointerEvent(*event, error);
}

bool VirtualMouse::handleCommandEvent(const uhid_event& event, std::string& error) {
    switch (event.type) {
    case UHID_SET_REPORT: {
        const auto& req = event.u.set_report;
        bool ok = false;
        if (req.rtype == UHID_FEATURE_REPORT && req.rnum == 0 && req.size <= sizeof req.data) {
            // The data starts with the report-ID byte (0: the device numbers
            // no reports), the layout the model takes.
            firmware_.setFeature(std::span(req.data, req.size));
            ok = true;
        }
        if (!command_->replySetReport(req.id, ok ? 0 : EIO)) {
            error = failure("cannot answer a set-feature");
            return false;
        }
        return forwardChunks(error);
    }
    case UHID_GET_REPORT: {
        const auto& req = event.u.get_report;
        std::array<std::uint8_t, 1 + kFrameBytes> report{};
        bool ok = false;
        if (req.rtype == UHID_FEATURE_REPORT && req.rnum == 0) {
            firmware_.getFeature(report);
            ok = true;
        }
        // The reply carries the report-ID byte in front of the frame.
        const bool sent = ok ? command_->replyGetReport(req.id, 0, report)
                             : command_->replyGetReport(req.id, EIO, {});
        if (!sent) {
            error = failure("cannot answer a get-feature");
            return false;
        }
        return forwardChunks(error);
    }
    case UHID_OUTPUT: {
        const auto& req = event.u.output;
        if (req.rtype == UHID_OUTPUT_REPORT && req.size <= sizeof req.data) {
            firmware_.writeOutput(std::span(req.data, req.size));
        }
        return forwardChunks(error);
    }
    default:
        return true; // start, stop, open, close: nothing to answer
    }
}

bool VirtualMouse::handlePointerEvent(const uhid_event& event, std::string& error) {
    // The pointer device has no feature reports; answer at once so the
    // kernel does not wait for its time-out.
    bool sent = true;
    if (event.type == UHID_GET_REPORT) {
        sent = pointer_->replyGetReport(event.u.get_report.id, EIO, {});
    } else if (event.type == UHID_SET_REPORT) {
        sent = pointer_->replySetReport(event.u.set_report.id, EIO);
    }
    if (!sent) {
        error = failure("cannot answer the pointer device's request");
    }
    return sent;
}

bool VirtualMouse::forwardChunks(std::string& error) {
    if (!command_) {
        return true;
    }
    for (int i = 0; i < kMaxReportsPerSync && firmware_.hasInput(sim::SimCollection::Command);
         ++i) {
        const auto report = firmware_.takeInput(sim::SimCollection::Command);
        if (!report || report->empty() || stalled_) {
            continue;
        }
        // Without report IDs the kernel takes the report without the ID byte.
        if (!command_->sendInput(std::span(*report).subspan(1))) {
            error = failure("cannot send a chunk");
            return false;
        }
    }
    return true;
}

bool VirtualMouse::forwardEvents(std::string& error) {
    if (!pointer_) {
        return true;
    }
    for (int i = 0; i < kMaxReportsPerSync && firmware_.hasInput(sim::SimCollection::Listener);
         ++i) {
        const auto report = firmware_.takeInput(sim::SimCollection::Listener);
        if (!report || report->empty()) {
            continue;
        }
        // Numbered report: the ID byte (6) leads.
        if (!pointer_->sendInput(*report)) {
            error = failure("cannot send a listener event");
            return false;
        }
    }
    return true;
}

bool VirtualMouse::sendPointerReport(std::uint8_t buttons, std::int16_t dx, std::int16_t dy,
                                     std::int8_t wheel, std::string& error) {
    if (!pointer_) {
        error = "the mouse is unplugged";
        return false;
    }
    const auto x = static_cast<std::uint16_t>(dx);
    const auto y = static_cast<std::uint16_t>(dy);
    const std::array<std::uint8_t, 1 + kPointerDataBytes> report{
        kPointerReportId,
        buttons,
        static_cast<std::uint8_t>(x & 0xFF),
        static_cast<std::uint8_t>(x >> 8),
        static_cast<std::uint8_t>(y & 0xFF),
        static_cast<std::uint8_t>(y >> 8),
        static_cast<std::uint8_t>(wheel),
    };
    if (!pointer_->sendInput(report)) {
        error = failure("cannot send a pointer report");
        return false;
    }
    return true;
}

} // namespace pelmora::uhid
