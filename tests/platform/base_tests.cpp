// Text, numbers, dates and files of the platform.
#include "platform/base/autodate.h"
#include "platform/base/codepage.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <cstdio>
#include <sys/stat.h>

namespace {

TEST(CodePage, AnyByteStringSurvivesTheRoundTrip)
{
    const std::string cases[] = {
        "",
        "plain ASCII",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x8E\x89",  // 2-, 3- and 4-byte sequences
        "\x80\xFF\xFE",                               // bytes that start nothing
        "\xC3",                                       // a sequence cut short at the end
        "\xC3(",                                      // ... and in the middle
        "\xC0\xAF",                                   // overlong '/'
        "\xED\xA0\x80",                               // an encoded surrogate
        "\xF4\x90\x80\x80",                           // beyond U+10FFFF
        std::string("nul\0inside", 10),
    };
    for (const std::string& bytes : cases)
        EXPECT_EQ(WideToMultiByte(MultiByteToWide(bytes)), bytes) << "bytes of length " << bytes.size();
}

TEST(CodePage, ValidTextBecomesItsCharacters)
{
    EXPECT_EQ(MultiByteToWide("caf\xC3\xA9"), u"caf\u00E9");
    EXPECT_EQ(MultiByteToWide("\xF0\x9F\x8E\x89"), u"\U0001F389");
    // An invalid byte stands for itself as a lone low surrogate.
    EXPECT_EQ(MultiByteToWide("a\xFF"), std::u16string(u"a") + char16_t(0xDCFF));
}

TEST(CodePage, ALoneSurrogateThatIsNoEscapeBecomesTheReplacementCharacter)
{
    const std::u16string wide{u'a', char16_t(0xD800), u'b'};
    EXPECT_EQ(WideToMultiByte(wide), "a\xEF\xBF\xBD" "b");
}

TEST(Numbers, FormattingIgnoresTheLocale)
{
    CScopedCommaLocale comma;
    ASSERT_TRUE(comma.Active()) << "the de_DE.UTF-8 test locale is missing";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%.1f", 0.5);
    ASSERT_STREQ(printed, "0,5");  // the fault we are guarding against
    EXPECT_EQ(FormatFixed(36526.5, 9), "36526.500000000");
    EXPECT_EQ(FormatFixed(-0.25, 3), "-0.250");
    EXPECT_DOUBLE_EQ(ParseLeadingDouble("36526.5"), 36526.5);
    EXPECT_EQ(FormatInt(-1234567), "-1234567");
}

TEST(Numbers, LeadingIntegerParse)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"42", 42},         {"  42abc", 42},       {"\t-0012x", -12},     {"+7", 7},
        {"abc", 0},         {"", 0},               {"-", 0},              {"- 5", 0},
        {"2147483647", INT_MAX},                   {"2147483648", INT_MAX},
        {"-2147483648", INT_MIN},                  {"-99999999999999999999", INT_MIN},
        {"99999999999999999999999999999", INT_MAX}, {"12 34", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseLeadingInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(Numbers, LeadingDoubleParse)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"36526.500000000", 36526.5}, {"  -1.25xyz", -1.25}, {"", 0}, {"word", 0},
        {"1e3", 1000},                {"+2.5", 2.5},         {"nan", 0}, {"7,5", 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ParseLeadingDouble(c.text), c.value) << '"' << c.text << '"';
}

TEST(Numbers, HexByte)
{
    EXPECT_EQ(FormatHexByte(0), "00");
    EXPECT_EQ(FormatHexByte(0x80), "80");
    EXPECT_EQ(FormatHexByte(0xFF), "ff");
    EXPECT_EQ(FormatHexByte(0x1AB), "ab");
}

