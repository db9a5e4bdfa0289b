#include "settings/settings_file.h"

#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

namespace pelmora {
namespace {

using testing::ScratchFolder;

// A settings block with something in every byte, reserved bytes included.
SettingsBlock patternBlock() {
    SettingsBlock s{};
    for (std::size_t i = 0; i < kSettingsBlockSize; ++i) {
        s.bytes()[i] = static_cast<std::uint8_t>(i * 13 + 1);
    }
    return s;
}

std::vector<std::uint8_t> fileImage(std::uint8_t flag, const SettingsBlock& s) {
    std::vector<std::uint8_t> bytes(kSettingsFileSize);
    bytes[0] = flag;
    std::copy(s.bytes().begin(), s.bytes().end(), bytes.begin() + 1);
    return bytes;
}

// Whether the current user can still read a file after chmod 000 (root can).
bool permissionsStopReading(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY);
    if (fd >= 0) {
        ::close(fd);
        return false;
    }
    return true;
}

class SettingsFileTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::filesystem::path file = folder / "config.bin";
    RecordingMessageSink messages;
    SettingsBlock settings{};
    std::uint8_t flag = 0x5A; // anything but what a load would set
};

TEST_F(SettingsFileTest, DeliveredFileLoadsWholeAndItsFlagStaysZeroInMemory) {
    const SettingsBlock stored = patternBlock();
    ScratchFolder::write(file, fileImage(0, stored));
    EXPECT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Loaded);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(settings, stored);
    EXPECT_TRUE(messages.messages.empty());

    // Saving writes flag 1 but leaves the flag in memory as it was read.
    EXPECT_EQ(saveSettingsFile(file, settings, messages), SaveResult::Saved);
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(ScratchFolder::readBytes(file), fileImage(1, stored));
}

TEST_F(SettingsFileTest, ReservedBytesAndBothKeyModesSurviveSaveAndLoad) {
    ScratchFolder::write(file, fileImage(1, SettingsBlock{}));
    SettingsBlock edited{};
    edited.reserved080 = {1, 2, 3, 4, 5};
    edited.reserved086 = 6;
    edited.reserved0A2 = 7;
    edited.keyBlockA.keyFunction[2] = 12;
    edited.keyBlockB.keyFunction[2] = 13;
    edited.keyBlockB.macroLoopMode[7] = 2;
    edited.dpiSwitchParamB[7] = 3;
    ASSERT_EQ(saveSettingsFile(file, edited, messages), SaveResult::Saved);

    ASSERT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Loaded);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(settings, edited);
    EXPECT_EQ(settings.keyBlockA.keyFunction[2], 12);
    EXPECT_EQ(settings.keyBlockB.keyFunction[2], 13);
    const auto bytes = ScratchFolder::readBytes(file);
    ASSERT_EQ(bytes.size(), 1850u);
    EXPECT_EQ(bytes[1 + 0x080], 1);
    EXPECT_EQ(bytes[1 + 0x086], 6);
    EXPECT_EQ(bytes[1 + 0x0A2], 7);
}

TEST_F(SettingsFileTest, FileOfAnotherSizeIsIgnoredSilently) {
    const SettingsBlock before = patternBlock();
    for (std::size_t size : {std::size_t{0}, std::size_t{1849}, std::size_t{1851}}) {
        std::vector<std::uint8_t> bytes(size, 0x01);
        ScratchFolder::write(file, bytes);
        settings = before;
        flag = 0x5A;
        EXPECT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::WrongSize) << size;
        EXPECT_EQ(settings, before) << size;
        EXPECT_EQ(flag, 0x5A) << size;
    }
    EXPECT_TRUE(messages.messages.empty());
}

TEST_F(SettingsFileTest, MissingFileIsReportedAndNeverCreated) {
    EXPECT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Missing);
    EXPECT_EQ(settings, SettingsBlock{});
    EXPECT_EQ(saveSettingsFile(file, patternBlock(), messages), SaveResult::Missing);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(folder.entries().empty());
    ASSERT_EQ(messages.messages.size(), 2u);
    for (const auto& m : messages.messages) {
        EXPECT_EQ(m.text, "Config file is not exist.");
        EXPECT_EQ(m.caption, "Pelmora");
    }
}

TEST_F(SettingsFileTest, TheWindowNamesTheFileAndWhatToDoInItsLanguage) {
    loadSettingsFile(file, settings, flag, messages, Language::Turkish);
    std::filesystem::create_directory(file); // the rename over it fails
    EXPECT_EQ(saveSettingsFile(file, {}, messages, Language::Turkish), SaveResult::WriteFailed);
    ASSERT_EQ(messages.messages.size(), 3u); // missing; error code; file and reason
    const std::string& missing = messages.messages[0].text;
    EXPECT_EQ(missing.rfind("Config file is not exist.\n", 0), 0u) << missing;
    for (const std::string& part :
         {file.string(), std::string("share/pelmora/config.bin"), std::string("eksik")}) {
        EXPECT_NE(missing.find(part), std::string::npos) << part;
    }
    EXPECT_NE(messages.messages[2].text.find(file.string() + " kaydedilemedi: "), std::string::npos)
        << messages.messages[2].text;
}

