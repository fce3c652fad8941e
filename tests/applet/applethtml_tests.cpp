// The applet block: its exact text, the encodings of its values and the
// numbering of the banners it shows.
#include "applet/appletcodes.h"
#include "applet/applethtml.h"
#include "resources/pagelet/pageletresources.h"
#include "tests/support/appletblock.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

HMODULE32 Strings()
{
    static const HMODULE32 module = RegisterPageletResources();
    return module;
}

std::vector<std::string> SplitLines(const std::string& block)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = block.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(block.substr(start, end - start));
    EXPECT_EQ(start, block.size()) << "the block ends with a line end";
    return lines;
}

std::string Block(CGlintraAppletParams& design, SHORT mode, const std::string& previewPath = "")
{
    CPageletConfigFile config;
    config.SetDescription("PreviewPath", previewPath);
    return GenerateAppletHTML(design, config, mode, Strings());
}

// The value of one param element of the block; "<none>" when it is missing.
std::string Param(const std::string& block, const std::string& name)
{
    const std::string start = "\t<param name=\"" + name + "\" value=\"";
    const size_t at = block.find(start);
    if (at == std::string::npos)
        return "<none>";
    const size_t end = block.find("\">\r\n", at);
    return block.substr(at + start.size(), end - at - start.size());
}

TEST(AppletBlock, TheDefaultDesignInBothModes)
{
    const std::vector<std::string> expected = DefaultAppletBlockLines();
    for (SHORT mode : {kOutputWebPaths, kOutputBesideFile}) {
        CGlintraAppletParams design;
        EXPECT_EQ(SplitLines(Block(design, mode)), expected) << "mode " << mode;
    }
}

TEST(AppletBlock, ValueEncodings)
{
    struct Case {
        const char* what;
        void (*change)(CGlintraAppletParams&);
        const char* param;
        const char* value;
    };
    const Case cases[] = {
        {"two lines", [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_ShowText = "A\r\nB"; }, "PgText-0", "A|_#`B"},
        {"lone line ends", [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_ShowText = "A\nB\rC"; }, "PgText-0",
         "A|_#`B|_#`C"},
        {"ampersand and quote",
         [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_ShowText = "Tom & \"Jerry\" &#34;"; }, "PgText-0",
         "Tom &#38; &#34;Jerry&#34; &#38;#34;"},
        {"comma in the loading message", [](CGlintraAppletParams& d) { d.m_strLoadMessage = "Wait, \"now\" & see"; },
         "ProgressBar", "1,Wait~@^` &#34;now&#34; &#38; see"},
        {"no progress bar", [](CGlintraAppletParams& d) { d.m_bWithBar = FALSE; }, "ProgressBar",
         "0,Loading Image..."},
        {"margins", [](CGlintraAppletParams& d) { d.m_PgHrWidth = 4; d.m_PgVtWidth = -2; }, "ApMargin", "4,-2"},
        {"green 128, blue 255", [](CGlintraAppletParams& d) { d.m_appBKColor = RGB(0, 128, 255); }, "ApBKColor",
         "0080ff"},
        {"pure red", [](CGlintraAppletParams& d) { d.m_appBKColor = 255; }, "ApBKColor", "ff0000"},
        {"white shadow and font",
         [](CGlintraAppletParams& d) {
             d.m_aTexts[0]->m_ShadowColor = 16777215;
             d.m_aTexts[0]->m_FontColor = RGB(1, 2, 3);
         },
         "FontStyle-0", "18,t,010203,p,0,0,0,0,ffffff"},
        {"font, style and placement",
         [](CGlintraAppletParams& d) {
             CBannerText& t = *d.m_aTexts[0];
             t.m_FontSize = 24, t.m_FontName = 2, t.m_FontStyle = 1, t.m_TextAlign = 8, t.m_LeftTopX = -5;
             t.m_LeftTopY = 7, t.m_SpecialEffect = 4;
         },
         "FontStyle-0", "24,c,ffffff,b,8,-5,7,4,000000"},
        {"letters out of range",
         [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_FontName = 3, d.m_aTexts[0]->m_FontStyle = -1; },
         "FontStyle-0", "18,,ffffff,,0,0,0,0,000000"},
        {"animation", [](CGlintraAppletParams& d) {
             CBannerText& t = *d.m_aTexts[0];
             t.m_TextAnimateType = 13, t.m_AnimateMisc1 = 2, t.m_AnimateMisc2 = 1500, t.m_AnimateSpeed = 400;
         }, "PgTextAnimate-0", "13,2,1500"},
        {"link with a quote and an ampersand",
         [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_URL = "page.htm?a=1&b=\"2\"\"><script>"; }, "PgURL-0",
         "page.htm?a=1&#38;b=&#34;2&#34;&#34;><script>"},
        {"plain link", [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_URL = "http://example.test/a?b=c"; }, "PgURL-0",
         "http://example.test/a?b=c"},
        {"target frame", [](CGlintraAppletParams& d) { d.m_aTexts[0]->m_TargetFrame = "a\"b&c"; }, "UrlTarget-0",
         "a&#34;b&#38;c"},
        {"solid fill with an image set",
         [](CGlintraAppletParams& d) { d.m_aBackgrounds[0]->m_PgBKImg = "/pics/sky.gif"; }, "PgBKStyle-0",
         "1,000000,,0"},
        {"transition and delay", [](CGlintraAppletParams& d) { d.m_aBackgrounds[0]->m_PgConnStyle = 12; },
         "PgConnStyle-0", "12"},
    };
    for (const Case& c : cases) {
        CGlintraAppletParams design;
        c.change(design);
        EXPECT_EQ(Param(Block(design, kOutputWebPaths), c.param), c.value) << c.what;
    }
}

