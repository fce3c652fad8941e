// The pagelet's file members, HTML and support files as a host sees them:
// a server folder of the test's own, driven by member number.
#include "host/document/pagelet.h"
#include "platform/base/autodate.h"
#include "platform/ui/scripteduiservices.h"
#include "tests/support/appletblock.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const kProgID = "PageletServer.Glintra";

std::string Lines(std::initializer_list<std::string> lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

class PageletFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(server.CallEntry("DllRegisterServer"), 0);
        ASSERT_TRUE(pagelet.CreateFromProgID(kProgID));
        ASSERT_EQ(pagelet.m_strServerFolder, server.Folder());
    }
    // A widget file written by hand, as another program or an older save
    // would leave it.
    std::string WidgetFile(const std::string& name, const std::string& parameters,
                           const std::string& progId = kProgID)
    {
        const std::string path = work / name;
        EXPECT_TRUE(WriteText(path, Lines({"========== Description Part Begin ==========", "ProgID = " + progId,
                                           "Title = Hand made", "========== Description Part End ==========", "",
                                           "========== Parameter Part Begin =========="}) +
                                        parameters +
                                        Lines({"========== Parameter Part End ==========", ""})));
        return path;
    }

    CTempRegistry registry;
    CTempServer server;
    CTempDir work;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CPagelet pagelet;
};

TEST_F(PageletFiles, TheDefaultWidgetFileAsTheHostSavesIt)
{
    pagelet.SetProgID(kProgID);
    CDateParts noon;
    noon.year = 2000;
    noon.month = 1;
    noon.day = 1;
    noon.hour = 12;
    pagelet.SetLastUpdateTime(DateFromParts(noon));
    const std::string path = work / "w.pgt";
    ASSERT_TRUE(pagelet.WriteConfigFile(path));

    const std::string expected =
        Lines({"========== Description Part Begin ==========", "Title = Normal", "Description = ",
               "ProgID = PageletServer.Glintra", "LastUpdateTime = 36526.500000000", "PreviewPath = ",
               "========== Description Part End ==========", "", "========== Parameter Part Begin ==========",
               "Version = 1.5", "m_Align = 0", "m_appBKColor = 0", "m_bWithBar = 1",
               "m_strLoadMessage = Loading Image...", "m_appBKImagePath = ", "m_appBKImageWebPath = ",
               "m_appBorderType = 0", "m_appBorderWidth = 0", "m_appHeight = 100", "m_appWidth = 200",
               "m_BackMoveSpeed = 0", "m_ClassWebPath = ", "m_PgHrWidth = 0", "m_PgVtWidth = 0", "m_nTotalPages = 1",
               "m_bBKEnable-0 = 1", "m_BKTitle-0 = Banner", "m_PgBKColor-0 = 0", "m_PgBKImg-0 = ",
               "m_PgBKImgWebPath-0 = ", "m_PgBKImgPutType-0 = 0", "m_PgBKType-0 = 1", "m_PgConnStyle-0 = 0",
               "m_PgDelay-0 = 2000", "m_AnimateMisc1-0 = 0", "m_AnimateMisc2-0 = 0", "m_AnimateSpeed-0 = 0",
               "m_bTextEnable-0 = 1", "m_FontColor-0 = 16777215", "m_FontName-0 = 0", "m_FontSize-0 = 18",
               "m_FontStyle-0 = 0", "m_LeftTopX-0 = 0", "m_LeftTopY-0 = 0", "m_ShadowColor-0 = 0",
               "m_ShowText-0 = Enter Message Here", "m_SpecialEffect-0 = 0", "m_TargetFrame-0 = ",
               "m_TextAlign-0 = 0", "m_TextAnimateType-0 = 6", "m_TextDisPos-0 = 0", "m_TextTitle-0 = Banner",
               "m_URL-0 = ", "========== Parameter Part End ==========", "",
               "========== Resource Part Begin ==========", "Resource Number = 1",
               "glntfx.class=" + server.Folder() + "/=", "========== Resource Part End ==========", "",
               "========== HTML Part Begin ==========", "Segment Number = 1", "Segment Position = cursor"}) +
        DefaultAppletBlock() + Lines({"===== Segment End =====", "========== HTML Part End ==========", ""});
    EXPECT_EQ(ReadText(path), expected);
    // The class file went beside the widget; no dialog was needed.
    EXPECT_EQ(ReadText(work / "glntfx.class"), "stand-in applet class file");
    EXPECT_TRUE(ui.Records().empty());
}