TEST_F(SettingsFileTest, UnreadableFileIsReportedAndNotReadFrom) {
    // A folder where the file should be: it exists but holds no bytes to read.
    std::filesystem::create_directory(file);
    settings = patternBlock();
    EXPECT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Unreadable);
    EXPECT_EQ(settings, patternBlock());
    EXPECT_EQ(flag, 0x5A);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Pelmora");
    EXPECT_FALSE(messages.messages[0].text.empty());
}

TEST_F(SettingsFileTest, PipeInPlaceOfTheFileIsReportedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Unreadable);
    EXPECT_EQ(settings, SettingsBlock{});
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Pelmora");
}

TEST_F(SettingsFileTest, FileWithoutReadPermissionIsReported) {
    ScratchFolder::write(file, fileImage(1, patternBlock()));
    std::filesystem::permissions(file, std::filesystem::perms::none);
    if (!permissionsStopReading(file)) {
        GTEST_SKIP() << "this user reads files without read permission";
    }
    EXPECT_EQ(loadSettingsFile(file, settings, flag, messages), LoadResult::Unreadable);
    EXPECT_EQ(settings, SettingsBlock{});
    EXPECT_EQ(flag, 0x5A);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "Pelmora");
}

TEST_F(SettingsFileTest, SaveIntoReadOnlyFolderFailsAndKeepsTheOldFile) {
    const auto old = fileImage(0, patternBlock());
    ScratchFolder::write(file, old);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    if (::access(folder.path().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user writes into read-only folders";
    }
    EXPECT_EQ(saveSettingsFile(file, SettingsBlock{}, messages), SaveResult::WriteFailed);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "NULL ==fp ");
    EXPECT_EQ(messages.messages[0].text, "Error Code is: 13 \n"); // EACCES
    EXPECT_EQ(ScratchFolder::readBytes(file), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"config.bin"});
}

TEST_F(SettingsFileTest, FailedSaveKeepsTheOldFileAndLeavesNoTemporaryFile) {
    // A file name at the length limit: the temporary name beside it cannot be
    // created, whoever runs the test.
    const auto longFile = folder / std::string(250, 'c');
    const auto old = fileImage(0, patternBlock());
    ScratchFolder::write(longFile, old);
    EXPECT_EQ(saveSettingsFile(longFile, SettingsBlock{}, messages), SaveResult::WriteFailed);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "NULL ==fp ");
    EXPECT_EQ(messages.messages[0].text, "Error Code is: 36 \n"); // ENAMETOOLONG
    EXPECT_EQ(ScratchFolder::readBytes(longFile), old);

    // The rename fails (a folder stands in the file's place): the temporary
    // file written beside it is removed again.
    messages.messages.clear();
    std::filesystem::create_directory(file);
    EXPECT_EQ(saveSettingsFile(file, SettingsBlock{}, messages), SaveResult::WriteFailed);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].caption, "NULL ==fp ");
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{std::string(250, 'c'), "config.bin"}));
}

TEST_F(SettingsFileTest, SaveLeavesOnlyTheFileAndKeepsItsPermissions) {
    ScratchFolder::write(file, fileImage(0, SettingsBlock{}));
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(saveSettingsFile(file, patternBlock(), messages), SaveResult::Saved);
    }
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"config.bin"});
    EXPECT_EQ(std::filesystem::status(file).permissions(), std::filesystem::perms::owner_read |
                                                               std::filesystem::perms::owner_write |
                                                               std::filesystem::perms::group_read);
    EXPECT_EQ(ScratchFolder::readBytes(file), fileImage(1, patternBlock()));
}

TEST_F(SettingsFileTest, SaveThroughASymbolicLinkKeepsTheLink) {
    std::filesystem::create_directory(folder / "kept");
    const auto target = folder / "kept" / "config.bin";
    ScratchFolder::write(target, fileImage(0, SettingsBlock{}));
    std::filesystem::create_symlink(target, file);
    EXPECT_EQ(saveSettingsFile(file, patternBlock(), messages), SaveResult::Saved);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_EQ(ScratchFolder::readBytes(target), fileImage(1, patternBlock()));
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"config.bin", "kept"}));
}

TEST_F(SettingsFileTest, ReadOnlyFileIsNotReplaced) {
    const auto old = fileImage(0, patternBlock());
    ScratchFolder::write(file, old);
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    if (::access(file.c_str(), W_OK) == 0) {
        GTEST_SKIP() << "this user writes read-only files";
    }
    EXPECT_EQ(saveSettingsFile(file, SettingsBlock{}, messages), SaveResult::WriteFailed);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0].text, "Error Code is: 13 \n"); // EACCES
    EXPECT_EQ(ScratchFolder::readBytes(file), old);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"config.bin"});
}

} // namespace
} // namespace pelmora