TEST(AutomationDate, KnownDays)
{
    const struct {
        CDateParts parts;
        double date;
    } cases[] = {
        {{1899, 12, 30, 0, 0, 0}, 0.0},
        {{2000, 1, 1, 12, 0, 0}, 36526.5},
        {{1899, 12, 29, 6, 0, 0}, -1.25},
        {{1900, 3, 1, 0, 0, 0}, 61.0},
        {{2026, 12, 11, 18, 30, 15}, 46367.0 + (18 * 3600 + 30 * 60 + 15) / 86400.0},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(DateFromParts(c.parts), c.date) << c.parts.year << "-" << c.parts.month;
        CDateParts back;
        ASSERT_TRUE(PartsFromDate(c.date, back));
        EXPECT_EQ(back.year, c.parts.year);
        EXPECT_EQ(back.month, c.parts.month);
        EXPECT_EQ(back.day, c.parts.day);
        EXPECT_EQ(back.hour, c.parts.hour);
        EXPECT_EQ(back.minute, c.parts.minute);
        EXPECT_EQ(back.second, c.parts.second);
    }
}

TEST(AutomationDate, NoDateForValuesOutOfRange)
{
    CDateParts parts;
    EXPECT_FALSE(PartsFromDate(1e300, parts));
    EXPECT_FALSE(PartsFromDate(-1e300, parts));
    EXPECT_FALSE(PartsFromDate(std::numeric_limits<double>::quiet_NaN(), parts));
    // The last second of a day rounds into the next day, not to 24:00.
    ASSERT_TRUE(PartsFromDate(0.9999999999, parts));
    EXPECT_EQ(parts.day, 31);
    EXPECT_EQ(parts.hour, 0);
}

TEST(AutomationDate, NowIsStampedToTheSecond)
{
    const double now = CurrentDate();
    EXPECT_GT(now, 46000.0);  // after 2025
    const double seconds = now * 86400.0;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-3);
}

TEST(Paths, FileNameAndFolder)
{
    const struct {
        const char* path;
        const char* name;
        const char* folder;
    } cases[] = {
        {"/srv/glintra/glntfx.class", "glntfx.class", "/srv/glintra"},
        {"sky.gif", "sky.gif", ""},
        {"/top", "top", ""},
        {"/srv/dir/", "", "/srv/dir"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathFileName(c.path), c.name) << c.path;
        EXPECT_EQ(PathFolder(c.path), c.folder) << c.path;
    }
    EXPECT_EQ(WithTrailingSlash("/a"), "/a/");
    EXPECT_EQ(WithTrailingSlash("/a/"), "/a/");
    EXPECT_EQ(WithTrailingSlash(""), "");
}

