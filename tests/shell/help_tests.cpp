// The help: the index of the pages and the help window that shows them by
// topic, with its contents and keyword search.
#include "host/help/helpindex.h"
#include "host/help/helpwindow.h"
#include "tests/support/testsupport.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

TEST(HelpIndex, ReadsWhatFitsAndSkipsTheRest)
{
    const CHelpIndex index = CHelpIndex::Parse("# comment\r\n"
                                               "page\tindex.html\tWelcome\r\n"
                                               "page\tguide.html\tThe guide page\n"
                                               "\n"
                                               "topic\t43\tguide.html\n"
                                               "topic\t98329\ttutorial.html\n"
                                               "keyword\tTemplate\ttemplates.html\n"
                                               "keyword\tclipboard\toutput.html\n"
                                               "page\t../etc/passwd.html\tEscape\n"
                                               "page\t/abs.html\tAbsolute\n"
                                               "page\tnotes.txt\tNot a page\n"
                                               "topic\t-1\tindex.html\n"
                                               "topic\t12x\tindex.html\n"
                                               "topic\t99999999999\tindex.html\n"
                                               "keyword\t\tindex.html\n"
                                               "page\tmissing-title.html\n"
                                               "page\textra.html\tExtra\tfield\n"
                                               "unknown\tx\ty.html");
    ASSERT_EQ(index.Contents().size(), 2u);
    EXPECT_EQ(index.Contents()[0].file, "index.html");
    EXPECT_EQ(index.Contents()[1].title, "The guide page");
    EXPECT_EQ(index.PageOfTopic(43), "guide.html");
    EXPECT_EQ(index.PageOfTopic(98329), "tutorial.html");
    EXPECT_EQ(index.PageOfTopic(7), "");
    EXPECT_EQ(index.TitleOf("guide.html"), "The guide page");
    EXPECT_EQ(index.TitleOf("other.html"), "other.html");
    ASSERT_EQ(index.FindKeywords("TEMP").size(), 1u);
    EXPECT_EQ(index.FindKeywords("temp")[0].file, "templates.html");
    EXPECT_EQ(index.FindKeywords("").size(), 2u);
    EXPECT_TRUE(index.FindKeywords("nothing").empty());
    EXPECT_TRUE(CHelpIndex::Parse("").Empty());
}

TEST(HelpIndex, PageNames)
{
    for (const char* good : {"index.html", "faq.html", "a-b_c.html"})
        EXPECT_TRUE(IsHelpPageName(good)) << good;
    for (const char* bad : {"", ".html", "../x.html", "a/b.html", "a\\b.html", "x.htm", ".hidden.html", "x..html",
                            "tab\t.html"})
        EXPECT_FALSE(IsHelpPageName(bad)) << bad;
}

// The pages that ship, in the app folder.
class HelpWindow : public ::testing::Test {
protected:
    CHelpWindow window{GLINTRA_APP_DIR "/help"};
};

TEST_F(HelpWindow, OpensTopicsContentsAndSearch)
{
    struct Case {
        EHelpCommand command;
        DWORD topic;
        const char* page;
    };
    const Case cases[] = {
        {EHelpCommand::Context, 43, "guide.html"},
        {EHelpCommand::Context, 0x10000 + 32793, "tutorial.html"},
        {EHelpCommand::Context, 0x10000 + 32790, "faq.html"},
        {EHelpCommand::Context, 0x10000 + 32783, "pallima.html"},
        {EHelpCommand::Context, 0x10000 + 1023, "wizard.html"},
        {EHelpCommand::Context, 0x20000 + 128, "guide.html"},
        {EHelpCommand::Context, 12345, "index.html"},  // unknown: the contents
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(window.ShowHelp(c.command, c.topic, {})) << c.topic;
        EXPECT_EQ(window.CurrentPage(), c.page) << c.topic;
        EXPECT_TRUE(window.isVisible());
        EXPECT_FALSE(window.Browser()->toPlainText().isEmpty()) << c.page;
    }
    ASSERT_TRUE(window.ShowHelp(EHelpCommand::Contents, 0, {}));
    EXPECT_EQ(window.Tabs()->currentIndex(), 0);
    if (const char* folder = std::getenv("GLINTRA_SCREENSHOTS"))
        window.grab().save(QString::fromUtf8(folder) + "/help.png");

    ASSERT_TRUE(window.ShowHelp(EHelpCommand::Keyword, 0, "support"));
    EXPECT_EQ(window.Tabs()->currentIndex(), 1);
    EXPECT_EQ(window.SearchEdit()->text(), "support");
    ASSERT_GT(window.SearchResults()->count(), 0);
    window.SearchEdit()->setText("");
    EXPECT_EQ(window.SearchResults()->count(), int(window.Index().Keywords().size()));
    window.SearchEdit()->setText("no such keyword at all");
    EXPECT_EQ(window.SearchResults()->count(), 0);
}

TEST_F(HelpWindow, EveryPageOfTheIndexIsThereAndLinksStayInside)
{
    ASSERT_TRUE(window.ShowHelp(EHelpCommand::Contents, 0, {}));
    std::vector<std::string> files;
    for (const CHelpPage& page : window.Index().Contents())
        files.push_back(page.file);
    for (const CHelpKeyword& keyword : window.Index().Keywords())
        files.push_back(keyword.file);
    for (const std::string& file : files)
        EXPECT_TRUE(FileExists(GLINTRA_APP_DIR "/help/" + file)) << file;
    for (const char* required : {"index.html", "guide.html", "wizard.html", "templates.html", "output.html"})
        EXPECT_NE(std::find(files.begin(), files.end(), required), files.end()) << required;
}

TEST(HelpWindowWithoutPages, SaysItCannotShowThem)
{
    CTempDir empty;
    CHelpWindow window(empty.Path());
    EXPECT_FALSE(window.ShowHelp(EHelpCommand::Context, 43, {}));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