TEST(AppletBlock, ImagesByOutputMode)
{
    CTempDir pictures;
    ASSERT_TRUE(WriteText(pictures / "sky.gif", "sky"));
    ASSERT_TRUE(WriteText(pictures / "frame \"x\"&y.gif", "frame"));
    struct Case {
        SHORT mode;
        const char* previewPath;
        const char* background;
        const char* border;
    };
    const Case cases[] = {
        {kOutputWebPaths, "", "0,000000,images/sky.gif,1", "borders/frame &#34;x&#34;&#38;y.gif"},
        {kOutputBesideFile, "", "0,000000,sky.gif,1", "frame &#34;x&#34;&#38;y.gif"},
        {kOutputBesideFile, "pre/", "0,000000,pre/sky.gif,1", "pre/frame &#34;x&#34;&#38;y.gif"},
    };
    for (const Case& c : cases) {
        CGlintraAppletParams design;
        CBannerBackground& b = *design.m_aBackgrounds[0];
        b.m_PgBKType = 0;
        b.m_PgBKImg = pictures / "sky.gif";
        b.m_PgBKImgWebPath = "images/";
        b.m_PgBKImgPutType = 1;
        design.m_appBKImagePath = pictures / "frame \"x\"&y.gif";
        design.m_appBKImageWebPath = "borders/";
        design.m_appBorderType = 2;  // the border image is written whatever the style
        const std::string block = Block(design, c.mode, c.previewPath);
        EXPECT_EQ(Param(block, "PgBKStyle-0"), c.background) << c.mode << c.previewPath;
        EXPECT_EQ(Param(block, "ApBKImg"), c.border) << c.mode << c.previewPath;
    }
}

TEST(AppletBlock, AnImageThatIsGoneIsLeftOut)
{
    CTempDir pictures;
    CGlintraAppletParams design;
    design.m_aBackgrounds[0]->m_PgBKType = 0;
    design.m_aBackgrounds[0]->m_PgBKImg = pictures / "deleted.gif";
    design.m_appBKImagePath = pictures / "deleted too.gif";
    const std::string block = Block(design, kOutputWebPaths);
    EXPECT_EQ(Param(block, "PgBKStyle-0"), "0,000000,,0");
    EXPECT_EQ(Param(block, "ApBKImg"), "");
    EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, "") << "the design forgets it too";
}

TEST(AppletBlock, Codebase)
{
    const struct {
        SHORT mode;
        const char* classWebPath;
        const char* previewPath;
        const char* line;
    } cases[] = {
        {kOutputWebPaths, "applets/", "",
         "<applet codebase=\"applets/\" code=\"glntfx.class\" align=\"baseline\" width=\"200\" height=\"100\">"},
        {kOutputWebPaths, "a\"b&c/", "",
         "<applet codebase=\"a&#34;b&#38;c/\" code=\"glntfx.class\" align=\"baseline\" width=\"200\" height=\"100\">"},
        {kOutputBesideFile, "applets/", "",
         "<applet  code=\"glntfx.class\" align=\"baseline\" width=\"200\" height=\"100\">"},
        {kOutputBesideFile, "applets/", "tmp/",
         "<applet codebase=\"tmp/\" code=\"glntfx.class\" align=\"baseline\" width=\"200\" height=\"100\">"},
    };
    for (const auto& c : cases) {
        CGlintraAppletParams design;
        design.m_ClassWebPath = c.classWebPath;
        EXPECT_EQ(SplitLines(Block(design, c.mode, c.previewPath)).at(1), c.line);
    }
}

