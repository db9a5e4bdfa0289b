#include "base/atomic_file.h"

#include "support/scratch_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace pelmora {
namespace {

using testing::ScratchFolder;
using ::testing::UnorderedElementsAre;

std::vector<std::string> entries(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

std::span<const std::uint8_t> bytesOf(const std::string& text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// Saves killed at random moments, over and over: the file is always whole,
// and once the next save has run, nothing else is left in the folder.
TEST(AtomicFileTest, KilledSavesLeaveNoTemporaryFiles) {
    ScratchFolder folder;
    const auto file = folder / "config.bin";
    const std::string a(1850, 'a');
    const std::string b(1850, 'b');
    std::string error;
    ASSERT_TRUE(replaceFileAtomically(file, bytesOf(a), error)) << error;

    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    int kills = 0;
    for (unsigned round = 0; round < 400 && std::chrono::steady_clock::now() < until; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::string childError;
            for (unsigned i = 0;; ++i) {
                replaceFileAtomically(file, bytesOf(i % 2 ? a : b), childError);
            }
        }
        ::usleep(200 + (round * 37) % 1500);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        kills += WIFSIGNALED(status) ? 1 : 0;
        const std::string now = ScratchFolder::read(file);
        ASSERT_TRUE(now == a || now == b) << "a torn file after round " << round;
    }
    EXPECT_GT(kills, 10);
    ASSERT_TRUE(replaceFileAtomically(file, bytesOf(b), error)) << error;
    EXPECT_THAT(entries(folder.path()), UnorderedElementsAre("config.bin"));
    EXPECT_EQ(ScratchFolder::read(file), b);
}

// Only temporaries of our own pattern that no live save holds are removed.
TEST(AtomicFileTest, StaleTemporariesGoOthersStay) {
    ScratchFolder folder;
    const auto file = folder / "str.ini";
    folder.write(".str.ini.tmp-abc123", "left by a killed save");
    folder.write("str.ini.backup", "the user's");
    folder.write(".str.ini.tmp-toolong1", "not our pattern");
    const auto live = folder.write(".str.ini.tmp-live00", "a save in progress");
    const int fd = ::open(live.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    std::string error;
    ASSERT_TRUE(replaceFileAtomically(file, bytesOf("[Skins]\n"), error)) << error;
    EXPECT_THAT(entries(folder.path()),
                UnorderedElementsAre("str.ini", "str.ini.backup", ".str.ini.tmp-toolong1",
                                     ".str.ini.tmp-live00"));
    ::close(fd);
    ASSERT_TRUE(replaceFileAtomically(file, bytesOf("[Skins]\n"), error)) << error;
    EXPECT_THAT(entries(folder.path()),
                UnorderedElementsAre("str.ini", "str.ini.backup", ".str.ini.tmp-toolong1"));
}

// The same bytes again leave the file as it is (same inode); other bytes of
// any length replace it; a read-only file is refused even when it would not
// change, as writing it would be.
TEST(AtomicFileTest, UnchangedContentIsNotRewritten) {
    ScratchFolder folder;
    const auto file = folder.write("config.bin", "abcdef");
    const auto inode = [&file] {
        struct stat info {};
        ::stat(file.c_str(), &info);
        return info.st_ino;
    };
    const auto before = inode();
    std::string error;
    ASSERT_TRUE(replaceFileAtomically(file, bytesOf("abcdef"), error)) << error;
    EXPECT_EQ(inode(), before);
    ASSERT_TRUE(replaceFileAtomically(file, bytesOf("abcdeF"), error)) << error;
    EXPECT_NE(inode(), before);
    for (const std::string& other :
         std::vector<std::string>{"abcde", "abcdefg", std::string(20000, 'x')}) {
        ASSERT_TRUE(replaceFileAtomically(file, bytesOf(other), error)) << error;
        EXPECT_EQ(ScratchFolder::read(file), other);
    }
    if (::geteuid() != 0) { // root may write anything
        ::chmod(file.c_str(), 0444);
        EXPECT_FALSE(replaceFileAtomically(file, bytesOf(std::string(20000, 'x')), error));
    }
}

// New files take the process's mask, which saves on several threads at once
// only read: a save never leaves it changed for the files after it.
TEST(AtomicFileTest, NewFilesTakeTheMaskThatSavesNeverChange) {
    ScratchFolder folder;
    const mode_t before = ::umask(027);
    std::atomic<bool> changed = false;
    std::thread other([&folder] {
        for (int i = 0; i < 300; ++i) {
            std::string error;
            replaceFileAtomically(folder.path() / ("w" + std::to_string(i)), bytesOf("x"), error);
        }
    });
    for (int i = 0; i < 300 && !changed; ++i) {
        std::string error;
        const auto file = folder.path() / ("m" + std::to_string(i));
        ASSERT_TRUE(replaceFileAtomically(file, bytesOf("y"), error)) << error;
        struct stat info {};
        ::stat(file.c_str(), &info);
        changed = (info.st_mode & 0777) != 0640;
    }
    other.join();
    EXPECT_FALSE(changed);
    EXPECT_EQ(::umask(before), 027);
}

} // namespace
} // namespace pelmora
