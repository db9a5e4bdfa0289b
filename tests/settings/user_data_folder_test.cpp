#include "settings/user_data_folder.h"

#include "settings/data_folder.h"
#include "base/ini_file.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace pelmora {
namespace {

using testing::ScratchFolder;

// Sets or clears an environment variable for one test and puts it back.
class EnvVariable {
public:
    EnvVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvVariable() { saved_ ? ::setenv(name_, saved_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> saved_;
};

TEST(UserDataFolder, LocaleGivesTheInstallersLanguage) {
    struct Case {
        const char* locale;
        Language language;
    };
    const Case cases[] = {
        {"zh_CN.UTF-8", Language::SimplifiedChinese},
        {"zh_SG", Language::SimplifiedChinese},
        {"zh_TW.Big5", Language::TraditionalChinese},
        {"zh_HK.UTF-8", Language::TraditionalChinese},
        {"zh_MO@stroke", Language::TraditionalChinese},
        {"tr_TR.UTF-8", Language::Turkish},
        {"tr", Language::Turkish},
        {"tr_CY", Language::Turkish},
        // Languages that merely begin like one of them, bare Chinese, C and nothing.
        {"trv_TW", Language::English},
        {"zh", Language::English},
        {"zh_CNX", Language::English},
        {"en_US.UTF-8", Language::English},
        {"C", Language::English},
        {"", Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(languageForLocale(c.locale), c.language) << c.locale;
    }
}

TEST(UserDataFolder, MessagesLocaleFollowsPosixPrecedence) {
    EnvVariable all("LC_ALL", "tr_TR.UTF-8");
    EnvVariable messages("LC_MESSAGES", "zh_TW.UTF-8");
    EnvVariable lang("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(messagesLocale(), "tr_TR.UTF-8");
    {
        EnvVariable emptyAll("LC_ALL", "");
        EXPECT_EQ(messagesLocale(), "zh_TW.UTF-8");
        EnvVariable noMessages("LC_MESSAGES", nullptr);
        EXPECT_EQ(messagesLocale(), "zh_CN.UTF-8");
    }
}

TEST(UserDataFolder, XdgFoldersAndTheirDefaults) {
    EnvVariable home("HOME", "/home/someone");
    {
        EnvVariable config("XDG_CONFIG_HOME", "/cfg");
        EnvVariable data("XDG_DATA_HOME", "/dat");
        EXPECT_EQ(userConfigFolder(), "/cfg/pelmora");
        EXPECT_EQ(userSkinsFolder(), "/dat/pelmora/Skins");
    }
    // Unset, empty or relative values are ignored, as the XDG rules say.
    EnvVariable config("XDG_CONFIG_HOME", "");
    EnvVariable data("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(userConfigFolder(), "/home/someone/.config/pelmora");
    EXPECT_EQ(userSkinsFolder(), "/home/someone/.local/share/pelmora/Skins");
}

TEST(UserDataFolder, InstalledDataLiesBesideTheBinFolder) {
    EXPECT_EQ(installedDataFolder("/opt/x/bin"), "/opt/x/share/pelmora");
    EXPECT_EQ(installedDataFolder("/usr/bin/"), "/usr/share/pelmora");
}

TEST(UserDataFolder, PortableWhenAnyDataFileIsThere) {
    ScratchFolder folder;
    EXPECT_FALSE(holdsDataFiles(folder.path()));
    std::filesystem::create_directory(folder / "config.bin"); // a folder is no data file
    EXPECT_FALSE(holdsDataFiles(folder.path()));
    folder.write("record.ini", "");
    EXPECT_TRUE(holdsDataFiles(folder.path()));
    EXPECT_TRUE(holdsDataFiles(PELMORA_BIN_DIR));
}

class SeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(source);
        ScratchFolder::write(source / "config.bin", std::vector<std::uint8_t>(1850, 7));
        ScratchFolder::write(source / "record.ini", {'[', 'M', ']', '\n'});
        const std::string ini = "[Skins]\nLan=EN\nPath=Default\nRColor=1\n[Setting-EN]\nItem1=A\n";
        ScratchFolder::write(source / "str.ini", std::vector<std::uint8_t>(ini.begin(), ini.end()));
    }
    ScratchFolder scratch;
    std::filesystem::path source = scratch / "share";
    std::filesystem::path target = scratch / "home/.config/pelmora";
};

TEST_F(SeedTest, FirstStartCopiesTheDeliveredFilesWithTheLocalesLanguage) {
    const auto result = seedDataFolder(target, source, Language::TraditionalChinese);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.copied, (std::vector<std::string>{"config.bin", "str.ini", "record.ini"}));
    EXPECT_EQ(ScratchFolder::readBytes(target / "config.bin"),
              ScratchFolder::readBytes(source / "config.bin"));
    EXPECT_EQ(ScratchFolder::read(target / "record.ini"), "[M]\n");
    EXPECT_EQ(readIniValue(target / "str.ini", "Skins", "Lan"), "CHT");
    EXPECT_EQ(readIniValue(target / "str.ini", "Skins", "Path"), "Default");
    EXPECT_EQ(readIniValue(target / "str.ini", "Setting-EN", "Item1"), "A");
    // The installed file is left as it is.
    EXPECT_EQ(readIniValue(source / "str.ini", "Skins", "Lan"), "EN");
}

TEST_F(SeedTest, NeverOverwritesWhatTheUserHas) {
    std::filesystem::create_directories(target);
    ScratchFolder::write(target / "str.ini", {'[', 'S', 'k', 'i', 'n', 's', ']', '\n', 'L', 'a',
                                              'n', '=', 'T', 'U', 'R', '\n'});
    std::filesystem::create_symlink("nowhere", target / "record.ini"); // even a dangling link stays
    const auto result = seedDataFolder(target, source, Language::SimplifiedChinese);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.copied, std::vector<std::string>{"config.bin"});
    EXPECT_EQ(ScratchFolder::read(target / "str.ini"), "[Skins]\nLan=TUR\n");
    EXPECT_TRUE(std::filesystem::is_symlink(target / "record.ini"));
    // A second start changes nothing.
    EXPECT_TRUE(seedDataFolder(target, source, Language::English).copied.empty());
    EXPECT_EQ(readIniValue(target / "str.ini", "Skins", "Lan"), "TUR");
}

TEST_F(SeedTest, MissingInstalledFilesAndAnUncreatableFolder) {
    // Without installed files the folder is still made, and stays empty.
    const auto empty = seedDataFolder(target, scratch / "none", Language::English);
    EXPECT_EQ(empty.error, "");
    EXPECT_TRUE(empty.copied.empty());
    EXPECT_TRUE(std::filesystem::is_directory(target));
    // A file where the folder should be: an error, nothing copied.
    scratch.write("blocker", "");
    const auto blocked = seedDataFolder(scratch / "blocker/pelmora", source, Language::English);
    EXPECT_NE(blocked.error.find("blocker"), std::string::npos) << blocked.error;
    EXPECT_TRUE(blocked.copied.empty());
}

} // namespace
} // namespace pelmora
