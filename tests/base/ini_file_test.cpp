#include "base/ini_file.h"
#include "base/utf_text.h"

#include "support/scratch_folder.h"
#include "support/text_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace pelmora {
namespace {

using ::testing::ElementsAre;
using testing::readTextFile;
using testing::ScratchFolder;
using testing::writeTextFile;

// Text as a UTF-16LE file with its byte order mark.
std::string utf16LittleEndianWithBom(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

TEST(IniFile, ReadsWindowsFileWithCommentsBlanksAndQuotes) {
    const auto ini = IniFile::parse("; made on Windows\r\n"
                                    "\r\n"
                                    "[Skins]\r\n"
                                    "  Lan = CHS  \r\n"
                                    "Path=\"  Dark  \"\r\n"
                                    "# another comment\r\n"
                                    "[Setting-EN]\r\n"
                                    "Item1=Left Click\r\n");
    EXPECT_THAT(ini.sectionNames(), ElementsAre("Skins", "Setting-EN"));
    EXPECT_EQ(ini.valueOr("Skins", "Lan"), "CHS");
    EXPECT_EQ(ini.valueOr("Skins", "Path"), "  Dark  ");
    EXPECT_EQ(ini.valueOr("Setting-EN", "Item1"), "Left Click");
    EXPECT_FALSE(ini.value("Skins", "Item1").has_value());
    EXPECT_FALSE(ini.value("Nowhere", "Lan").has_value());
}

TEST(IniFile, NamesMatchWithoutRegardToCaseAndDuplicatesReadTheFirst) {
    const auto ini = IniFile::parse("[Macro]\nkey=first\nKEY=second\n[MACRO]\nkey=third\n"
                                    "[Ärger]\nx=1\n[Привет]\ny=2\n");
    EXPECT_THAT(ini.sectionNames(), ElementsAre("Macro", "Ärger", "Привет"));
    EXPECT_EQ(ini.valueOr("mAcRo", "Key"), "first");
    EXPECT_EQ(ini.valueOr("äRGER", "X"), "1");
    EXPECT_EQ(ini.valueOr("пРИВЕТ", "y"), "2");
    EXPECT_THAT(ini.keyNames("macro"), ElementsAre("key"));
    EXPECT_TRUE(iniNamesEqual("İstanbul", "istanbul"));
    EXPECT_FALSE(iniNamesEqual("abc", "abcd"));
    EXPECT_FALSE(iniNamesEqual("宏一", "宏二"));
}

TEST(IniFile, DecodesUtf16LittleEndianWithBom) {
    // "[宏]\r\nItem0=A   Dn\r\n" in UTF-16LE with its byte order mark.
    const std::u16string text = u"[宏]\r\nItem0=A   Dn\r\n";
    const auto ini = IniFile::parse(utf16LittleEndianWithBom(text));
    EXPECT_THAT(ini.sectionNames(), ElementsAre("宏"));
    EXPECT_EQ(ini.valueOr("宏", "Item0"), "A   Dn");
    // Written back as UTF-8, keeping the Windows line endings.
    EXPECT_EQ(ini.serialise(), "[宏]\r\nItem0=A   Dn\r\n");
}

TEST(IniFile, Utf16TextStartingWithASecondBomReadsTheSameAfterAWrite) {
    // A doubled byte order mark: the second is a character of the first line,
    // which is then no section header. Written as UTF-8, it stays one.
    const std::u16string text = u"\uFEFF[A]\r\nk=1\r\n[B]\r\nk=2\r\n";
    const auto ini = IniFile::parse(utf16LittleEndianWithBom(text));
    EXPECT_THAT(ini.sectionNames(), ElementsAre("B"));
    const auto again = IniFile::parse(ini.serialise());
    EXPECT_THAT(again.sectionNames(), ElementsAre("B"));
    EXPECT_FALSE(again.value("A", "k").has_value());
    EXPECT_EQ(again.serialise(), ini.serialise());
}

TEST(IniFile, Utf8BomIsSkippedAndKept) {
    auto ini = IniFile::parse("\xEF\xBB\xBF[Skins]\nLan=TUR\n");
    EXPECT_THAT(ini.sectionNames(), ElementsAre("Skins"));
    ASSERT_TRUE(ini.setValue("Skins", "Path", "Default"));
    EXPECT_EQ(ini.serialise(), "\xEF\xBB\xBF[Skins]\nLan=TUR\nPath=Default\n");
}

TEST(IniFile, EditsKeepOrderAndUnparsableLines) {
    auto ini = IniFile::parse("junk before\n[a]\nk1=1\nthis line has no equals\n\n[b]\nk=2\n"
                              "[broken\n");
    ASSERT_TRUE(ini.setValue("A", "K1", "one"));  // replaced in place, old spelling kept
    ASSERT_TRUE(ini.setValue("a", "k2", "two"));  // appended after the last key of [a]
    ASSERT_TRUE(ini.setValue("c", "k", "three")); // new section at the end
    EXPECT_EQ(ini.serialise(), "junk before\n[a]\nk1=one\nk2=two\nthis line has no equals\n\n"
                               "[b]\nk=2\n[broken\n[c]\nk=three\n");

    ini.removeSection("B");
    EXPECT_THAT(ini.sectionNames(), ElementsAre("a", "c"));
    ASSERT_TRUE(ini.clearSection("a"));
    EXPECT_EQ(ini.serialise(), "junk before\n[a]\nthis line has no equals\n\n[c]\nk=three\n");
}

TEST(IniFile, StrayCarriageReturnsAtLineEndsReadTheSameAfterAWrite) {
    // Line ends taken from the first line ("\n"); a later line carries extra
    // carriage returns, as a file mended by hand on two systems may.
    for (std::string_view bytes : {std::string_view("[A]\nk=v\r\r\n; note\r\n"),
                                   std::string_view("[A]\r\nk=v\r\r\n; note\r\r\r\n")}) {
        const IniFile ini = IniFile::parse(bytes);
        EXPECT_EQ(ini.value("A", "k"), "v");
        const std::string written = ini.serialise();
        EXPECT_EQ(IniFile::parse(written).serialise(), written) << bytes;
    }
}

TEST(IniFile, RemovingASectionRemovesEveryCopyOfIt) {
    auto ini = IniFile::parse("[m]\nx=1\n[n]\ny=2\n[M]\nx=3\n");
    ini.removeSection("m");
    EXPECT_EQ(ini.serialise(), "[n]\ny=2\n");
    ini.removeKey("n", "Y");
    EXPECT_EQ(ini.serialise(), "[n]\n");
}

TEST(IniFile, ValuesThatWouldChangeOnReadingAreQuoted) {
    auto ini = IniFile::parse("");
    ASSERT_TRUE(ini.setValue("s", "a", " padded "));
    ASSERT_TRUE(ini.setValue("s", "b", "\"quoted\""));
    ASSERT_TRUE(ini.setValue("s", "c", ""));
    const auto back = IniFile::parse(ini.serialise());
    EXPECT_EQ(back.valueOr("s", "a"), " padded ");
    EXPECT_EQ(back.valueOr("s", "b"), "\"quoted\"");
    ASSERT_TRUE(back.value("s", "c").has_value());
    EXPECT_EQ(*back.value("s", "c"), "");
}

TEST(IniFile, RefusesWhatCannotBeStored) {
    auto ini = IniFile::parse("[s]\nk=v\n");
    const std::string before = ini.serialise();
    EXPECT_FALSE(ini.setValue("s", "k", "two\nlines"));
    EXPECT_FALSE(ini.setValue("a]b", "k", "v"));
    EXPECT_FALSE(ini.setValue("", "k", "v"));
    EXPECT_FALSE(ini.setValue(" s", "k", "v"));
    EXPECT_FALSE(ini.setValue("s", "a=b", "v"));
    EXPECT_FALSE(ini.setValue("s", "", "v"));
    EXPECT_FALSE(ini.invalidReason().empty());
    EXPECT_EQ(ini.serialise(), before);
}

TEST(IniFile, LongValuesAreCutTo1023Characters) {
    const std::string longValue(1500, 'x');
    std::string chinese;
    for (int i = 0; i < 1100; ++i) {
        chinese += "键";
    }
    const auto ini = IniFile::parse("[s]\nk=" + longValue + "\nc=" + chinese + "\n");
    EXPECT_EQ(ini.valueOr("s", "k"), std::string(1023, 'x'));
    EXPECT_EQ(utf8Length(ini.valueOr("s", "c")), 1023u);
    EXPECT_EQ(ini.valueOr("s", "c").size(), 1023u * 3);
}

TEST(IniFile, FilesAreCreatedReadAndReplacedWhole) {
    ScratchFolder dir;
    const auto file = dir / "str.ini";
    std::string error;
    EXPECT_EQ(readIniValue(file, "Skins", "Lan"), "");
    ASSERT_TRUE(writeIniValue(file, "Skins", "Lan", "CHT", error)) << error;
    ASSERT_TRUE(writeIniValue(file, "Skins", "Path", "Default", error)) << error;
    EXPECT_EQ(readTextFile(file), "[Skins]\nLan=CHT\nPath=Default\n");
    EXPECT_EQ(readIniValue(file, "skins", "lan"), "CHT");
    // No temporary file is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(IniFile, AFileThatCannotBeReadIsNotReplaced) {
    ScratchFolder dir;
    const auto file = dir / "record.ini";
    std::filesystem::create_directory(file); // exists, but reading it fails
    IniFile ini;
    std::string error;
    EXPECT_FALSE(IniFile::load(file, ini, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writeIniValue(file, "new", "k", "v", error));
    EXPECT_TRUE(std::filesystem::is_directory(file));
    EXPECT_EQ(readIniValue(file, "new", "k"), "");
}

TEST(IniFile, APipeInPlaceOfTheFileIsRefusedWithoutWaiting) {
    // Opening a pipe for reading waits for a writer: str.ini or record.ini
    // made a pipe must not hang the start-up, nor be replaced by a write.
    ScratchFolder dir;
    const auto file = dir / "str.ini";
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    IniFile ini;
    std::string error;
    EXPECT_FALSE(IniFile::load(file, ini, error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    EXPECT_EQ(readIniValue(file, "Skins", "Lan"), "");
    EXPECT_FALSE(writeIniValue(file, "Skins", "Lan", "CHS", error));
    EXPECT_TRUE(std::filesystem::is_fifo(file));
}

} // namespace
} // namespace pelmora
