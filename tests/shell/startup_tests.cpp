// The application object: start-up with and without a widget, the command
// line, the saved placement of the main window, the recent files, the
// settings switch and the clean-up at exit.
#include "shellfixture.h"

#include "common/bitmapbutton.h"
#include "host/shell/commandline.h"
#include "host/shell/frameplacement.h"
#include "host/shell/recentfilelist.h"
#include "platform/registry/registry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QDialog>
#include <QScreen>

namespace {

using Startup = ShellFixture;

TEST_F(Startup, WithoutAFileShowsTheDefaultWidget)
{
    ASSERT_TRUE(Start()) << ui.Transcript();
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Untitled_PageletServer.Glintra - Pallima Glintra");
    EXPECT_EQ(Document().m_pPagelet->GetTitle(), "Normal");
    EXPECT_FALSE(Document().IsModified());
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(Frame().centralWidget(), &View());
    EXPECT_TRUE(ui.Records().empty()) << "no dialog, no message: " << ui.Transcript();
    EXPECT_EQ(std::filesystem::current_path().string(), appFolder.Path() + "/My Widget");
    EXPECT_EQ(Stop(), 0);
}

TEST_F(Startup, WithAWidgetFileOpensItWithoutTheNewDialog)
{
    const std::string widget = SavedWidget("Sunrise", "Sunrise");
    // Opening ends in Configure: the pagelet's wizard, cancelled here.
    std::string wizardTitle;
    ui.QueueDialog([&](QDialog& d) {
        wizardTitle = d.windowTitle().toStdString();
        d.reject();
    });
    ASSERT_TRUE(Start({widget})) << ui.Transcript();
    EXPECT_EQ(Frame().windowTitle().toStdString(), "Sunrise.pgt - Pallima Glintra");
    EXPECT_EQ(Document().GetPathName(), widget);
    EXPECT_EQ(Document().m_pPagelet->GetTitle(), "Sunrise");
    EXPECT_EQ(wizardTitle, "Pallima Glintra 1.5 Wizard");
    EXPECT_TRUE(ui.Messages().empty()) << ui.Transcript();
    EXPECT_FALSE(Document().IsModified()) << "a cancelled wizard changes nothing";
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

TEST_F(Startup, EndsWhenTheWidgetCannotBeOpenedOrThePageletMade)
{
    EXPECT_FALSE(Start({work / "missing.pgt"}));
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_NE(ui.LastMessage().find("missing.pgt"), std::string::npos) << ui.LastMessage();
    EXPECT_EQ(Stop(), 1);

    ui.Clear();
    ASSERT_EQ(server.CallEntry("DllUnregisterServer"), 0);
    EXPECT_FALSE(Start());
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Create the dispatch of the PageletServer.Glintra Error!"}));
    EXPECT_EQ(Stop(), 1);
}

TEST_F(Startup, AMissingWidgetFolderChangesNothing)
{
    RemoveFolderTree(appFolder.Path() + "/My Widget");
    const std::string before = std::filesystem::current_path().string();
    ASSERT_TRUE(Start());
    EXPECT_EQ(std::filesystem::current_path().string(), before);
}

TEST(CommandLine, Cases)
{
    struct Case {
        std::vector<std::string> arguments;
        CCommandLineInfo::EShellCommand command;
        std::string file;
    };
    const Case cases[] = {
        {{}, CCommandLineInfo::FileNew, ""},
        {{"banner.pgt"}, CCommandLineInfo::FileOpen, "banner.pgt"},
        {{"/home/ann/My Widget/banner.pgt"}, CCommandLineInfo::FileOpen, "/home/ann/My Widget/banner.pgt"},
        {{"/Unregister"}, CCommandLineInfo::AppUnregister, ""},
        {{"-UNREGISTER"}, CCommandLineInfo::AppUnregister, ""},
        {{"/unregserver"}, CCommandLineInfo::AppUnregister, ""},
        {{"-UnRegServer", "banner.pgt"}, CCommandLineInfo::AppUnregister, ""},
        {{"banner.pgt", "/Unregister"}, CCommandLineInfo::AppUnregister, ""},
        {{"-verbose", "banner.pgt"}, CCommandLineInfo::FileOpen, "banner.pgt"},
        {{"/Unregisterx"}, CCommandLineInfo::FileOpen, "/Unregisterx"},
        {{"first.pgt", "second.pgt"}, CCommandLineInfo::FileOpen, "first.pgt"},
        {{""}, CCommandLineInfo::FileNew, ""},
    };
    for (const Case& c : cases) {
        const CCommandLineInfo info = ParseCommandLine(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(info.m_nShellCommand, c.command) << shown;
        EXPECT_EQ(info.m_strFileName, c.file) << shown;
    }
}

TEST_F(Startup, UnregisterRemovesTheSettingsAndEnds)
{
    CProfile profile("Norvane", "Pallima Glintra");
    ASSERT_TRUE(profile.WriteProfileString("Recent File List", "File1", "/x.pgt"));
    ASSERT_TRUE(profile.WriteProfileInt("Frame", "Status", 1));
    EXPECT_FALSE(Start({"-UnregServer"}));
    EXPECT_EQ(ui.Messages(),
              (std::vector<std::string>{
                  "System registry entries have been removed and the INI file (if any) was deleted."}));
    EXPECT_EQ(Stop(), 0);
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Norvane\\Pallima Glintra", &key), ERROR_SUCCESS)
        << "nothing was written back after the key went";
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Norvane", &key), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST(FramePlacement, ReadFromTheSettings)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, int>> entries;
        QRect screen;
        QRect workArea;
        std::optional<QRect> expected;
        int showCommand;
    };
    const QRect narrow(0, 0, 1024, 768);
    const QRect taskbarLeft(60, 0, 964, 768);
    const Case cases[] = {
        {"first run", {}, narrow, narrow, std::nullopt, 1},
        {"one entry missing", {{"Status", 1}, {"Top", 10}, {"Left", 10}, {"Bottom", 400}}, narrow, narrow,
         std::nullopt, 1},
        {"as stored", {{"Status", 1}, {"Top", 20}, {"Left", 30}, {"Bottom", 420}, {"Right", 480}}, narrow, narrow,
         QRect(30, 20, 450, 400), 1},
        {"relative to the work area",
         {{"Status", 1}, {"Top", 20}, {"Left", 30}, {"Bottom", 420}, {"Right", 480}}, narrow, taskbarLeft,
         QRect(90, 20, 450, 400), 1},
        {"Left 5000 on a narrow screen",
         {{"Status", 1}, {"Top", 20}, {"Left", 5000}, {"Bottom", 420}, {"Right", 5450}}, narrow, narrow,
         QRect(1024 - kIconSize, 20, 450, 400), 1},
        {"far below", {{"Status", 1}, {"Top", 3000}, {"Left", 0}, {"Bottom", 3400}, {"Right", 450}}, narrow, narrow,
         QRect(0, 768 - kIconSize, 450, 400), 1},
        {"far to the left", {{"Status", 1}, {"Top", 0}, {"Left", -3000}, {"Bottom", 400}, {"Right", -2550}}, narrow,
         narrow, QRect(kIconSize - 450, 0, 450, 400), 1},
        {"closed minimised", {{"Status", 2}, {"Top", 0}, {"Left", 0}, {"Bottom", 400}, {"Right", 450}}, narrow, narrow,
         QRect(0, 0, 450, 400), 2},
    };
    for (const Case& c : cases) {
        CTempRegistry registry;
        CProfile profile("Norvane", "Pallima Glintra");
        for (const auto& [entry, value] : c.entries)
            profile.WriteProfileInt("Frame", entry, value);
        const std::optional<CFramePlacement> placement = ReadFramePlacement(profile, c.screen, c.workArea);
        ASSERT_EQ(placement.has_value(), c.expected.has_value()) << c.what;
        if (!placement)
            continue;
        EXPECT_EQ(placement->normal, *c.expected) << c.what;
        EXPECT_EQ(placement->showCommand, c.showCommand) << c.what;
    }
}

TEST_F(Startup, PlacementIsWrittenOnCloseAndUsedNextTime)
{
    CProfile profile("Norvane", "Pallima Glintra");
    ASSERT_TRUE(Start());
    EXPECT_EQ(profile.GetProfileInt("Frame", "Status", -1), -1) << "first run";
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    Frame().setGeometry(work.left() + 40, work.top() + 50, 520, 480);
    ASSERT_EQ(Stop(), 0);
    for (const char* entry : {"Status", "Top", "Left", "Bottom", "Right"})
        EXPECT_NE(profile.GetProfileInt("Frame", entry, -1), -1) << entry;
    EXPECT_EQ(profile.GetProfileInt("Frame", "Status", -1), SW_SHOWNORMAL);
    EXPECT_EQ(profile.GetProfileInt("Frame", "Left", -1), 40);
    EXPECT_EQ(profile.GetProfileInt("Frame", "Top", -1), 50);

    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().geometry().topLeft(), QPoint(work.left() + 40, work.top() + 50));
    // The frame shrinks to the page but never grows.
    EXPECT_LE(Frame().width(), 520);
    Frame().showMinimized();
    QApplication::processEvents();
    ASSERT_EQ(Stop(), 0);
    EXPECT_EQ(profile.GetProfileInt("Frame", "Status", -1), SW_SHOWMINIMIZED);

    ASSERT_TRUE(Start());
    EXPECT_EQ(Frame().ShowCommand(), SW_SHOWMINIMIZED);
    EXPECT_TRUE(Frame().isMinimized());
}

TEST_F(Startup, CancelledSaveQuestionKeepsTheWindowButThePlacementIsWritten)
{
    CProfile profile("Norvane", "Pallima Glintra");
    ASSERT_TRUE(Start());
    Document().SetModifiedFlag(true);
    ui.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(Frame().isVisible());
    EXPECT_EQ(ui.LastMessage(), "Save changes to Untitled_PageletServer.Glintra?");
    EXPECT_EQ(profile.GetProfileInt("Frame", "Status", -1), SW_SHOWNORMAL);
    Document().SetModifiedFlag(false);
}

TEST(RecentFileList, KeepsFourMostRecentFirst)
{
    CTempRegistry registry;
    CProfile profile("Norvane", "Pallima Glintra");
    CRecentFileList list("Recent File List", "File%d", 4);
    for (const char* path : {"/w/a.pgt", "/w/b.pgt", "/w/c.pgt", "/w/d.pgt", "/w/e.pgt", "/w/c.pgt"})
        list.Add(path);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/w/c.pgt", "/w/e.pgt", "/w/d.pgt", "/w/b.pgt"}));
    EXPECT_EQ(list.MenuText(0, "/w"), "&1 c.pgt");
    EXPECT_EQ(list.MenuText(1, "/elsewhere"), "&2 /w/e.pgt");
    list.WriteList(profile);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "/w/c.pgt");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File4"), "/w/b.pgt");

