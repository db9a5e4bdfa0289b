#include "app/apply_worker.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace pelmora {
namespace {

// A job abandoned after it queued its completion (teardown while the
// transfer's last answer is on its way) never runs that completion later.
TEST(ApplyWorkerTest, AbandonedJobsCompletionNeverRuns) {
    ApplyWorker worker;
    QSignalSpy finished(&worker, &ApplyWorker::finished);
    int completions = 0;
    ASSERT_TRUE(worker.start([&completions] { return [&completions] { ++completions; }; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(20)); // the completion is queued
    worker.abandon();
    EXPECT_FALSE(worker.running());
    QCoreApplication::processEvents();
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(finished.count(), 0);
    // The next job is not mistaken for the abandoned one.
    ASSERT_TRUE(worker.start([&completions] { return [&completions] { ++completions; }; }));
    EXPECT_TRUE(worker.wait(5000));
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(finished.count(), 1);
}

} // namespace
} // namespace pelmora
