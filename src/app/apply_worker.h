#pragma once
// Runs the transfer of OK and Apply on a thread of its own, so the window
// keeps drawing, hovering and answering the tray while the mouse takes its
// pauses. The job runs on the worker and returns what is to be done with its
// result; that part runs on the GUI thread once the worker has ended.

#include <QObject>

#include <cstdint>
#include <functional>
#include <thread>

namespace pelmora {

class ApplyWorker : public QObject {
    Q_OBJECT
public:
    using Completion = std::function<void()>;
    using Job = std::function<Completion()>;

    ApplyWorker() = default;
    // Waits for a running job; its completion is then not run.
    ~ApplyWorker() override;
    ApplyWorker(const ApplyWorker&) = delete;
    ApplyWorker& operator=(const ApplyWorker&) = delete;

    // False (and nothing started) while a job runs.
    bool start(Job job);
    // From start() until the completion has run (GUI thread).
    bool running() const { return running_; }
    // Waits for a running job; its completion, even one already queued,
    // never runs and finished() is not emitted (teardown).
    void abandon();
    // Handles events until the running job's completion has run; false when
    // `timeoutMs` passed first.
    bool wait(int timeoutMs);

signals:
    void finished();

private:
    void complete(const Completion& completion);

    std::thread thread_;
    bool running_ = false;
    // Numbers the jobs, so that a completion queued by an abandoned job is
    // known when it arrives (GUI thread only).
    std::uint64_t jobs_ = 0;
};

} // namespace pelmora