    list.Remove(0);
    list.Remove(0);
    list.WriteList(profile);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File3", "gone"), "gone");
    CRecentFileList again("Recent File List", "File%d", 4);
    again.ReadList(profile);
    EXPECT_EQ(again.Files(), (std::vector<std::string>{"/w/d.pgt", "/w/b.pgt"}));

    CRecentFileList ampersand("Recent File List", "File%d", 4);
    ampersand.Add("/w/Salt & Pepper.pgt");
    EXPECT_EQ(ampersand.MenuText(0, "/w/"), "&1 Salt && Pepper.pgt");
}

TEST_F(Startup, RecentFilesFromOpenAndSaveAcrossRuns)
{
    const std::string first = SavedWidget("First", "First");
    const std::string second = SavedWidget("Second", "Second");
    ASSERT_TRUE(Start({first}));
    ui.QueueOpenFile(second);
    ASSERT_TRUE(MainCommands().Send(ID_FILE_OPEN));
    const std::string saved = work / "Third.pgt";
    ui.QueueSaveFile(saved);
    ASSERT_TRUE(MainCommands().Send(ID_FILE_SAVE_AS));
    EXPECT_EQ(app->RecentFiles().Files(), (std::vector<std::string>{saved, second, first}));
    ASSERT_EQ(Stop(), 0);

    CProfile profile("Norvane", "Pallima Glintra");
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), saved);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File3"), first);

    ASSERT_TRUE(Start());
    EXPECT_EQ(app->RecentFiles().Files().size(), 3u);
    // The File menu lists them; choosing one opens it.
    QMenu* file = Frame().menuBar()->findChild<QMenu*>();
    ASSERT_NE(file, nullptr);
    emit file->aboutToShow();
    std::vector<std::string> shown;
    for (QAction* action : file->actions())
        if (action->isVisible() && action->text().startsWith('&') && action->text().at(1).isDigit())
            shown.push_back(action->text().toStdString());
    EXPECT_EQ(shown, (std::vector<std::string>{"&1 " + saved, "&2 " + second, "&3 " + first}));
    ui.Clear();
    ASSERT_TRUE(MainCommands().Send(ID_FILE_MRU_FILE1 + 1));
    EXPECT_EQ(Document().GetPathName(), second);
    EXPECT_EQ(app->RecentFiles().Files().front(), second);

    // An entry whose file has gone leaves the list when chosen.
    DeleteFileAt(first);
    ui.Clear();
    ASSERT_TRUE(MainCommands().Send(ID_FILE_MRU_FILE1 + 2));
    EXPECT_EQ(ui.Messages().size(), 1u) << ui.Transcript();
    EXPECT_EQ(app->RecentFiles().Files(), (std::vector<std::string>{second, saved}));
    EXPECT_EQ(Document().GetPathName(), second);
}