// Modes 2 and 3 are modes 0 and 1 with one line more, after the paragraph:
// the script player, loaded from where the class file is.
TEST(AppletBlock, ThePlayerModesAddOneLineAfterTheBlock)
{
    const struct {
        SHORT mode;
        SHORT without;
        const char* classWebPath;
        const char* previewPath;
        const char* script;
    } cases[] = {
        {kOutputWebPathsWithPlayer, kOutputWebPaths, "", "", "<script src=\"glntfx.js\" defer></script>"},
        {kOutputWebPathsWithPlayer, kOutputWebPaths, "applets/", "pre/",
         "<script src=\"applets/glntfx.js\" defer></script>"},
        {kOutputWebPathsWithPlayer, kOutputWebPaths, "applets", "", "<script src=\"applets/glntfx.js\" defer></script>"},
        {kOutputWebPathsWithPlayer, kOutputWebPaths, "a\"b&c/<x>/", "",
         "<script src=\"a&#34;b&#38;c/<x>/glntfx.js\" defer></script>"},
        {kOutputBesideFileWithPlayer, kOutputBesideFile, "applets/", "", "<script src=\"glntfx.js\" defer></script>"},
        {kOutputBesideFileWithPlayer, kOutputBesideFile, "applets/", "tmp/",
         "<script src=\"tmp/glntfx.js\" defer></script>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        CGlintraAppletParams design;
        design.m_ClassWebPath = c.classWebPath;
        design.SetBannerCount(2);
        const std::vector<std::string> with = SplitLines(Block(design, c.mode, c.previewPath));
        std::vector<std::string> without = SplitLines(Block(design, c.without, c.previewPath));
        without.push_back(c.script);
        EXPECT_EQ(with, without);
    }
}

TEST(AppletBlock, AlignmentWords)
{
    const struct {
        int align;
        const char* line;
    } cases[] = {{0, "<p align=\"Center\">"}, {1, "<p align=\"Left\">"}, {2, "<p align=\"Right\">"},
                 {3, "<p align=\"\">"},       {-1, "<p align=\"\">"}};
    for (const auto& c : cases) {
        CGlintraAppletParams design;
        design.m_Align = c.align;
        EXPECT_EQ(SplitLines(Block(design, kOutputWebPaths)).at(0), c.line) << c.align;
    }
}

// Three banners titled by number, texts "T0".."T2".
CGlintraAppletParams ThreeBanners()
{
    CGlintraAppletParams design;
    design.SetBannerCount(3);
    for (int i = 0; i < 3; ++i) {
        design.m_aTexts[size_t(i)]->m_ShowText = "T" + std::to_string(i);
        design.m_aBackgrounds[size_t(i)]->m_PgDelay = 1000 + i;
    }
    return design;
}

TEST(AppletBlock, DisabledBannersLeaveNoGap)
{
    CGlintraAppletParams design = ThreeBanners();
    design.SetBackgroundEnable(1, FALSE);
    design.SetTextEnable(1, FALSE);
    const std::string block = Block(design, kOutputWebPaths);
    EXPECT_EQ(Param(block, "PgTotal"), "2");
    EXPECT_EQ(Param(block, "PgDelay-0"), "1000");
    EXPECT_EQ(Param(block, "PgDelay-1"), "1002");
    EXPECT_EQ(Param(block, "PgDelay-2"), "<none>");
    EXPECT_EQ(Param(block, "PgText-0"), "T0");
    EXPECT_EQ(Param(block, "PgText-1"), "T2");
    EXPECT_EQ(Param(block, "PgText-2"), "<none>");
}

TEST(AppletBlock, BackgroundsAndTextsAreNumberedApart)
{
    // Banner 0 shows its background but not its text: the texts are
    // numbered on their own, and no more texts than backgrounds are written.
    CGlintraAppletParams design = ThreeBanners();
    design.SetTextEnable(0, FALSE);
    std::string block = Block(design, kOutputWebPaths);
    EXPECT_EQ(Param(block, "PgTotal"), "3");
    EXPECT_EQ(Param(block, "PgText-0"), "T1");
    EXPECT_EQ(Param(block, "PgText-1"), "T2");
    EXPECT_EQ(Param(block, "PgText-2"), "<none>");

    design = ThreeBanners();
    design.SetBackgroundEnable(2, FALSE);
    block = Block(design, kOutputWebPaths);
    EXPECT_EQ(Param(block, "PgTotal"), "2");
    EXPECT_EQ(Param(block, "PgText-1"), "T1");
    EXPECT_EQ(Param(block, "PgText-2"), "<none>") << "the third text has no background to go with";
}

TEST(AppletBlock, ColorToHex)
{
    EXPECT_EQ(ColorToHex(0), "000000");
    EXPECT_EQ(ColorToHex(16777215), "ffffff");
    EXPECT_EQ(ColorToHex(255), "ff0000");
    EXPECT_EQ(ColorToHex(RGB(0, 128, 255)), "0080ff");
    EXPECT_EQ(ColorToHex(0xFF000000u | RGB(1, 2, 3)), "010203") << "the top byte is not a colour";
}

} // namespace
