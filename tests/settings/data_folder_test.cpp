#include "settings/data_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace pelmora {
namespace {

// Sets or clears PELMORA_DATA_DIR for one test and puts the old value back.
class DataDirVariable {
public:
    explicit DataDirVariable(const char* value) {
        if (const char* old = std::getenv(kName)) {
            saved_ = old;
        }
        if (value) {
            ::setenv(kName, value, 1);
        } else {
            ::unsetenv(kName);
        }
    }
    ~DataDirVariable() {
        if (saved_) {
            ::setenv(kName, saved_->c_str(), 1);
        } else {
            ::unsetenv(kName);
        }
    }

private:
    static constexpr const char* kName = "PELMORA_DATA_DIR";
    std::optional<std::string> saved_;
};

TEST(DataFolder, OptionThenEnvironmentThenExecutableFolder) {
    {
        DataDirVariable env("/from/env");
        EXPECT_EQ(DataFolder::resolve(std::filesystem::path("/from/option")).root(),
                  "/from/option");
        EXPECT_EQ(DataFolder::resolve(std::nullopt).root(), "/from/env");
        // An empty option is no option.
        EXPECT_EQ(DataFolder::resolve(std::filesystem::path()).root(), "/from/env");
    }
    {
        DataDirVariable env("");
        const auto root = DataFolder::resolve(std::nullopt).root();
        EXPECT_TRUE(std::filesystem::equivalent(root, PELMORA_BIN_DIR)) << root;
    }
    {
        DataDirVariable env(nullptr);
        const auto root = DataFolder::resolve(std::nullopt).root();
        EXPECT_TRUE(std::filesystem::equivalent(root, PELMORA_BIN_DIR)) << root;
        EXPECT_TRUE(std::filesystem::equivalent(root, executableFolder()));
    }
}

TEST(DataFolder, FileNamesDoNotDependOnTheExecutableName) {
    const DataFolder folder("/data/Pelmora.exe");
    EXPECT_EQ(folder.settingsFile(), "/data/Pelmora.exe/config.bin");
    EXPECT_EQ(folder.macroFile(), "/data/Pelmora.exe/record.ini");
    EXPECT_EQ(folder.preferencesFile(), "/data/Pelmora.exe/str.ini");
    EXPECT_EQ(folder.skinsRoots(), std::vector<std::filesystem::path>{"/data/Pelmora.exe/Skins"});
}

} // namespace
} // namespace pelmora
