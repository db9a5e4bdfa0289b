#include "profiles/profile_store.h"

#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace pelmora {
namespace {

TEST(ProfileStoreTest, NamesFollowTheRule) {
    const struct {
        std::string name;
        ProfileNameProblem problem;
    } rows[] = {
        {"Game", ProfileNameProblem::None},
        {"Oyun ayarı ğüşiöç", ProfileNameProblem::None},
        {std::string(64, 'x'), ProfileNameProblem::None},
        {std::string(64, 'x') + "y", ProfileNameProblem::TooLong},
        {"游戏" + std::string(62, 'x'), ProfileNameProblem::None}, // characters, not bytes
        {"", ProfileNameProblem::Empty},
        {"a/b", ProfileNameProblem::Slash},
        {".hidden", ProfileNameProblem::LeadingDot},
        {"..", ProfileNameProblem::LeadingDot},
        {"tab\there", ProfileNameProblem::ControlCharacter},
        {"bad\xff", ProfileNameProblem::NotUtf8},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(checkProfileName(row.name), row.problem) << row.name;
    }
}

TEST(ProfileStoreTest, OneFilePerNameWhateverItsCase) {
    testing::ScratchFolder scratch;
    ProfileStore store(scratch.path() / "profiles");
    ProfileStoreError error;
    // No folder yet: no profiles, and no error.
    EXPECT_TRUE(store.list(error).empty());
    EXPECT_FALSE(error);

    EXPECT_EQ(store.write("Game", "{\"a\":1}", error), "Game");
    EXPECT_EQ(store.write("desk", "{}", error), "desk");
    // Another case is the same profile: replaced, its spelling kept.
    EXPECT_EQ(store.write("GAME", "{\"a\":2}", error), "Game");
    EXPECT_EQ(store.read("game", error), "{\"a\":2}");
    // Files that are no profile are not listed.
    std::ofstream(scratch.path() / "profiles" / ".hidden.json") << "{}";
    std::ofstream(scratch.path() / "profiles" / "notes.txt") << "";
    EXPECT_EQ(store.list(error), (std::vector<std::string>{"desk", "Game"}));

    // Rename: onto another profile is refused; a change of case is a rename.
    EXPECT_FALSE(store.rename("game", "Desk", error));
    EXPECT_EQ(error.failure, ProfileFailure::NameTaken);
    EXPECT_TRUE(store.rename("game", "gAme", error));
    EXPECT_EQ(store.list(error), (std::vector<std::string>{"desk", "gAme"}));
    EXPECT_FALSE(store.rename("gAme", "a/b", error));
    EXPECT_EQ(error.failure, ProfileFailure::BadName);

    EXPECT_TRUE(store.remove("DESK", error));
    EXPECT_EQ(store.list(error), (std::vector<std::string>{"gAme"}));
    EXPECT_FALSE(store.remove("desk", error));
    EXPECT_EQ(error.failure, ProfileFailure::NoSuchProfile);
    EXPECT_EQ(store.read("desk", error), "");
    EXPECT_EQ(error.failure, ProfileFailure::NoSuchProfile);

    // A file where the folder should be: told, not taken for no profiles.
    testing::writeTextFile(scratch.path() / "file", "");
    ProfileStore blocked(scratch.path() / "file");
    EXPECT_TRUE(blocked.list(error).empty());
    EXPECT_EQ(error.failure, ProfileFailure::FolderUnusable);
    EXPECT_EQ(blocked.write("Game", "{}", error), "");
    EXPECT_EQ(error.failure, ProfileFailure::FolderUnusable);
}

} // namespace
} // namespace pelmora