TEST_F(PageletFiles, TheBlockIsTheSameInBothModesForTheDefaultDesign)
{
    EXPECT_EQ(pagelet.GetHTMLBody(0, 1), DefaultAppletBlock());
    EXPECT_EQ(pagelet.GetHTMLBody(0, 0), DefaultAppletBlock());
    EXPECT_EQ(pagelet.GetHTMLBody(7, 1), DefaultAppletBlock()) << "the segment index does not matter";
}

TEST_F(PageletFiles, ReadingAFileOfThisPagelet)
{
    const std::string path = WidgetFile("hand.pgt", Lines({"m_nTotalPages = 2", "m_ShowText-1 = Two|_#`lines",
                                                          "m_URL-1 = page.htm?a=1&b=\"2\"", "m_appWidth = 468"}));
    ASSERT_TRUE(pagelet.ReadConfigFile(path));
    EXPECT_EQ(pagelet.GetTitle(), "Hand made");
    const std::string html = pagelet.GetHTMLBody(0, 1);
    EXPECT_NE(html.find("width=\"468\""), std::string::npos);
    EXPECT_NE(html.find("\t<param name=\"PgTotal\" value=\"2\">\r\n"), std::string::npos);
    EXPECT_NE(html.find("\t<param name=\"PgText-1\" value=\"Two|_#`lines\">\r\n"), std::string::npos);
    EXPECT_NE(html.find("\t<param name=\"PgURL-1\" value=\"page.htm?a=1&#38;b=&#34;2&#34;\">\r\n"), std::string::npos);
    // A banner the file has no size for gets 14.
    EXPECT_NE(html.find("\"FontStyle-0\" value=\"14,"), std::string::npos);
}

TEST_F(PageletFiles, AnotherPageletsFileLeavesTheDesign)
{
    pagelet.SetTitle("Mine");
    const std::string before = pagelet.GetHTMLBody(0, 1);
    const std::string path = WidgetFile("other.pgt", Lines({"m_appWidth = 999"}), "PageletServer.Other");
    EXPECT_TRUE(pagelet.ReadConfigFile(path));
    EXPECT_EQ(pagelet.GetProgID(), "PageletServer.Other");
    EXPECT_EQ(pagelet.GetTitle(), "Hand made") << "its description is taken";
    EXPECT_EQ(pagelet.GetHTMLBody(0, 1), before);
    EXPECT_FALSE(pagelet.ReadConfigFile(work / "missing.pgt"));
    EXPECT_EQ(pagelet.GetProgID(), "PageletServer.Other") << "a failed read changes nothing";
}

