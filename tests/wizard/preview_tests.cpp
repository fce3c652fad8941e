// The wizard's Preview: its browser menu, the page it writes beside copies
// of the support files, and the browser it starts, through the UI seam.
#include "wizardfixture.h"

#include "platform/base/files.h"
#include "wizard/wizardtempfolder.h"

#include <QMenu>

#include <sys/stat.h>

namespace {

class Preview : public WizardFixture {
protected:
    void SetUp() override
    {
        // This machine's browsers come from folders of the test's own.
        CreateFolderPath(bin);
        for (const char* program : {"chromium", "falkon"}) {
            const std::string path = bin + "/" + program;
            ASSERT_TRUE(WriteText(path, "#!/bin/sh\n"));
            ::chmod(path.c_str(), 0755);
        }
        // The server folder holds the class file and the player, as the app
        // folder does.
        design.m_strClassLocalPath = WithTrailingSlash(server.Path());
        ASSERT_TRUE(WriteText(server / "glntfx.class", "class"));
        ASSERT_TRUE(WriteText(server / "glntfx.js", "player"));
    }
    static std::vector<std::pair<std::string, unsigned>> Entries(QMenu* menu)
    {
        std::vector<std::pair<std::string, unsigned>> entries;
        for (QAction* action : menu->actions())
            entries.emplace_back(action->isSeparator() ? "-" : action->text().toStdString(),
                                 action->isSeparator() ? 0u : action->data().toUInt());
        return entries;
    }
    void AddUserBrowser(const std::string& name, const std::string& path)
    {
        CBrowserList(settings).AddUserBrowser(name, path);
    }

