// The design as keys and values: what is written, what is read, and the
// defaults of everything a file leaves out.
#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/base/numbers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::string> KeysInOrder(const CTextTable& table)
{
    std::vector<std::string> keys;
    table.ForEach([&](std::string_view key, std::string_view) { keys.emplace_back(key); });
    return keys;
}

std::string Value(const CTextTable& table, std::string_view key)
{
    std::string_view value;
    return table.Lookup(key, value) ? std::string(value) : std::string("<missing>");
}

// The design a file of its own parameters reads back as: stored fields equal,
// the current banner back at 0, image paths in the image folder.
CGlintraAppletParams ThroughTheFile(const CGlintraAppletParams& design, const std::string& imageFolder)
{
    CPageletConfigFile written;
    design.WriteParameters(written.m_mapParameters);
    CPageletConfigFile read;
    read.ReadText(written.WriteText());
    CGlintraAppletParams back;
    back.m_strClassLocalPath = design.m_strClassLocalPath;
    EXPECT_TRUE(back.ReadParameters(read.m_mapParameters, imageFolder));
    return back;
}

TEST(ParameterStore, WritesEveryKeyInOrder)
{
    CGlintraAppletParams design;
    design.SetBannerCount(2);
    CTextTable table;
    design.WriteParameters(table);
    const std::vector<std::string> keys = KeysInOrder(table);
    ASSERT_EQ(keys.size(), 16u + 2 * 28u);
    const std::vector<std::string> general = {
        "Version", "m_Align", "m_appBKColor", "m_bWithBar", "m_strLoadMessage", "m_appBKImagePath",
        "m_appBKImageWebPath", "m_appBorderType", "m_appBorderWidth", "m_appHeight", "m_appWidth",
        "m_BackMoveSpeed", "m_ClassWebPath", "m_PgHrWidth", "m_PgVtWidth", "m_nTotalPages"};
    EXPECT_EQ(std::vector<std::string>(keys.begin(), keys.begin() + 16), general);
    const std::vector<std::string> banner = {
        "m_bBKEnable-", "m_BKTitle-", "m_PgBKColor-", "m_PgBKImg-", "m_PgBKImgWebPath-", "m_PgBKImgPutType-",
        "m_PgBKType-", "m_PgConnStyle-", "m_PgDelay-", "m_AnimateMisc1-", "m_AnimateMisc2-", "m_AnimateSpeed-",
        "m_bTextEnable-", "m_FontColor-", "m_FontName-", "m_FontSize-", "m_FontStyle-", "m_LeftTopX-",
        "m_LeftTopY-", "m_ShadowColor-", "m_ShowText-", "m_SpecialEffect-", "m_TargetFrame-", "m_TextAlign-",
        "m_TextAnimateType-", "m_TextDisPos-", "m_TextTitle-", "m_URL-"};
    for (int i = 0; i < 2; ++i)
        for (size_t k = 0; k < banner.size(); ++k)
            EXPECT_EQ(keys[16 + size_t(i) * 28 + k], banner[k] + FormatInt(i));
    EXPECT_EQ(Value(table, "Version"), "1.5");
    EXPECT_EQ(Value(table, "m_FontColor-0"), "16777215");
    EXPECT_EQ(Value(table, "m_BKTitle-1"), "Background 2");
    EXPECT_EQ(Value(table, "m_TextTitle-1"), "Text 2");
    EXPECT_EQ(Value(table, "m_ShowText-0"), "Enter Message Here");
    EXPECT_EQ(Value(table, "m_PgBKImg-0"), "");
}

TEST(ParameterStore, AnEmptyTableIsTheDefaultDesignWithItsOwnFontSizeAndTitles)
{
    CGlintraAppletParams read;
    read.m_appWidth = 999;  // everything is set, nothing is left over
    ASSERT_TRUE(read.ReadParameters(CTextTable(), "/work/"));
    CGlintraAppletParams expected;
    expected.m_aTexts[0]->m_FontSize = 14;
    expected.m_aBackgrounds[0]->m_BKTitle = "Banner 1";
    expected.m_aTexts[0]->m_TextTitle = "Banner 1";
    EXPECT_TRUE(read == expected);
}