TEST_F(PageletFiles, ResourceQueries)
{
    EXPECT_EQ(pagelet.GetResourceNumber(), 1);
    EXPECT_EQ(pagelet.GetResourceName(0), "glntfx.class");
    EXPECT_EQ(pagelet.GetResourceLocalPath(0), server.Folder() + "/");
    EXPECT_EQ(pagelet.GetResourceWebPath(0), "");
    for (SHORT index : {SHORT(1), SHORT(-1), SHORT(32767)}) {
        EXPECT_EQ(pagelet.GetResourceName(index), "") << index;
        EXPECT_EQ(pagelet.GetResourceLocalPath(index), "") << index;
    }
    std::string text;
    ASSERT_TRUE(pagelet.Dispatch().Call(25, {"glntfx.class"}).ToString(text));
    EXPECT_EQ(text, server.Folder() + "/");
    ASSERT_TRUE(pagelet.Dispatch().Call(25, {"GLNTFX.CLASS"}).ToString(text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(pagelet.Dispatch().Call(26, {"nothing.gif"}).ToString(text));
    EXPECT_EQ(text, "");
}

TEST_F(PageletFiles, AfterReadingTheFilesListIsServedAsItStands)
{
    // A list read from a file is served as long as the flag says it is valid:
    // it becomes valid by the first query, then by a write.
    ASSERT_TRUE(WriteText(work / "listed.pgt",
                          Lines({"========== Description Part Begin ==========", "ProgID = PageletServer.Glintra",
                                 "========== Description Part End ==========", "",
                                 "========== Parameter Part Begin ==========", "========== Parameter Part End ==========",
                                 "", "========== Resource Part Begin ==========", "Resource Number = 2",
                                 "glntfx.class=/somewhere/=", "extra.gif=/pics/=img/",
                                 "========== Resource Part End =========="})));
    EXPECT_EQ(pagelet.GetResourceNumber(), 1);  // built from the design, now valid
    ASSERT_TRUE(pagelet.ReadConfigFile(work / "listed.pgt"));
    EXPECT_EQ(pagelet.GetResourceNumber(), 2);
    EXPECT_EQ(pagelet.GetResourceName(1), "extra.gif");
    EXPECT_EQ(pagelet.GetResourceWebPath(1), "img/");

    CPagelet fresh;
    ASSERT_TRUE(fresh.CreateFromProgID(kProgID));
    ASSERT_TRUE(fresh.ReadConfigFile(work / "listed.pgt"));
    EXPECT_EQ(fresh.GetResourceNumber(), 1) << "a new object builds its list from the design";
}

TEST_F(PageletFiles, WritingCopiesImagesBesideTheFileAndReadsThemBack)
{
    CTempDir pictures;
    ASSERT_TRUE(WriteText(pictures / "sky.gif", "sky"));
    ASSERT_TRUE(WriteText(pictures / "frame.gif", "frame"));
    const std::string source = WidgetFile(
        "source.pgt", Lines({"m_nTotalPages = 2", "m_PgBKType-0 = 0", "m_PgBKImgWebPath-0 = img/",
                             "m_appBKImageWebPath = img/", "m_ShowText-0 = A|_#`B \"quoted\" & <b>"}));
    // Images named by bare file names are looked for beside the widget file.
    ASSERT_TRUE(WriteText(work / "sky.gif", "sky"));
    ASSERT_TRUE(pagelet.ReadConfigFile(source));

    const std::string site = work / "site";
    ASSERT_TRUE(CreateFolder(site));
    ASSERT_TRUE(pagelet.WriteConfigFile(site + "/copy.pgt"));
    EXPECT_TRUE(FileExists(site + "/glntfx.class"));

    CPagelet fresh;
    ASSERT_TRUE(fresh.CreateFromProgID(kProgID));
    ASSERT_TRUE(fresh.ReadConfigFile(site + "/copy.pgt"));
    EXPECT_EQ(fresh.GetHTMLBody(0, 1), pagelet.GetHTMLBody(0, 1));
    EXPECT_EQ(fresh.GetHTMLBody(0, 0), pagelet.GetHTMLBody(0, 0));
}

TEST_F(PageletFiles, WriteConfigFileIsWriteConfigFileExWithZero)
{
    const std::string first = work / "a", second = work / "b";
    ASSERT_TRUE(CreateFolder(first));
    ASSERT_TRUE(CreateFolder(second));
    pagelet.SetProgID(kProgID);
    ASSERT_TRUE(pagelet.WriteConfigFile(first + "/w.pgt"));
    ASSERT_TRUE(pagelet.WriteConfigFileEx(second + "/w.pgt", 0));
    EXPECT_EQ(ReadText(first + "/w.pgt"), ReadText(second + "/w.pgt"));
    auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(sorted(FindFiles(first, "*.*")), sorted(FindFiles(second, "*.*")));
}

TEST_F(PageletFiles, AClashIsPutToTheUserAndCancelLeavesThePaths)
{
    CTempDir pictures;
    ASSERT_TRUE(WriteText(pictures / "sky.gif", "the new sky"));
    // The design names an image elsewhere; the target folder has another sky.gif.
    const std::string source = WidgetFile("source.pgt", Lines({"m_PgBKType-0 = 0", "m_PgBKImg-0 = sky.gif"}));
    ASSERT_TRUE(WriteText(work / "sky.gif", "sky beside the source"));
    ASSERT_TRUE(pagelet.ReadConfigFile(source));
    const std::string site = work / "site";
    ASSERT_TRUE(CreateFolder(site));
    ASSERT_TRUE(WriteText(site + "/sky.gif", "another sky"));

    ui.QueueDialogReject();
    ASSERT_TRUE(pagelet.WriteConfigFile(site + "/w.pgt"));
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    EXPECT_EQ(ReadText(site + "/sky.gif"), "another sky");
    ASSERT_TRUE(pagelet.WriteConfigFileEx(site + "/w2.pgt", 1));
    EXPECT_EQ(ReadText(site + "/sky.gif"), "sky beside the source") << "overwrite 1 replaces without asking";
    EXPECT_EQ(ui.Dialogs().size(), 1u);
}

TEST_F(PageletFiles, AFileThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(pagelet.WriteConfigFile(work / "missing-folder/w.pgt"));
    ASSERT_TRUE(CreateFolder(work / "taken.pgt"));
    EXPECT_FALSE(pagelet.WriteConfigFile(work / "taken.pgt"));
}

TEST_F(PageletFiles, TemplatesOfThisPagelet)
{
    std::vector<std::string> titles, descriptions, paths;
    pagelet.EnumTemplates(titles, descriptions, paths);
    EXPECT_TRUE(titles.empty() && descriptions.empty() && paths.empty());

    CPagelet writer;
    ASSERT_TRUE(writer.CreateFromProgID(kProgID));
    writer.SetProgID(kProgID);
    for (const char* name : {"Ticker", "Sale"}) {
        writer.SetTitle(name);
        writer.SetDescription(std::string("about ") + name);
        ASSERT_TRUE(writer.WriteConfigFile(server.Folder() + "/" + name + "_PageletServer.Glintra.pgt"));
    }
    writer.SetTitle("Sale");  // two templates may share a title
    ASSERT_TRUE(writer.WriteConfigFile(server.Folder() + "/Second.pgt"));
    writer.SetProgID("PageletServer.Other");
    ASSERT_TRUE(writer.WriteConfigFile(server.Folder() + "/Foreign.pgt"));
    ASSERT_TRUE(WriteText(server.Folder() + "/Empty.pgt", ""));

    CPagelet lister;
    ASSERT_TRUE(lister.CreateFromProgID(kProgID));
    lister.EnumTemplates(titles, descriptions, paths);
    ASSERT_EQ(titles.size(), 3u);
    ASSERT_EQ(descriptions.size(), 3u);
    ASSERT_EQ(paths.size(), 3u);
    std::vector<std::string> listed;
    for (size_t i = 0; i < titles.size(); ++i) {
        listed.push_back(titles[i] + "|" + descriptions[i] + "|" + PathFileName(paths[i]));
        EXPECT_EQ(PathFolder(paths[i]), server.Folder());
    }
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (std::vector<std::string>{"Sale|about Sale|Sale_PageletServer.Glintra.pgt",
                                                "Sale|about Sale|Second.pgt",
                                                "Ticker|about Ticker|Ticker_PageletServer.Glintra.pgt"}));
}

} // namespace
