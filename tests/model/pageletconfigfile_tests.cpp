// The pagelet configuration file: its exact written form, the tolerant
// reader, strict counts and writes that never lose the old file.
#include "model/pageletconfigfile.h"

#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <cctype>
#include <csignal>
#include <initializer_list>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n")
{
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += end;
    }
    return text;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

CPageletConfigFile Read(std::string_view text, CPageletConfigFile file = {})
{
    file.ReadText(text);
    return file;
}

const std::string kAppletBody = "<p align=\"Center\">\r\n</P>\r\n";

// The default design saved by the host, cut down to a few parameters.
CPageletConfigFile DefaultDesignFile()
{
    CPageletConfigFile file;
    file.SetDescription("ProgID", "PageletServer.Glintra");
    file.SetDescription("Title", "Normal");
    file.SetDescription("Description", "");
    file.SetDescription("LastUpdateTime", "36526.500000000");
    file.SetDescription("PreviewPath", "");
    file.SetParameter("Version", "1.5");
    file.SetParameter("m_nTotalPages", "1");
    file.SetParameter("m_FontColor-0", "16777215");
    file.SetParameter("m_ShowText-0", "Enter Message Here");
    file.SetParameter("m_PgBKImg-0", "");
    file.AddResource("glntfx.class", "/srv/", "");
    file.AddSegment("cursor", kAppletBody);
    return file;
}

const std::string kDefaultDesignText =
    "========== Description Part Begin ==========\r\n"
    "ProgID = PageletServer.Glintra\r\n"
    "Title = Normal\r\n"
    "Description = \r\n"
    "LastUpdateTime = 36526.500000000\r\n"
    "PreviewPath = \r\n"
    "========== Description Part End ==========\r\n"
    "\r\n"
    "========== Parameter Part Begin ==========\r\n"
    "Version = 1.5\r\n"
    "m_nTotalPages = 1\r\n"
    "m_FontColor-0 = 16777215\r\n"
    "m_ShowText-0 = Enter Message Here\r\n"
    "m_PgBKImg-0 = \r\n"
    "========== Parameter Part End ==========\r\n"
    "\r\n"
    "========== Resource Part Begin ==========\r\n"
    "Resource Number = 1\r\n"
    "glntfx.class=/srv/=\r\n"
    "========== Resource Part End ==========\r\n"
    "\r\n"
    "========== HTML Part Begin ==========\r\n"
    "Segment Number = 1\r\n"
    "Segment Position = cursor\r\n"
    "<p align=\"Center\">\r\n"
    "</P>\r\n"
    "===== Segment End =====\r\n"
    "========== HTML Part End ==========\r\n"
    "\r\n";

// An object that already holds something in every table and list.
CPageletConfigFile Prefilled()
{
    CPageletConfigFile file;
    file.SetDescription("Title", "Before");
    file.SetDescription("Kept", "yes");
    file.SetParameter("m_appWidth", "300");
    file.AddResource("old1.gif", "/old/", "");
    file.AddResource("old2.gif", "/old/", "img/");
    file.AddResource("old3.gif", "/old/", "");
    file.AddSegment("style", "<style></style>\r\n");
    file.AddSegment("script", "<script></script>\r\n");
    return file;
}

std::string ResourcePart(std::string_view count, std::initializer_list<std::string_view> lines)
{
    std::string text = "========== Resource Part Begin ==========\r\n";
    text += "Resource Number = ";
    text += count;
    text += "\r\n";
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text + "========== Resource Part End ==========\r\n\r\n";
}

// The two table parts, empty, so that a test can start at the Resource part.
const std::string kEmptyTableParts = Lines({
    "========== Description Part Begin ==========",
    "========== Description Part End ==========",
    "========== Parameter Part Begin ==========",
    "========== Parameter Part End ==========",
});