TEST(ParameterStore, BannerCounts)
{
    const struct {
        const char* value;
        int banners;
    } cases[] = {{"0", 1}, {"-3", 1}, {"many", 1}, {"3", 3}, {" 2 banners", 2}};
    for (const auto& c : cases) {
        CTextTable table;
        table.Set("m_nTotalPages", c.value);
        table.Set("m_ShowText-0", "first");
        CGlintraAppletParams read;
        read.ReadParameters(table, "");
        EXPECT_EQ(read.m_nTotalPages, c.banners) << c.value;
        ASSERT_EQ(read.m_aTexts.size(), size_t(c.banners));
        EXPECT_EQ(read.m_aTexts[0]->m_ShowText, "first");
        EXPECT_EQ(read.m_nCurPage, 0);
        // Banners the table has no keys for come with every default.
        for (int i = 1; i < c.banners; ++i) {
            EXPECT_EQ(read.m_aTexts[size_t(i)]->m_ShowText, "Enter Message Here");
            EXPECT_EQ(read.m_aTexts[size_t(i)]->m_TextTitle, "Banner " + FormatInt(i + 1));
            EXPECT_EQ(read.m_aBackgrounds[size_t(i)]->m_BKTitle, "Banner " + FormatInt(i + 1));
            EXPECT_EQ(read.m_aBackgrounds[size_t(i)]->m_PgDelay, 2000);
        }
    }
}

TEST(ParameterStore, AHugeCountInATinyTableCannotExhaustMemory)
{
    CTextTable table;
    table.Set("m_nTotalPages", "2147483647");
    CGlintraAppletParams read;
    read.ReadParameters(table, "");
    EXPECT_GE(read.m_nTotalPages, 1);
    EXPECT_LE(read.m_nTotalPages, 1024);
    EXPECT_EQ(read.m_aBackgrounds.size(), size_t(read.m_nTotalPages));
    EXPECT_EQ(read.m_aTexts.size(), size_t(read.m_nTotalPages));
}

TEST(ParameterStore, NumbersReadAsTheirLeadingNumber)
{
    CTextTable table;
    table.Set("m_appWidth", "320px");
    table.Set("m_appHeight", "tall");
    table.Set("m_FontColor-0", "255");
    table.Set("m_bWithBar", "7");
    table.Set("m_bBKEnable-0", "0");
    CGlintraAppletParams read;
    read.ReadParameters(table, "");
    EXPECT_EQ(read.m_appWidth, 320);
    EXPECT_EQ(read.m_appHeight, 0);
    EXPECT_EQ(read.m_aTexts[0]->m_FontColor, 255u);
    EXPECT_EQ(read.m_bWithBar, TRUE) << "any number but 0 is set";
    EXPECT_EQ(read.m_aBackgrounds[0]->m_bBKEnable, FALSE);
}

TEST(ParameterStore, ImagesAreStoredByNameAndFoundBesideTheFile)
{
    CGlintraAppletParams design;
    design.m_appBKImagePath = "/elsewhere/border.gif";
    design.m_aBackgrounds[0]->m_PgBKImg = "/pictures/sky.gif";
    CTextTable table;
    design.WriteParameters(table);
    EXPECT_EQ(Value(table, "m_appBKImagePath"), "border.gif");
    EXPECT_EQ(Value(table, "m_PgBKImg-0"), "sky.gif");
    CGlintraAppletParams read;
    read.ReadParameters(table, "/work/");
    EXPECT_EQ(read.m_appBKImagePath, "/work/border.gif");
    EXPECT_EQ(read.m_aBackgrounds[0]->m_PgBKImg, "/work/sky.gif");
}