TEST(Paths, Patterns)
{
    const struct {
        const char* name;
        const char* pattern;
        bool match;
    } cases[] = {
        {"widget.pgt", "*.pgt", true},     {"WIDGET.PGT", "*.pgt", true},  {"widget.pgt.bak", "*.pgt", false},
        {"pgt", "*.pgt", false},           {"README", "*.*", true},        {".hidden", "*.*", true},
        {"a.gif", "?.gif", true},          {"ab.gif", "?.gif", false},     {"a*b", "a*b", true},
        {"axxbyyb", "a*b", true},          {"logo.jpeg", "*.jpg", false},  {"x", "*", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchFilePattern(c.name, c.pattern), c.match) << c.name << " ~ " << c.pattern;
}

class FilesTest : public ::testing::Test {
protected:
    CTempDir dir;
};

TEST_F(FilesTest, SearchFindsRegularFilesOnly)
{
    ASSERT_TRUE(WriteText(dir / "a.pgt", "1"));
    ASSERT_TRUE(WriteText(dir / "B.PGT", "2"));
    ASSERT_TRUE(WriteText(dir / "notes", "3"));
    ASSERT_TRUE(WriteText(dir / ".dotted", "4"));
    ASSERT_TRUE(CreateFolder(dir / "folder.pgt"));
    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(sorted(FindFiles(dir.Path(), "*.pgt")), (std::vector<std::string>{"B.PGT", "a.pgt"}));
    EXPECT_EQ(sorted(FindFiles(dir.Path(), "*.*")), (std::vector<std::string>{".dotted", "B.PGT", "a.pgt", "notes"}));
    EXPECT_TRUE(FindFiles(dir / "missing", "*.*").empty());
}

TEST_F(FilesTest, CopyReplacesAndFailsCleanly)
{
    ASSERT_TRUE(WriteText(dir / "src", "new contents"));
    ASSERT_TRUE(WriteText(dir / "dst", "old"));
    EXPECT_TRUE(CopyFileReplacing(dir / "src", dir / "dst"));
    EXPECT_EQ(ReadText(dir / "dst"), "new contents");
    // A missing source leaves the target as it was, and no temporary behind.
    EXPECT_FALSE(CopyFileReplacing(dir / "missing", dir / "dst"));
    EXPECT_EQ(ReadText(dir / "dst"), "new contents");
    EXPECT_FALSE(CopyFileReplacing(dir / "src", dir / "no-folder/dst"));
    EXPECT_FALSE(CopyFileReplacing(dir.Path(), dir / "dst2"));  // a folder is no file
    EXPECT_EQ(FindFiles(dir.Path(), "*.*").size(), 2u);
}

TEST_F(FilesTest, AtomicFileKeepsTheOldFileUntilCommitted)
{
    ASSERT_TRUE(WriteText(dir / "w.pgt", "old"));
    ::chmod((dir / "w.pgt").c_str(), 0640);
    {
        CAtomicFile file;
        ASSERT_TRUE(file.Open(dir / "w.pgt"));
        ASSERT_TRUE(file.Write("half"));
        EXPECT_EQ(ReadText(dir / "w.pgt"), "old");
        // Never committed: the program stopped half-way.
    }
    EXPECT_EQ(ReadText(dir / "w.pgt"), "old");
    EXPECT_EQ(FindFiles(dir.Path(), "*.*").size(), 1u);

    CAtomicFile file;
    ASSERT_TRUE(file.Open(dir / "w.pgt"));
    ASSERT_TRUE(file.Write("new"));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadText(dir / "w.pgt"), "new");
    struct stat st{};
    ASSERT_EQ(::stat((dir / "w.pgt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the replaced file's permissions stay
}

TEST_F(FilesTest, AtomicFileRefusesFolders)
{
    CAtomicFile file;
    EXPECT_FALSE(file.Open(dir.Path()));
    EXPECT_FALSE(file.Open(dir / "missing/x"));
    EXPECT_FALSE(WriteFileAtomically(dir.Path() + "/", "x"));
}

TEST_F(FilesTest, FoldersAndDeletion)
{
    EXPECT_TRUE(CreateFolder(dir / "tmp"));
    EXPECT_FALSE(CreateFolder(dir / "tmp"));
    EXPECT_TRUE(CreateFolderPath(dir / "a/b/c"));
    ASSERT_TRUE(WriteText(dir / "a/b/c/f", "x"));
    EXPECT_FALSE(RemoveFolder(dir / "a"));  // not empty
    EXPECT_FALSE(DeleteFileAt(dir / "a"));  // a folder is not deleted as a file
    EXPECT_TRUE(RemoveFolderTree(dir / "a"));
    EXPECT_FALSE(FolderExists(dir / "a"));
    EXPECT_TRUE(RemoveFolder(dir / "tmp"));
    ASSERT_TRUE(WriteText(dir / "f", "x"));
    EXPECT_TRUE(FileExists(dir / "f"));
    EXPECT_TRUE(DeleteFileAt(dir / "f"));
    EXPECT_FALSE(FileExists(dir / "f"));
    EXPECT_FALSE(DeleteFileAt(dir / "f"));
}

TEST(Files, ModulePathOfThisProgram)
{
    const std::string self = ModuleFilePath(reinterpret_cast<const void*>(&ExecutablePath));
    EXPECT_NE(self.find("libGlintraPlatform.so"), std::string::npos) << self;
    EXPECT_EQ(PathFileName(ExecutablePath()), "platform_tests");
}

} // namespace