TEST_F(Startup, ExitEmptiesTheTemporaryFolder)
{
    struct Case {
        const char* what;
        bool withSubfolder;
    };
    for (const Case c : {Case{"files only", false}, Case{"with a subfolder", true}}) {
        const std::string tmp = appFolder.Path() + "/tmp";
        CreateFolder(tmp);
        ASSERT_TRUE(WriteFileAtomically(tmp + "/preview.htm", "x"));
        ASSERT_TRUE(WriteFileAtomically(tmp + "/banner.gif", "x"));
        if (c.withSubfolder)
            CreateFolderPath(tmp + "/nested/deeper");
        ASSERT_TRUE(Start()) << c.what;
        EXPECT_EQ(Stop(), 0);
        EXPECT_FALSE(FileExists(tmp + "/preview.htm")) << c.what;
        EXPECT_FALSE(FileExists(tmp + "/banner.gif")) << c.what;
        EXPECT_EQ(std::filesystem::exists(tmp), c.withSubfolder) << c.what;
        RemoveFolderTree(tmp);
    }
}

} // namespace

namespace {

// "Play in Today's Browsers": on for a new user, a check item that the
// menu turns off and on, kept in the user's settings, and what Copy Code
// gives follows it at once.
TEST_F(Startup, ThePlayerSettingIsACheckItemKeptInTheSettings)
{
    ASSERT_TRUE(Start());
    QAction* item = Frame().MenuAction(ID_OPTION_PLAYER);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_TRUE(item->isChecked()) << "on until the user turns it off";
    EXPECT_EQ(item->statusTip().toStdString(), "Let the pages you publish play the banners in browsers without Java");
    const auto copied = [&] {
        ui.QueueDialogReject();
        View().Button(IDC_COPY_CODE)->click();
        return ui.ClipboardText();
    };
    EXPECT_NE(copied().find("<script src=\"glntfx.js\" defer></script>"), std::string::npos);

    item->trigger();
    EXPECT_FALSE(item->isChecked());
    EXPECT_EQ(copied().find("glntfx.js"), std::string::npos);
    EXPECT_EQ(Stop(), 0);

    ASSERT_TRUE(Start());
    EXPECT_FALSE(Frame().MenuAction(ID_OPTION_PLAYER)->isChecked()) << "kept for the next start";
    Frame().MenuAction(ID_OPTION_PLAYER)->trigger();
    EXPECT_TRUE(Frame().MenuAction(ID_OPTION_PLAYER)->isChecked());
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

} // namespace