TEST(PageletConfigFile, WritesTheDefaultDesignFileByteForByte)
{
    const CPageletConfigFile file = DefaultDesignFile();
    EXPECT_EQ(file.WriteText(), kDefaultDesignText);

    CTempDir dir;
    ASSERT_TRUE(file.WriteFile(dir / "widget.pgt"));
    EXPECT_EQ(ReadText(dir / "widget.pgt"), kDefaultDesignText);
    EXPECT_TRUE(file == DefaultDesignFile());  // writing changes nothing
}

TEST(PageletConfigFile, ReadsBackWhatItWrote)
{
    CTempDir dir;
    ASSERT_TRUE(DefaultDesignFile().WriteFile(dir / "widget.pgt"));
    CPageletConfigFile file;
    ASSERT_TRUE(file.ReadFile(dir / "widget.pgt"));
    EXPECT_TRUE(file == DefaultDesignFile());
    EXPECT_EQ(file.GetSegmentBody(0), kAppletBody);  // byte for byte
}

TEST(PageletConfigFile, ReaderAcceptsTheLooseFormsOfAWellFormedFile)
{
    std::string lowerMarkers = kDefaultDesignText;
    for (std::string_view marker :
         {"========== Description Part Begin ==========", "========== Description Part End ==========",
          "========== Parameter Part Begin ==========", "========== Parameter Part End ==========",
          "========== Resource Part Begin ==========", "========== Resource Part End ==========",
          "========== HTML Part Begin ==========", "===== Segment End =====",
          "========== HTML Part End =========="}) {
        std::string lower(marker);
        for (char& c : lower)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        lowerMarkers = ReplaceAll(lowerMarkers, marker, lower);
    }
    const std::string handWritten = Lines(
        {
            "Written by hand; anything may come before the first marker.",
            "========== DESCRIPTION PART BEGIN ==========",
            "PreviewPath=",
            "",
            "a line without an equals sign",
            "  LastUpdateTime   =   36526.500000000\t",
            "Title=Normal",
            "Description =",
            "ProgID = PageletServer.Glintra ",
            "========== Description Part End ==========",
            "========== Parameter Part Begin ==========",
            "m_PgBKImg-0 =",
            "m_ShowText-0=Enter Message Here",
            "m_FontColor-0 = 16777215",
            "m_nTotalPages = 1",
            "Version = 1.5",
            "========== Parameter Part End ==========",
            "========== Resource Part Begin ==========",
            "resource number=1",
            "  glntfx.class = /srv/ =  ",
            "========== Resource Part End ==========",
            "========== Html Part Begin ==========",
            "SEGMENT NUMBER = 1",
            "segment position=cursor",
            "<p align=\"Center\">",
            "</P>",
            "===== SEGMENT END =====",
            "========== HTML Part End ==========",
        },
        "\n");
    struct Case {
        const char* name;
        std::string text;
    };
    const Case cases[] = {
        {"as written", kDefaultDesignText},
        {"bare line feeds", ReplaceAll(kDefaultDesignText, "\r\n", "\n")},
        {"lone carriage returns", ReplaceAll(kDefaultDesignText, "\r\n", "\r")},
        {"no line end after the last line", kDefaultDesignText.substr(0, kDefaultDesignText.size() - 4)},
        {"lower-case markers", lowerMarkers},
        {"shuffled, loose and hand-written", handWritten},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(Read(c.text) == DefaultDesignFile()) << c.name << ":\n" << Read(c.text).WriteText();
}

TEST(PageletConfigFile, KeyLinesSplitAtTheFirstEqualsSignAndAreTrimmed)
{
    struct Case {
        std::string line;
        bool isKeyLine;
        std::string key;
        std::string value;
    };
    const Case cases[] = {
        {"Title=Sale", true, "Title", "Sale"},
        {"Title = Sale ", true, "Title", "Sale"},
        {"m_URL-0 = page.htm?a=1", true, "m_URL-0", "page.htm?a=1"},
        {"\t Key \v=\f value with  inner\tblanks \t", true, "Key", "value with  inner\tblanks"},
        {"Description = ", true, "Description", ""},
        {" = orphan", true, "", "orphan"},
        {"Name = caf\xC3\xA9 \xA0", true, "Name", "caf\xC3\xA9 \xA0"},  // only ASCII white space is trimmed
        {"Key == \"quoted\"", true, "Key", "= \"quoted\""},
        {"no equals sign at all", false, "", ""},
        // A marker is a whole line: with a blank in front it is a key line.
        {" ========== Description Part End ==========", true, "", "========= Description Part End =========="},
    };
    for (const Case& c : cases) {
        const CPageletConfigFile file = Read(Lines({"========== Description Part Begin ==========", c.line,
                                                    "========== Description Part End =========="}));
        CTextTable expected;
        if (c.isKeyLine)
            expected.Set(c.key, c.value);
        EXPECT_TRUE(file.m_mapDescription == expected) << "line: " << c.line;
    }
}

TEST(PageletConfigFile, ResourceLinesSplitIntoNameFolderAndWebPath)
{
    struct Case {
        const char* line;
        CResourceEntry entry;
    };
    const Case cases[] = {
        {"a.gif=/pics/=img/", {"a.gif", "/pics/", "img/"}},
        {"a.gif=/pics/", {"a.gif", "/pics/", ""}},
        {" a.gif = /pics/ = img/ ", {"a.gif", "/pics/", "img/"}},
        {"a.gif=/my=pics/=img/", {"a.gif", "/my=pics/", "img/"}},
        {"=/pics/=", {"", "/pics/", ""}},
        {"a.gif=", {"a.gif", "", ""}},
    };
    for (const Case& c : cases) {
        const CPageletConfigFile file = Read(kEmptyTableParts + ResourcePart("1", {c.line}));
        ASSERT_EQ(file.GetResourceCount(), 1) << c.line;
        EXPECT_EQ(file.m_aResources[0], c.entry) << c.line;
    }
}

TEST(PageletConfigFile, ReadingAddsToTheTablesAndReplacesTheListsWithWhatTheFileHolds)
{
    const CPageletConfigFile file = Read(kDefaultDesignText, Prefilled());
    EXPECT_EQ(file.m_mapDescription.Lookup("Kept", ""), "yes");
    EXPECT_EQ(file.m_mapDescription.Lookup("Title", ""), "Normal");
    EXPECT_EQ(file.LookupParameter("m_appWidth", ""), "300");
    EXPECT_EQ(file.m_aResources, DefaultDesignFile().m_aResources);
    EXPECT_EQ(file.m_aSegments, DefaultDesignFile().m_aSegments);

    // A count of 0 leaves a list as it was.
    const std::string zeroCounts = kEmptyTableParts + ResourcePart("0", {"new.gif=/new/="}) +
                                   Lines({"========== HTML Part Begin ==========", "Segment Number = 0",
                                          "Segment Position = cursor", "<b></b>", "===== Segment End =====",
                                          "========== HTML Part End =========="});
    const CPageletConfigFile unchanged = Read(zeroCounts, Prefilled());
    EXPECT_TRUE(unchanged == Prefilled());
}

TEST(PageletConfigFile, MissingPartsLeaveTheirTablesAndListsAsTheyWere)
{
    EXPECT_TRUE(Read("", Prefilled()) == Prefilled());
    EXPECT_TRUE(Read("no markers here\r\nTitle = Other\r\n", Prefilled()) == Prefilled());
    // Without its begin marker a part and all later ones are absent, even
    // when the later ones are there.
    EXPECT_TRUE(Read(ReplaceAll(kDefaultDesignText, "Description Part Begin", "Description Begin"), Prefilled()) ==
                Prefilled());

    const CPageletConfigFile descriptionOnly =
        Read(Lines({"========== Description Part Begin ==========", "Title = Only",
                    "========== Description Part End =========="}),
             Prefilled());
    CPageletConfigFile expected = Prefilled();
    expected.SetDescription("Title", "Only");
    EXPECT_TRUE(descriptionOnly == expected);

    CTempDir dir;
    ASSERT_TRUE(WriteText(dir / "empty.pgt", ""));
    CPageletConfigFile fromEmptyFile = Prefilled();
    EXPECT_TRUE(fromEmptyFile.ReadFile(dir / "empty.pgt"));
    EXPECT_TRUE(fromEmptyFile == Prefilled());
}

TEST(PageletConfigFile, CountsLargerThanTheEntriesTakeOnlyTheRealEntries)
{
    const std::string text =
        kEmptyTableParts + ResourcePart("5", {"a.gif=/pics/=", "b.gif=/pics/=img/"}) +
        Lines({"========== HTML Part Begin ==========", "Segment Number = 3", "Segment Position = cursor", "<b>x</b>",
               "===== Segment End =====", "========== HTML Part End ==========", "",
               // Nothing after the part's end counts as one of its segments.
               "Segment Position = late", "<i>late</i>", "===== Segment End ====="});
    const CPageletConfigFile file = Read(text, Prefilled());
    ASSERT_EQ(file.GetResourceCount(), 2);  // never the end marker, never the old third entry
    EXPECT_EQ(file.m_aResources[0], (CResourceEntry{"a.gif", "/pics/", ""}));
    EXPECT_EQ(file.m_aResources[1], (CResourceEntry{"b.gif", "/pics/", "img/"}));
    ASSERT_EQ(file.GetSegmentCount(), 1);
    EXPECT_EQ(file.m_aSegments[0], (CHtmlSegment{"cursor", "<b>x</b>\r\n"}));
}

TEST(PageletConfigFile, TheSearchForACountStopsAtThePartsEnd)
{
    // Without a count line the Resource part gives no count; the HTML part
    // after it is still read, and the entry-like line is no entry.
    const std::string text = kEmptyTableParts +
                             Lines({"========== Resource Part Begin ==========", "x.gif=/pics/=",
                                    "========== Resource Part End ==========", "========== HTML Part Begin ==========",
                                    "Resource Number = 1", "Segment Number = 1", "Segment Position = cursor",
                                    "<b>x</b>", "===== Segment End =====", "========== HTML Part End =========="});
    const CPageletConfigFile file = Read(text, Prefilled());
    EXPECT_EQ(file.m_aResources, Prefilled().m_aResources);
    ASSERT_EQ(file.GetSegmentCount(), 1);
    EXPECT_EQ(file.m_aSegments[0], (CHtmlSegment{"cursor", "<b>x</b>\r\n"}));

    // A segment count with no segment position before the part's end.
    const CPageletConfigFile noPosition =
        Read(kEmptyTableParts + ResourcePart("0", {}) + Lines({"========== HTML Part Begin ==========", "Segment Number = 2",
                                       "========== HTML Part End ==========", "Segment Position = late", "<i></i>"}),
             Prefilled());
    EXPECT_EQ(noPosition.GetSegmentCount(), 0);
}

TEST(PageletConfigFile, ASegmentBodyRunsToItsEndMarkerOrTheEndOfTheText)
{
    const std::string text = kEmptyTableParts + ResourcePart("0", {}) +
                             Lines({"========== HTML Part Begin ==========", "Segment Number = 1",
                                    "Segment Position = cursor", "  indented  ", "",
                                    "========== HTML Part End =========="}) +
                             "last line without an end";
    const CPageletConfigFile file = Read(text);
    ASSERT_EQ(file.GetSegmentCount(), 1);
    // Not trimmed, and the part's end marker is body text here.
    EXPECT_EQ(file.GetSegmentBody(0),
              "  indented  \r\n\r\n========== HTML Part End ==========\r\nlast line without an end\r\n");
}

TEST(PageletConfigFile, CountsAreLeadingNumbersAndNegativeOnesWrapAt16Bits)
{
    struct Case {
        const char* count;
        int entries;  // -1: the list stays as it was
    };
    const Case cases[] = {
        {"3", 3},   {"2 entries", 2}, {"+2", 2}, {"-1", 3},  // 65535
        {"-65535", 1},                                        // 1
        {"-65536", -1},                                       // 0
        {"0", -1},  {"none", -1},     {"", -1},  {"99999999999999", 3},
    };
    for (const Case& c : cases) {
        const CPageletConfigFile file =
            Read(kEmptyTableParts + ResourcePart(c.count, {"a=/a/=", "b=/b/=", "c=/c/="}), Prefilled());
        if (c.entries < 0) {
            EXPECT_EQ(file.m_aResources, Prefilled().m_aResources) << "count " << c.count;
        } else {
            ASSERT_EQ(file.GetResourceCount(), c.entries) << "count " << c.count;
            EXPECT_EQ(file.GetResourceName(c.entries - 1), std::string(1, char('a' + c.entries - 1)));
        }
    }
}

TEST(PageletConfigFile, AHugeCountInATinyFileCostsNothing)
{
    const std::string text = kEmptyTableParts + ResourcePart("2147483647", {"a=/a/="}) +
                             Lines({"========== HTML Part Begin ==========", "Segment Number = -1",
                                    "Segment Position = cursor", "x", "===== Segment End =====",
                                    "========== HTML Part End =========="});
    const CPageletConfigFile file = Read(text);
    EXPECT_EQ(file.GetResourceCount(), 1);
    EXPECT_EQ(file.GetSegmentCount(), 1);
    EXPECT_LT(file.m_aResources.capacity(), 16u);
    EXPECT_LT(file.m_aSegments.capacity(), 16u);
}

TEST(PageletConfigFile, MoreThan65535ResourcesRoundTrip)
{
    CPageletConfigFile file;
    const int count = 70000;
    for (int i = 0; i < count; ++i)
        file.AddResource("img" + FormatInt(i) + ".gif", "/pics/", "img/");
    const std::string text = file.WriteText();
    EXPECT_NE(text.find("\r\nResource Number = 70000\r\n"), std::string::npos);
    const CPageletConfigFile back = Read(text);
    ASSERT_EQ(back.GetResourceCount(), count);
    EXPECT_EQ(back.GetResourceName(count - 1), "img69999.gif");
}

TEST(PageletConfigFile, TheWriterNeverBreaksTheLineStructure)
{
    CPageletConfigFile file;
    file.SetDescription("Multi\r\nline key", "first\rsecond\nthird\r\n");
    file.SetParameter("m_URL-0", "a\nb");
    file.AddResource("x\r.gif", "/pi\ncs/", "im\r\ng/");
    // With an empty name and web path this folder would spell the end marker.
    file.AddResource("", "========= resource part end =========", "");
    file.AddResource("after.gif", "/pics/", "");
    file.AddSegment("cur\nsor", "<b>no line end</b>");
    file.AddSegment("cursor", "");
    file.AddSegment("cursor", "ends in a lone CR\r");

    CPageletConfigFile expected;
    expected.SetDescription("Multi  line key", "first second third");
    expected.SetParameter("m_URL-0", "a b");
    expected.AddResource("x .gif", "/pi cs/", "im  g/");
    expected.AddResource("", "========= resource part end =========", "");
    expected.AddResource("after.gif", "/pics/", "");
    expected.AddSegment("cur sor", "<b>no line end</b>\r\n");
    expected.AddSegment("cursor", "");
    expected.AddSegment("cursor", "ends in a lone CR\r\n\r\n");

    const std::string text = file.WriteText();
    EXPECT_TRUE(Read(text) == expected) << text;
    EXPECT_NE(text.find("\r\n ========== resource part end ==========\r\n"), std::string::npos) << text;
}

TEST(PageletConfigFile, HostileStringsSurviveAWriteAndARead)
{
    CPageletConfigFile file;
    file.SetDescription("Title", "\"Sale\" = 50% off, <b>&amp;</b>");
    file.SetDescription("caf\xC3\xA9", "\xFF\xFE\x80 bytes that are no UTF-8");
    file.SetParameter("m_ShowText-0", "Line|_#`two\ttabbed  and  spaced");
    file.SetParameter("m_URL-0", "page.htm?a=1&b==2");
    file.SetParameter("nul", std::string("a\0b", 3));
    file.SetParameter("marker", "========== Parameter Part End ==========");
    file.SetParameter("count", "Segment Number = 9");
    file.SetParameter("long", std::string(3 << 20, 'L'));  // longer than any read buffer
    file.AddResource("\"q\".gif", "/my = pics/", "we b/");
    file.AddResource("Resource Number", "5", "");
    file.AddSegment("cursor", "========== HTML Part End ==========\r\nSegment Position = x\r\n" +
                                  std::string(2 << 20, 'B') + "\r\n");

    CTempDir dir;
    ASSERT_TRUE(file.WriteFile(dir / "hostile.pgt"));
    CPageletConfigFile back;
    ASSERT_TRUE(back.ReadFile(dir / "hostile.pgt"));
    EXPECT_TRUE(back == file);
    EXPECT_TRUE(Read(file.WriteText()) == file);
}

// The file is read in pieces; a line end split between two pieces must read
// as it does from memory in one piece. A segment body shows every line.
TEST(PageletConfigFile, TheFileReaderAgreesWithTheTextReaderAtEveryPieceEdge)
{
    CTempDir dir;
    for (std::string_view end : {"\r\n", "\r", "\n"}) {
        const std::string head = Lines({"========== Description Part Begin ==========",
                                        "========== Description Part End ==========",
                                        "========== Parameter Part Begin ==========",
                                        "========== Parameter Part End ==========",
                                        "========== Resource Part Begin ==========",
                                        "========== Resource Part End ==========",
                                        "========== HTML Part Begin ==========", "Segment Number = 1",
                                        "Segment Position = cursor"},
                                       end);
        for (size_t edge : {size_t(1) << 16, size_t(1) << 20}) {
            for (int shift = -3; shift <= 2; ++shift) {
                // The padded body line ends at byte edge + shift.
                const std::string padded(edge + size_t(shift) - head.size(), 'v');
                const std::string text =
                    head + Lines({padded, "next", "===== Segment End =====", "========== HTML Part End =========="},
                                 end);
                ASSERT_TRUE(WriteText(dir / "edge.pgt", text));
                CPageletConfigFile fromFile;
                ASSERT_TRUE(fromFile.ReadFile(dir / "edge.pgt"));
                const CPageletConfigFile fromText = Read(text);
                ASSERT_EQ(fromText.GetSegmentCount(), 1);
                EXPECT_TRUE(fromText.GetSegmentBody(0) == padded + "\r\nnext\r\n");
                EXPECT_TRUE(fromFile == fromText) << "edge " << edge << " shift " << shift << " end " << end.size();
            }
        }
    }
}

TEST(PageletConfigFile, ReadFileFailsWhenThereIsNoFileToRead)
{
    CTempDir dir;
    for (const std::string& path : {dir / "missing.pgt", dir.Path()}) {
        CPageletConfigFile file = Prefilled();
        EXPECT_FALSE(file.ReadFile(path)) << path;
        EXPECT_TRUE(file == Prefilled());
    }
}

TEST(PageletConfigFile, WriteFileFailsWhereNoFileCanBeMade)
{
    CTempDir dir;
    const CPageletConfigFile file = DefaultDesignFile();
    EXPECT_FALSE(file.WriteFile(dir / "no such folder/widget.pgt"));
    EXPECT_FALSE(FolderExists(dir / "no such folder"));

    ASSERT_TRUE(CreateFolder(dir / "taken.pgt"));
    EXPECT_FALSE(file.WriteFile(dir / "taken.pgt"));
    EXPECT_TRUE(FolderExists(dir / "taken.pgt"));
    EXPECT_EQ(FindFiles(dir.Path(), "*").size(), 0u);  // no temporary left behind
}

// A file-size limit stops the write half-way, whoever runs the test.
TEST(PageletConfigFile, AWriteThatFailsHalfWayLeavesTheOldFileWhole)
{
    CTempDir dir;
    const std::string path = dir / "widget.pgt";
    ASSERT_TRUE(WriteText(path, kDefaultDesignText));

    CPageletConfigFile file = DefaultDesignFile();
    file.AddSegment("cursor", std::string(4 << 20, 'x') + "\r\n");

    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 1 << 20;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const BOOL written = file.WriteFile(path);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadText(path), kDefaultDesignText);
    EXPECT_EQ(FindFiles(dir.Path(), "*"), std::vector<std::string>{"widget.pgt"});
}

