// Copy Code and New Page: the segments, the clipboard, the code dialog,
// the resource file and the page skeleton.
#include "outputfixture.h"

#include "common/colorlabel.h"
#include "host/output/copycodedlg.h"

#include <QPlainTextEdit>

namespace {

using NewPage = OutputFixture;
using CopyCode = OutputFixture;

TEST_F(NewPage, SkeletonForEachMixOfSegments)
{
    using S = CFakePagelet::CSegment;
    struct Case {
        const char* what;
        std::vector<S> segments;
        const char* page;
    };
    const Case cases[] = {
        {"one cursor segment",
         {{"cursor", "<p>banner</p>"}},
         "<HTML>\r\n<HEAD>\r\n<TITLE>Test Pagelet 1.0</TITLE>\r\n\r\n\r\n</HEAD>\r\n<BODY>\r\n<p>banner</p>\r\n</BODY>\r\n"
         "</HTML>"},
        {"style, script and cursor",
         {{"cursor", "<p>c</p>"}, {"script", "<script>s()</script>"}, {"style", "<style>b{}</style>"}},
         "<HTML>\r\n<HEAD>\r\n<TITLE>Test Pagelet 1.0</TITLE>\r\n<style>b{}</style>\r\n<script>s()</script>\r\n"
         "</HEAD>\r\n<BODY>\r\n<p>c</p>\r\n</BODY>\r\n</HTML>"},
        {"two cursor segments: the later one",
         {{"cursor", "first"}, {"cursor", "second"}},
         "<HTML>\r\n<HEAD>\r\n<TITLE>Test Pagelet 1.0</TITLE>\r\n\r\n\r\n</HEAD>\r\n<BODY>\r\nsecond\r\n</BODY>\r\n</HTML>"},
        {"other positions and case are not ours",
         {{"Cursor", "no"}, {"head", "no"}, {"cursor", "yes"}},
         "<HTML>\r\n<HEAD>\r\n<TITLE>Test Pagelet 1.0</TITLE>\r\n\r\n\r\n</HEAD>\r\n<BODY>\r\nyes\r\n</BODY>\r\n</HTML>"},
        {"no segment at all", {},
         "<HTML>\r\n<HEAD>\r\n<TITLE>Test Pagelet 1.0</TITLE>\r\n\r\n\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CFakePagelet& pagelet = UseFake(c.segments);
        pagelet.bodyCalls.clear();
        ui.Clear();
        const std::string page = site / "index.htm";
        ui.QueueSaveFile(page);
        OnNewPage(document, nullptr);
        EXPECT_EQ(Read(page), c.page);
        EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"You have saved Glintra into " + page + " successfully!"}));
        for (size_t i = 0; i < c.segments.size(); ++i) {
            const std::string& position = c.segments[i].position;
            const bool known = position == "style" || position == "script" || position == "cursor";
            EXPECT_EQ(pagelet.bodyCalls[i], known ? 1 : 0) << "segment " << i;
        }
    }
}

TEST_F(NewPage, ResourceFileIsNamedAfterThePageAndGoesAgain)
{
    struct Case {
        const char* page;
        const char* resources;
    };
    const Case cases[] = {{"index.htm", "index.respgt"}, {"a.b.htm", "a.b.respgt"}, {"page", "page.respgt"}};
    CFakePagelet& pagelet = UseFake({{"cursor", "x"}});
    for (const Case& c : cases) {
        pagelet.writes.clear();
        ui.QueueSaveFile(site / c.page);
        OnNewPage(document, nullptr);
        ASSERT_EQ(pagelet.writes.size(), 1u) << c.page;
        EXPECT_EQ(pagelet.writes[0].path, site / c.resources);
        EXPECT_EQ(pagelet.writes[0].overwrite, 0) << "WriteConfigFile: only what is missing";
        EXPECT_FALSE(FileExists(site / c.resources)) << c.resources;
        EXPECT_TRUE(FileExists(site / c.page));
    }
    EXPECT_FALSE(document.IsModified());
}

TEST_F(NewPage, TheSaveDialogAndItsOutcomes)
{
    UseFake({{"cursor", "x"}});
    ui.QueueSaveFile(std::nullopt);
    OnNewPage(document, nullptr);
    const auto asked = ui.RecordsOf(EUiExchange::SaveFile);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].fileOptions.defaultExtension, "htm");
    EXPECT_TRUE(asked[0].fileOptions.promptOverwrite);
    ASSERT_EQ(asked[0].fileOptions.filters.size(), 2u);
    EXPECT_EQ(asked[0].fileOptions.filters[0].description, "HTML Files(*.htm;*.html) ");
    EXPECT_EQ(asked[0].fileOptions.filters[0].patterns, "*.htm;*.html");
    EXPECT_TRUE(ui.Messages().empty()) << "Cancel does nothing";
    EXPECT_TRUE(fake.pagelet.writes.empty());

    // An existing page is replaced whole.
    const std::string page = site / "old.htm";
    ASSERT_TRUE(WriteFileAtomically(page, std::string(5000, 'o')));
    ui.QueueSaveFile(page);
    OnNewPage(document, nullptr);
    EXPECT_EQ(Read(page).find('o'), std::string::npos);

    // A page that cannot be made.
    ui.Clear();
    ui.QueueSaveFile(site / "no-such-folder/index.htm");
    OnNewPage(document, nullptr);
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Create HTML File Failure!"}));
}

