#include "device/sim/sim_backend.h"

#include "base/unique_fd.h"
#include "device/event_fd.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>

namespace pelmora::sim {

namespace {
class SimMonitorQueue {
public:
    void push(DeviceChange change) {
        std::lock_guard lock(mutex_);
        changes_.push_back(change);
        ready_.signal();
    }
    std::vector<DeviceChange> take() {
        std::lock_guard lock(mutex_);
        ready_.clear();
        std::vector<DeviceChange> out(changes_.begin(), changes_.end());
        changes_.clear();
        return out;
    }
    int fd() const { return ready_.fd(); }

private:
    std::mutex mutex_;
    std::deque<DeviceChange> changes_;
    EventFd ready_;
};

class SimMonitor final : public DeviceMonitor {
public:
    explicit SimMonitor(std::shared_ptr<SimMonitorQueue> queue) : queue_(std::move(queue)) {}
    int fd() const override { return queue_->fd(); }
    std::vector<DeviceChange> readChanges() override { return queue_->take(); }

private:
    std::shared_ptr<SimMonitorQueue> queue_;
};
} // namespace

struct SimBackend::Shared {
    std::mutex mutex;
    EventFd commandReady;
    EventFd listenerReady;
    unsigned generation = 0; // bumped at every unplug: older handles are dead
    std::vector<std::weak_ptr<SimMonitorQueue>> monitors;

    const EventFd& ready(SimCollection c) const {
        return c == SimCollection::Command ? commandReady : listenerReady;
    }
    void announce(DeviceChange change) {
        std::lock_guard lock(mutex);
        for (const auto& weak : monitors) {
            if (auto monitor = weak.lock()) {
                monitor->push(change);
            }
        }
    }
};

namespace {
class SimHandle final : public HidHandle {
public:
    SimHandle(std::shared_ptr<SimulatedMouse> mouse, std::shared_ptr<SimBackend::Shared> shared,
              SimCollection collection, unsigned generation, std::filesystem::path lockFile)
        : mouse_(std::move(mouse)), shared_(std::move(shared)), collection_(collection),
          generation_(generation), lockFile_(std::move(lockFile)) {}

    bool setFeature(std::span<const std::uint8_t> report) override {
        if (collection_ != SimCollection::Command || !alive()) {
            return false;
        }
        mouse_->setFeature(report);
        return true;
    }
    bool getFeature(std::span<std::uint8_t> report) override {
        if (collection_ != SimCollection::Command || !alive()) {
            return false;
        }
        mouse_->getFeature(report);
        return true;
    }
    bool write(std::span<const std::uint8_t> report) override {
        if (collection_ != SimCollection::Command || !alive()) {
            return false;
        }
        mouse_->writeOutput(report);
        return true;
    }
    ReadResult read(std::span<std::uint8_t> report, int timeoutMs) override {
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
        const EventFd& ready = shared_->ready(collection_);
        while (true) {
            if (!alive()) {
                return {ReadStatus::Failed, 0};
            }
            {
                std::lock_guard lock(shared_->mutex);
                if (auto input = mouse_->takeInput(collection_)) {
                    if (!mouse_->hasInput(collection_)) {
                        ready.clear();
                    }
                    std::fill(report.begin(), report.end(), 0);
                    const std::size_t n = std::min(input->size(), report.size());
                    std::copy_n(input->begin(), n, report.begin());
                    return {ReadStatus::Ok, n};
                }
                if (shared_->generation == generation_) {
                    ready.clear(); // a dead handle leaves the signal for its reader
                }
            }
            int wait = -1;
            if (timeoutMs >= 0) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
                if (left.count() <= 0 && timeoutMs > 0) {
                    return {ReadStatus::TimedOut, 0};
                }
                wait = static_cast<int>(std::max<long long>(left.count(), 0));
            }
            if (!ready.wait(wait) && timeoutMs >= 0) {
                return {ReadStatus::TimedOut, 0};
            }
        }
    }
    int pollFd() const override { return shared_->ready(collection_).fd(); }

