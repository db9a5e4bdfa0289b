#include "app/apply_worker.h"

#include <QEventLoop>
#include <QMetaObject>
#include <QTimer>

namespace pelmora {

ApplyWorker::~ApplyWorker() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

bool ApplyWorker::start(Job job) {
    if (running_) {
        return false;
    }
    running_ = true;
    const std::uint64_t job_number = ++jobs_;
    thread_ = std::thread([this, job_number, job = std::move(job)] {
        Completion completion = job();
        // Queued: runs on the GUI thread, after the events already waiting.
        QMetaObject::invokeMethod(
            this,
            [this, job_number, completion = std::move(completion)] {
                // A job abandoned meanwhile has no completion any more.
                if (job_number == jobs_ && running_) {
                    complete(completion);
                }
            },
            Qt::QueuedConnection);
    });
    return true;
}

void ApplyWorker::complete(const Completion& completion) {
    if (thread_.joinable()) {
        thread_.join();
    }
    running_ = false;
    if (completion) {
        completion();
    }
    emit finished();
}

void ApplyWorker::abandon() {
    if (thread_.joinable()) {
        thread_.join();
    }
    running_ = false;
    ++jobs_; // the completion already queued is dropped when it comes
}

bool ApplyWorker::wait(int timeoutMs) {
    if (!running_) {
        return true;
    }
    // A loop of its own until the completion has run, or the time is up.
    QEventLoop loop;
    const QMetaObject::Connection done =
        connect(this, &ApplyWorker::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    disconnect(done);
    return !running_;
}

} // namespace pelmora