TEST(PageletConfigFile, AccessorsGiveEmptyTextOutsideTheLists)
{
    CPageletConfigFile file;
    file.AddResource("a.gif", "/one/", "img/");
    file.AddResource("b.gif", "/two/", "");
    file.AddResource("a.gif", "/three/", "other/");
    file.AddSegment("cursor", "<b></b>\r\n");

    EXPECT_EQ(file.GetResourceCount(), 3);
    EXPECT_EQ(file.GetResourceName(1), "b.gif");
    EXPECT_EQ(file.GetResourceLocalPath(2), "/three/");
    EXPECT_EQ(file.GetResourceWebPath(0), "img/");
    for (int index : {-1, 3, 1 << 30}) {
        EXPECT_EQ(file.GetResourceName(index), "");
        EXPECT_EQ(file.GetResourceLocalPath(index), "");
        EXPECT_EQ(file.GetResourceWebPath(index), "");
        EXPECT_EQ(file.GetSegmentPosition(index), "");
        EXPECT_EQ(file.GetSegmentBody(index), "");
    }
    // By name: the first exact match.
    EXPECT_EQ(file.GetResourceLocalPathByName("a.gif"), "/one/");
    EXPECT_EQ(file.GetResourceWebPathByName("a.gif"), "img/");
    EXPECT_EQ(file.GetResourceLocalPathByName("A.GIF"), "");
    EXPECT_EQ(file.GetResourceWebPathByName("c.gif"), "");
    EXPECT_EQ(file.GetSegmentPosition(0), "cursor");

    file.RemoveAllResources();
    file.RemoveAllSegments();
    EXPECT_EQ(file.GetResourceCount(), 0);
    EXPECT_EQ(file.GetSegmentCount(), 0);
}

TEST(PageletConfigFile, GettingAnAbsentDescriptionKeyAddsIt)
{
    CPageletConfigFile file;
    EXPECT_EQ(file.GetDescription("PreviewPath"), "");
    EXPECT_TRUE(file.m_mapDescription.Contains("PreviewPath"));
    file.SetDescription("Title", "Sale");
    EXPECT_EQ(file.GetDescription("Title"), "Sale");
    EXPECT_NE(file.WriteText().find("\r\nPreviewPath = \r\nTitle = Sale\r\n"), std::string::npos);

    file.SetParameter("m_appWidth", "468");
    EXPECT_EQ(file.LookupParameter("m_appWidth", "200"), "468");
    EXPECT_EQ(file.LookupParameter("m_appHeight", "100"), "100");
    file.RemoveAllParameters();
    EXPECT_EQ(file.LookupParameter("m_appWidth", "200"), "200");
}

} // namespace