    bool tryLockTransfers() override {
        if (lockFile_.empty()) {
            return true;
        }
        if (!lock_.valid()) {
            lock_ = UniqueFd(::open(lockFile_.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0644));
            if (!lock_.valid()) {
                return true; // a folder that takes no lock file keeps no one out
            }
        }
        if (::flock(lock_.get(), LOCK_EX | LOCK_NB) != 0) {
            return errno != EWOULDBLOCK && errno != EINTR;
        }
        // The mouse as the last program left it.
        mouse_->reloadStateFile();
        return true;
    }
    void unlockTransfers() override {
        if (lock_.valid()) {
            mouse_->flushState(); // the next program starts from what this one did
            ::flock(lock_.get(), LOCK_UN);
        }
    }

private:
    bool alive() const {
        if (!mouse_->plugged()) {
            return false;
        }
        std::lock_guard lock(shared_->mutex);
        return shared_->generation == generation_;
    }

    std::shared_ptr<SimulatedMouse> mouse_;
    std::shared_ptr<SimBackend::Shared> shared_;
    SimCollection collection_;
    unsigned generation_;
    std::filesystem::path lockFile_;
    UniqueFd lock_;
};
} // namespace

std::filesystem::path simLockFileOf(const std::filesystem::path& stateFile) {
    std::filesystem::path lock = stateFile;
    lock += ".lock";
    return lock;
}

SimBackend::SimBackend(std::shared_ptr<SimulatedMouse> mouse,
                       std::function<void(std::string_view)> log, std::filesystem::path lockFile)
    : mouse_(std::move(mouse)), shared_(std::make_shared<Shared>()),
      lockFile_(std::move(lockFile)) {
    std::weak_ptr<Shared> weak = shared_;
    SimulatedMouse::Observer observer;
    observer.logged = std::move(log);
    observer.inputQueued = [weak](SimCollection collection) {
        if (auto shared = weak.lock()) {
            std::lock_guard lock(shared->mutex);
            shared->ready(collection).signal();
        }
    };
    observer.plugChanged = [weak](bool plugged) {
        auto shared = weak.lock();
        if (!shared) {
            return;
        }
        if (!plugged) {
            std::lock_guard lock(shared->mutex);
            ++shared->generation;
            shared->commandReady.signal(); // wakes readers, which then fail
            shared->listenerReady.signal();
        }
        shared->announce(plugged ? DeviceChange::Arrival : DeviceChange::Removal);
    };
    mouse_->setObserver(std::move(observer));
}

SimBackend::~SimBackend() {
    mouse_->flushState(); // while the log still has its listener
    mouse_->setObserver({});
}

std::vector<HidCollectionInfo> SimBackend::enumerate() {
    if (!mouse_->plugged()) {
        return {};
    }
    auto collection = [](std::string_view path, std::uint16_t page, std::uint16_t usage,
                         std::uint16_t in, std::uint16_t out, std::uint16_t feature) {
        HidCollectionInfo info;
        info.path = std::string(path);
        info.interfacePath = std::string(path);
        info.vendorId = 0x04D9;
        info.productId = 0xA09F;
        info.usagePage = page;
        info.usage = usage;
        info.inputReportLength = in;
        info.outputReportLength = out;
        info.featureReportLength = feature;
        return info;
    };
    return {collection(kSimPointerPath, 0x0001, 0x0002, 8, 0, 0),
            collection(kSimListenerPath, 0xFF01, 0xFF01, kSimListenerInputLength, 0, 0),
            collection(kSimCommandPath, 0xFF00, 0xFF00, kSimCommandInputLength,
                       kSimCommandOutputLength, kSimFeatureLength)};
}

OpenResult SimBackend::open(const HidCollectionInfo& collection, OpenMode) {
    OpenResult result;
    if (!mouse_->plugged()) {
        result.error = "the simulated mouse is unplugged";
        return result;
    }
    SimCollection which;
    if (collection.path == kSimCommandPath) {
        which = SimCollection::Command;
    } else if (collection.path == kSimListenerPath) {
        which = SimCollection::Listener;
    } else {
        result.error = "the simulated mouse has no collection " + collection.path;
        return result;
    }
    unsigned generation = 0;
    {
        std::lock_guard lock(shared_->mutex);
        generation = shared_->generation;
    }
    // Only the command collection is locked; every reader gets every report.
    result.handle = std::make_unique<SimHandle>(
        mouse_, shared_, which, generation,
        which == SimCollection::Command ? lockFile_ : std::filesystem::path());
    return result;
}

std::unique_ptr<DeviceMonitor> SimBackend::createMonitor(std::string&) {
    auto queue = std::make_shared<SimMonitorQueue>();
    {
        std::lock_guard lock(shared_->mutex);
        shared_->monitors.push_back(queue);
    }
    return std::make_unique<SimMonitor>(std::move(queue));
}

} // namespace pelmora::sim
