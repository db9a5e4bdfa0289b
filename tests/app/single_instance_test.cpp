#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace pelmora {
namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/pelmora-lock-test.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

TEST_F(SingleInstanceTest, SecondHolderIsRefusedUntilTheFirstLetsGo) {
    SingleInstanceLock first;
    ASSERT_EQ(first.acquire(folder), SingleInstanceLock::Result::Acquired);
    EXPECT_EQ(SingleInstanceLock::lockFile(folder).filename(), "KandroMutex.lock");
    {
        SingleInstanceLock second;
        EXPECT_EQ(second.acquire(folder), SingleInstanceLock::Result::AlreadyRunning);
        EXPECT_FALSE(second.held());
    }
    SingleInstanceLock moved = std::move(first);
    EXPECT_TRUE(moved.held());
    SingleInstanceLock third;
    EXPECT_EQ(third.acquire(folder), SingleInstanceLock::Result::AlreadyRunning);
    moved = SingleInstanceLock();
    EXPECT_EQ(third.acquire(folder), SingleInstanceLock::Result::Acquired);
}

TEST_F(SingleInstanceTest, CrashedOwnerLeavesNoStaleLock) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstanceLock lock;
        const bool ok = lock.acquire(folder) == SingleInstanceLock::Result::Acquired;
        [[maybe_unused]] auto n = ::write(ready[1], ok ? "1" : "0", 1);
        ::pause(); // until killed
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, '1');
    SingleInstanceLock mine;
    EXPECT_EQ(mine.acquire(folder), SingleInstanceLock::Result::AlreadyRunning);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(mine.acquire(folder), SingleInstanceLock::Result::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(SingleInstanceTest, UnusableFolderIsAFailureNotASecondCopy) {
    SingleInstanceLock lock;
    EXPECT_EQ(lock.acquire(folder / "missing"), SingleInstanceLock::Result::Failed);
    EXPECT_FALSE(lock.error().empty());
}

TEST_F(SingleInstanceTest, DefaultFolderIsTheRuntimeFolder) {
    const char* old = std::getenv("XDG_RUNTIME_DIR");
    const std::string saved = old ? old : "";
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    EXPECT_EQ(SingleInstanceLock::defaultFolder(), folder);
    ::setenv("XDG_RUNTIME_DIR", (folder / "gone").c_str(), 1);
    EXPECT_NE(SingleInstanceLock::defaultFolder(), folder / "gone");
    if (old) {
        ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
    } else {
        ::unsetenv("XDG_RUNTIME_DIR");
    }
}

} // namespace
} // namespace pelmora
