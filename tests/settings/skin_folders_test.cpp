// Skin folders: the list of skins and the check of "Path".
#include "settings/skin_folders.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

namespace pelmora {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> sorted(std::vector<std::string> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(SkinFoldersTest, ListsFoldersOnlyEachNameOnceAcrossRoots) {
    pelmora::testing::ScratchFolder dir;
    const fs::path installed = dir.path() / "installed";
    const fs::path user = dir.path() / "user";
    fs::create_directories(installed / "Default");
    fs::create_directories(installed / "Ember");
    std::ofstream(installed / "notes.txt") << "a plain file";
    fs::create_directories(user / "Ember");
    fs::create_directories(user / "Night");
    fs::create_symlink(installed / "notes.txt", user / "link-to-file");

    EXPECT_EQ(sorted(listSkins({installed})), (std::vector<std::string>{"Default", "Ember"}));
    EXPECT_EQ(sorted(listSkins({user, installed, dir.path() / "missing"})),
              (std::vector<std::string>{"Default", "Ember", "Night"}));
    EXPECT_TRUE(listSkins({dir.path() / "missing"}).empty());
}

TEST(SkinFoldersTest, PathIsTakenOnlyAsAPlainNameUnderARoot) {
    pelmora::testing::ScratchFolder dir;
    const fs::path installed = dir.path() / "Skins";
    const fs::path user = dir.path() / "mine";
    fs::create_directories(installed / "Default");
    fs::create_directories(installed / "Ember");
    fs::create_directories(user / "Ember");
    fs::create_directories(dir.path() / "elsewhere");
    const std::vector<fs::path> roots{user, installed};

    EXPECT_EQ(findSkin(roots, "Ember"), user / "Ember");
    EXPECT_EQ(findSkin(roots, "Default"), installed / "Default");
    for (std::string_view bad : {"", ".", "..", "../elsewhere", "/etc", "Ember/..", "Missing"}) {
        EXPECT_FALSE(findSkin(roots, bad)) << bad;
        EXPECT_EQ(effectiveSkinName(roots, bad), "Default") << bad;
    }
    EXPECT_EQ(effectiveSkinName(roots, "Ember"), "Ember");
    EXPECT_FALSE(isPlainSkinName(std::string_view("a\0b", 3)));
}

} // namespace
} // namespace pelmora