TEST(ParameterStore, LineBreaksNeverSplitTheFileLine)
{
    const struct {
        const char* text;
        const char* stored;
        const char* readBack;
    } banners[] = {
        {"one\r\ntwo\r\nthree", "one|_#`two|_#`three", "one\r\ntwo\r\nthree"},
        // Lone line ends are line breaks as well; they come back as pairs.
        {"lone\nfeed", "lone|_#`feed", "lone\r\nfeed"},
        {"lone\rreturn", "lone|_#`return", "lone\r\nreturn"},
        {"\n\r\r\n", "|_#`|_#`|_#`", "\r\n\r\n\r\n"},
    };
    for (const auto& c : banners) {
        CGlintraAppletParams design;
        design.m_aTexts[0]->m_ShowText = c.text;
        CTextTable table;
        design.WriteParameters(table);
        EXPECT_EQ(Value(table, "m_ShowText-0"), c.stored);
        EXPECT_EQ(ThroughTheFile(design, "").m_aTexts[0]->m_ShowText, c.readBack);
    }
    // Elsewhere a line break means nothing to the applet: it becomes a blank.
    CGlintraAppletParams design;
    design.m_strLoadMessage = "Loading\r\nplease\nwait\r";
    design.m_aTexts[0]->m_URL = "page.htm\n?x=1";
    design.SetBannerTitle(0, "Title\rtwo");
    const CGlintraAppletParams back = ThroughTheFile(design, "");
    EXPECT_EQ(back.m_strLoadMessage, "Loading please wait");
    EXPECT_EQ(back.m_aTexts[0]->m_URL, "page.htm ?x=1");
    EXPECT_EQ(back.m_aTexts[0]->m_TextTitle, "Title two");
    EXPECT_EQ(back.m_aBackgrounds[0]->m_BKTitle, "Title two");
}

TEST(ParameterStore, ADesignComesBackThroughTheFile)
{
    CGlintraAppletParams design;
    design.m_strClassLocalPath = "/srv/glintra/";
    design.m_Align = 2;
    design.m_ClassWebPath = "applets/";
    design.m_appWidth = 468;
    design.m_appHeight = 60;
    design.m_appBorderWidth = 3;
    design.m_appBorderType = 4;
    design.m_appBKImagePath = "/pics/frame.gif";
    design.m_appBKImageWebPath = "img/";
    design.m_appBKColor = 0x123456;
    design.m_PgHrWidth = 4;
    design.m_PgVtWidth = 5;
    design.m_BackMoveSpeed = 120;
    design.m_bWithBar = FALSE;
    design.m_strLoadMessage = "Wait, \"please\" & see";
    design.SetBannerCount(3);
    for (int i = 0; i < 3; ++i) {
        CBannerBackground b;
        b.m_PgConnStyle = 5 + i;
        b.m_PgDelay = 1500 + i;
        b.m_PgBKType = i == 1 ? 0 : 7 + i;
        b.m_PgBKColor = 0xABCDEF - unsigned(i);
        b.m_PgBKImg = i == 1 ? "/pics/sky \xC3\xA9.gif" : "";
        b.m_PgBKImgWebPath = "img/";
        b.m_PgBKImgPutType = i % 2;
        b.m_BKTitle = "Slide = " + FormatInt(i);
        b.m_bBKEnable = i != 2;
        design.SetBackground(i, b);
        CBannerText t;
        t.m_ShowText = "Line \"" + FormatInt(i) + "\"\r\n& more = <b>";
        t.m_URL = "http://example.test/?a=1&b=" + FormatInt(i);
        t.m_TargetFrame = "_blank";
        t.m_FontSize = 10 + i;
        t.m_FontName = i;
        t.m_FontColor = 0x00FF00;
        t.m_ShadowColor = 0x0000FF;
        t.m_FontStyle = 2 - i;
        t.m_TextDisPos = 9;
        t.m_TextAlign = 8;
        t.m_LeftTopX = -4;
        t.m_LeftTopY = 6;
        t.m_SpecialEffect = 4;
        t.m_TextAnimateType = 12 + i;
        t.m_AnimateMisc1 = 3;
        t.m_AnimateMisc2 = 700;
        t.m_AnimateSpeed = 400;
        t.m_TextTitle = b.m_BKTitle;
        t.m_bTextEnable = b.m_bBKEnable;
        design.SetText(i, t);
    }
    design.m_nCurPage = 2;

    CGlintraAppletParams expected = design;
    expected.m_nCurPage = 0;
    expected.m_appBKImagePath = "/work/frame.gif";
    expected.m_aBackgrounds[1]->m_PgBKImg = "/work/sky \xC3\xA9.gif";
    EXPECT_TRUE(ThroughTheFile(design, "/work/") == expected);
}

TEST(ParameterStore, BlanksAroundTextsDoNotSurviveTheFile)
{
    CGlintraAppletParams design;
    design.SetBannerTitle(0, "   Indented title  ");
    EXPECT_EQ(ThroughTheFile(design, "").m_aTexts[0]->m_TextTitle, "Indented title");
}

} // namespace
