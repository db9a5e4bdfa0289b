#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// A folder that is missing, shared, or another user's is refused with the
// reason; the program then runs without the lock.
TEST_F(SingleInstanceTest, UnusableFolderIsAFailureNotASecondCopy) {
    std::filesystem::create_directory(folder / "shared");
    ::chmod((folder / "shared").c_str(), 01777);
    std::filesystem::create_directory(folder / "theirs");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown((folder / "theirs").c_str(), 65534, 65534), 0);
    }
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {{"missing", "No such file"},
                 {"shared", "written by other users"},
                 {"theirs", root ? "another user" : nullptr}};
    for (const auto& c : cases) {
        if (c.reason == nullptr) {
            continue; // giving a folder to another user needs root
        }
        SingleInstanceLock lock;
        EXPECT_EQ(lock.acquire(folder / c.name), SingleInstanceLock::Result::Failed) << c.name;
        EXPECT_NE(lock.error().find(c.reason), std::string::npos) << lock.error();
        EXPECT_FALSE(std::filesystem::exists(SingleInstanceLock::lockFile(folder / c.name)));
    }
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

// Without a runtime folder the lock lives in a folder of the user's own
// under the temp folder, never in the temp folder every user shares.
TEST_F(SingleInstanceTest, FallbackFolderBelongsToTheUserAlone) {
    const char* oldRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedRuntime = oldRuntime ? oldRuntime : "";
    const char* oldTmp = std::getenv("TMPDIR");
    const std::string savedTmp = oldTmp ? oldTmp : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", folder.c_str(), 1);
    const auto fallback = SingleInstanceLock::defaultFolder();
    EXPECT_EQ(fallback, folder / ("pelmora-" + std::to_string(::geteuid())));
    struct stat info {};
    ASSERT_EQ(::lstat(fallback.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::geteuid());
    SingleInstanceLock lock;
    EXPECT_EQ(lock.acquire(fallback), SingleInstanceLock::Result::Acquired);
    oldTmp ? ::setenv("TMPDIR", savedTmp.c_str(), 1) : ::unsetenv("TMPDIR");
    if (oldRuntime) {
        ::setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
    }
}

// Another user's lock file (held or not) is no copy of ours: the program
// runs without the lock instead of ending. Changing a file's owner needs root.
TEST_F(SingleInstanceTest, AnotherUsersLockFileIsNoSecondCopy) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to give a file to another user";
    }
    const auto file = SingleInstanceLock::lockFile(folder);
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::fchown(fd, 65534, 65534), 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0); // as if its owner were running
    SingleInstanceLock lock;
    EXPECT_EQ(lock.acquire(folder), SingleInstanceLock::Result::Failed);
    EXPECT_NE(lock.error().find("another user"), std::string::npos);
    ::close(fd);
}

} // namespace
} // namespace pelmora
