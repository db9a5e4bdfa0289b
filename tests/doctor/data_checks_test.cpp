#include "doctor/data_checks.h"

#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::writeTextFile;

// Each file of a data folder gets its line; a wrong-sized config.bin and a
// missing skin fail, a missing str.ini only warns.
TEST(DataChecksTest, OneLinePerFileWithItsVerdict) {
    ScratchFolder folder;
    writeTextFile(folder / "config.bin", std::string(1850, '\0'));
    writeTextFile(folder / "record.ini", "[a]\nItemCount=0\n[b]\nItemCount=0\n");
    fs::create_directories(folder / "Skins/Default");
    const DoctorChecks good = dataFolderChecks(DataFolder(folder.path()), "/usr/share/pelmora");
    ASSERT_EQ(good.size(), 5u);
    EXPECT_EQ(good[0].found, folder.path().string() + ": given by --data-dir");
    EXPECT_EQ(good[1].verdict, Verdict::Ok);
    EXPECT_EQ(good[2].verdict, Verdict::Warn); // str.ini
    EXPECT_EQ(good[3].found, (folder / "record.ini").string() + ": 2 macros");
    EXPECT_EQ(good[4].verdict, Verdict::Ok);
    EXPECT_FALSE(anyFailed(good));

    writeTextFile(folder / "config.bin", "short");
    fs::remove_all(folder / "Skins");
    // A delivered copy is named only where one is there.
    ScratchFolder share;
    const DoctorChecks bad = dataFolderChecks(DataFolder(folder.path()), share.path());
    EXPECT_EQ(bad[1].verdict, Verdict::Fail);
    EXPECT_EQ(bad[1].fix.find(share.path().string()), std::string::npos) << bad[1].fix;
    EXPECT_EQ(bad[4].verdict, Verdict::Fail);
    writeTextFile(share / "config.bin", std::string(1850, '\0'));
    EXPECT_NE(dataFolderChecks(DataFolder(folder.path()), share.path())[1].fix.find(
                  "cp " + (share / "config.bin").string()),
              std::string::npos);

    const DoctorChecks none =
        dataFolderChecks(DataFolder(folder / "missing"), "/usr/share/pelmora");
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].verdict, Verdict::Fail);
}

} // namespace
} // namespace pelmora