    CTempDir home;
    std::string bin = home / "bin";
    CScopedEnv dataHome{"XDG_DATA_HOME", home / "share"}, dataDirs{"XDG_DATA_DIRS", home / "none"},
        path{"PATH", bin};
};

TEST_F(Preview, TheMenuListsTheBrowsersWithTheirCommands)
{
    Run([&](CGlintraPrpSheet& sheet) {
        QMenu* menu = sheet.BuildBrowserMenu();
        EXPECT_EQ(Entries(menu), (std::vector<std::pair<std::string, unsigned>>{
                                     {"Use Default", 32781}, {"-", 0}, {"Chromium", 32806}, {"Falkon", 32807}}));
        delete menu;
        AddUserBrowser("Mine", "/opt/mine");
        AddUserBrowser("Other", "/opt/other");
        menu = sheet.BuildBrowserMenu();
        menu->adjustSize();
        SaveShot(*menu, "wizard-preview-menu");
        SaveShot(sheet, "wizard-with-preview");
        EXPECT_EQ(Entries(menu), (std::vector<std::pair<std::string, unsigned>>{{"Use Default", 32781},
                                                                                {"-", 0},
                                                                                {"Chromium", 32806},
                                                                                {"Falkon", 32807},
                                                                                {"-", 0},
                                                                                {"Mine", 32809},
                                                                                {"Other", 32810}}));
        delete menu;
        Cancel(sheet);
    });
}

TEST_F(Preview, ABrowserIsStartedOnThePageBesideItsFiles)
{
    CTempDir pictures;
    ASSERT_TRUE(WriteText(pictures / "sky.jpg", "picture"));
    design.m_aBackgrounds[0]->m_PgBKType = 0;
    design.m_aBackgrounds[0]->m_PgBKImg = pictures / "sky.jpg";
    config.SetDescription("PreviewPath", "kept/");
    AddUserBrowser("Mine", bin + "/falkon");
    const std::string tmp = WizardTempFolder(server.Path());
    Run([&](CGlintraPrpSheet& sheet) {
        Next(sheet);
        struct Case {
            unsigned command;
            std::string program;  // empty: the default handler
        };
        for (const Case& c : {Case{32806, bin + "/chromium"}, Case{32809, bin + "/falkon"}, Case{32781, ""}}) {
            SCOPED_TRACE(c.command);
            ui.Clear();
            sheet.OnPreviewCommand(c.command);
            const std::string page = tmp + "/preview.htm";
            if (c.program.empty()) {
                ASSERT_EQ(ui.RecordsOf(EUiExchange::ShellOpen).size(), 1u) << ui.Transcript();
                EXPECT_EQ(ui.RecordsOf(EUiExchange::ShellOpen)[0].text, page);
            } else {
                ASSERT_EQ(ui.RecordsOf(EUiExchange::StartProgram).size(), 1u) << ui.Transcript();
                EXPECT_EQ(ui.RecordsOf(EUiExchange::StartProgram)[0].text, c.program);
                EXPECT_EQ(ui.RecordsOf(EUiExchange::StartProgram)[0].arguments, std::vector<std::string>{page});
            }
            EXPECT_TRUE(ui.Messages().empty()) << ui.Transcript();
        }
        // The page as written: the block names every file bare, and they
        // lie beside it; the design keeps its own paths.
        std::string text;
        ASSERT_TRUE(ReadWholeFile(tmp + "/preview.htm", text));
        EXPECT_EQ(text.rfind("<HTML>\r\n<HEAD>\r\n<TITLE>Preview</TITLE>\r\n<BODY>\r\n<p align=\"Center\">\r\n<applet  code=", 0),
                  0u) << text;
        EXPECT_NE(text.find("value=\"0,000000,sky.jpg,0\""), std::string::npos);
        EXPECT_NE(text.find("</P>\r\n<script src=\"glntfx.js\" defer></script>\r\n\r\n</BODY>\r\n</HTML>"), std::string::npos);
        for (const char* file : {"glntfx.class", "glntfx.js", "sky.jpg"})
            EXPECT_TRUE(FileExists(tmp + "/" + file)) << file;
        EXPECT_EQ(design.m_aBackgrounds[0]->m_PgBKImg, pictures / "sky.jpg");
        EXPECT_EQ(config.GetDescription("PreviewPath"), "kept/") << "PreviewPath as it was";
        Cancel(sheet);
    });
    EXPECT_FALSE(FolderExists(tmp)) << "the preview goes with the wizard";
}

TEST_F(Preview, TheCurrentPageIsStoredFirst)
{
    Run([&](CGlintraPrpSheet& sheet) {
        // General: the size warning, then the browser all the same.
        TypeInto(Ctl<QLineEdit>(General(sheet), CGeneralPage::IDC_WIDTH), "4");
        TypeInto(Ctl<QLineEdit>(General(sheet), CGeneralPage::IDC_MARGIN_WIDTH), "2");
        sheet.OnPreviewCommand(32806);
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{"The applet width is too small,Please enlarge it!"});
        EXPECT_EQ(ui.RecordsOf(EUiExchange::StartProgram).size(), 1u);
        EXPECT_EQ(design.m_appWidth, 4);
        // Text: the banner, but not the check marks, which wait for the page
        // to be left.
        ui.Clear();
        Next(sheet);
        Next(sheet);
        ui.Clear();
        Lines(Text(sheet)).setData(Lines(Text(sheet)).index(0), Qt::Unchecked, Qt::CheckStateRole);
        Ctl<QPlainTextEdit>(Text(sheet), CTextPage::IDC_TEXT)->setPlainText("Previewed");
        sheet.OnPreviewCommand(32781);
        EXPECT_EQ(design.m_aTexts[0]->m_ShowText, "Previewed");
        EXPECT_TRUE(design.m_aTexts[0]->m_bTextEnable) << "the mark waits for the page to be left";
        Cancel(sheet);
    });
}

TEST_F(Preview, FailuresAreSaid)
{
    AddUserBrowser("Gone", home / "no-such-browser");
    AddUserBrowser("Text", home / "notes.txt");
    ASSERT_TRUE(WriteText(home / "notes.txt", "not a program"));
    Run([&](CGlintraPrpSheet& sheet) {
        // 32806, 32807 this machine's; 32809 and 32810 the user's.
        for (const unsigned command : {32809u, 32810u}) {
            ui.Clear();
            sheet.OnPreviewCommand(command);
            ASSERT_EQ(ui.Messages().size(), 1u);
            EXPECT_NE(ui.LastMessage().find("could not be started."), std::string::npos) << ui.LastMessage();
            EXPECT_TRUE(ui.RecordsOf(EUiExchange::StartProgram).empty());
            EXPECT_TRUE(sheet.isVisible()) << "the wizard stays";
        }
        // Past the end of the commands nothing happens.
        ui.Clear();
        sheet.OnPreviewCommand(32901);
        EXPECT_TRUE(ui.Records().empty());
        // A page that cannot be written: its folder is a file.
        ui.Clear();
        sheet.m_strTempFolder = home / "notes.txt";
        sheet.OnPreviewCommand(32781);
        EXPECT_EQ(ui.Messages(), std::vector<std::string>{"Preview Failure!"});
        EXPECT_TRUE(ui.RecordsOf(EUiExchange::ShellOpen).empty());
        Cancel(sheet);
    });
}

} // namespace