TEST_F(NewPage, RealWidgetGetsItsClassFileBesideThePage)
{
    const std::string page = site / "index.htm";
    ui.QueueSaveFile(page);
    OnNewPage(document, nullptr);
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    EXPECT_TRUE(FileExists(site / "glntfx.class"));
    EXPECT_FALSE(FileExists(site / "index.respgt"));
    const std::string text = Read(page);
    EXPECT_EQ(text.rfind("<HTML>\r\n<HEAD>\r\n<TITLE>Pallima Glintra 1.5</TITLE>\r\n\r\n\r\n</HEAD>\r\n<BODY>\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("code=\"glntfx.class\""), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 18), "\r\n</BODY>\r\n</HTML>");
}

TEST_F(NewPage, TheCommandLineWritesTheSamePage)
{
    const std::string widget = site / "w.pgt";
    document.m_pPagelet->SetProgID("PageletServer.Glintra");
    ASSERT_TRUE(document.m_pPagelet->WriteConfigFile(widget));
    CTempDir viaDialog, viaCommand;
    ui.QueueSaveFile(viaDialog / "index.htm");
    CPagelet reader;
    ASSERT_TRUE(reader.CreateFromProgID("PageletServer.Glintra"));
    ASSERT_TRUE(reader.ReadConfigFile(widget));
    document.m_pPagelet = std::make_unique<CPagelet>();
    ASSERT_TRUE(document.m_pPagelet->CreateFromProgID("PageletServer.Glintra"));
    ASSERT_TRUE(document.m_pPagelet->ReadConfigFile(widget));
    OnNewPage(document, nullptr);

    CTempDir scratch;
    const CProcessResult run =
        RunProcess({server.Glintra(), "new-page", widget, viaCommand / "index.htm", "--no-player"}, scratch);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "wrote " + (viaCommand / "index.htm") + "\n");
    EXPECT_EQ(Read(viaCommand / "index.htm"), Read(viaDialog / "index.htm"));
    EXPECT_TRUE(FileExists(viaCommand / "glntfx.class"));
    EXPECT_FALSE(FileExists(viaCommand / "index.respgt"));

    const CProcessResult code = RunProcess({server.Glintra(), "code", "--no-player", widget}, scratch);
    ASSERT_EQ(code.exitCode, 0) << code.err;
    EXPECT_EQ(code.out, GatherSegments(reader).cursor);
}

TEST_F(CopyCode, CopiesTheCursorTextAndShowsIt)
{
    UseFake({{"style", "s"}, {"cursor", "<p>one</p>\r\n<p>two</p>"}, {"script", "j"}});
    std::string shown;
    CColorLabel* note = nullptr;
    COLORREF back = 0, fore = 0;
    ui.QueueDialog([&](QDialog& d) {
        shown = CScriptedUiServices::Control<QPlainTextEdit>(d, CCopyCodeDlg::IDC_CODE)->toPlainText().toStdString();
        note = CScriptedUiServices::Control<CColorLabel>(d, CCopyCodeDlg::IDC_NOTE);
        back = note->BackColor();
        fore = note->ForeColor();
        Screenshot(d, "copycode");
        d.reject();  // Esc or the close box
    });
    OnCopyCode(document, nullptr);
    EXPECT_EQ(ui.ClipboardText(), "<p>one</p>\r\n<p>two</p>") << "the cursor text only";
    EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"Glintra's HTML Code"}));
    EXPECT_EQ(shown, "<p>one</p>\n<p>two</p>");
    EXPECT_EQ(back, RGB(13, 47, 109));
    EXPECT_EQ(fore, RGB(255, 255, 255));
    EXPECT_FALSE(document.IsModified());

    // Without a cursor segment the clipboard keeps what it had.
    UseFake({{"style", "s"}});
    ui.Clear();
    ui.QueueDialogReject();
    OnCopyCode(document, nullptr);
    EXPECT_TRUE(ui.RecordsOf(EUiExchange::SetClipboard).empty());
    EXPECT_EQ(ui.ClipboardText(), "<p>one</p>\r\n<p>two</p>");
}

TEST(PageText, LinesComeBackWithCrLf)
{
    struct Case {
        const char* raw;
        const char* text;
    };
    const Case cases[] = {
        {"", ""},
        {"a", "a\r\n"},
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\r\nb", "a\r\nb\r\n"},
        {"a\r\n\r\n", "a\r\n\r\n"},
        {"a\rb\n", "a\rb\r\n"},
        {"\n", "\r\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToCrLfLines(c.raw), c.text) << c.raw;
    EXPECT_EQ(InsertionBlock("<p>x</p>"), "<!--Insert By Norvane Glintra-->\r\n<p>x</p>\r\n<!--End of Glintra-->\r\n");
    EXPECT_EQ(SplitParameterString("\"/home/ann/My Site/index.htm\""),
              (std::vector<std::string>{"/home/ann/My Site/index.htm"}));
    EXPECT_EQ(SplitParameterString("\"/x.htm\""), (std::vector<std::string>{"/x.htm"}));
}

} // namespace
