// The Web Browser dialog: both lists, Add, Delete and "...", with their
// messages, and the Option menu that opens it.
#include "shellfixture.h"

#include "host/shell/webbrowserdlg.h"
#include "platform/registry/profile.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

class WebBrowser : public ::testing::Test {
protected:
    CDesktopSearch Nowhere() { return {scratch / "h", scratch / "d", scratch / "p"}; }
    static std::vector<std::string> Lines(QDialog& d, int id)
    {
        std::vector<std::string> lines;
        auto* list = CScriptedUiServices::Control<QListWidget>(d, id);
        for (int i = 0; i < list->count(); ++i)
            lines.push_back(list->item(i)->text().toStdString());
        return lines;
    }
    static void Type(QDialog& d, int id, const char* text)
    {
        CScriptedUiServices::Control<QLineEdit>(d, id)->setText(text);
    }

    CTempRegistry registry;
    CTempDir scratch;
    CProfile settings{"Norvane", "Pallima Glintra"};
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
};

TEST_F(WebBrowser, AddDeleteAndTheirMessages)
{
    RegSetString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\windows\\CurrentVersion\\App Paths\\Opera.EXE", "", "C:\\o.exe");
    CWebBrowserDlg dialog(settings, nullptr, Nowhere());
    EXPECT_EQ(Lines(dialog, CWebBrowserDlg::IDC_INSTALLED), std::vector<std::string>{"Opera"});
    EXPECT_TRUE(Lines(dialog, CWebBrowserDlg::IDC_SPECIFIED).empty());

    struct Step {
        const char* name;
        const char* path;
        int button;
        const char* message;  // "" when none
        std::vector<std::string> specified;
    };
    const Step steps[] = {
        {"", "", CWebBrowserDlg::IDC_DELETE, "Please select a browser to delete!", {}},
        {"", "/usr/bin/x", CWebBrowserDlg::IDC_ADD,
         "You must input the name and execute file's path for the specified web browser.", {}},
        {"Mine", "", CWebBrowserDlg::IDC_ADD,
         "You must input the name and execute file's path for the specified web browser.", {}},
        {"Opera", "/no/such/opera", CWebBrowserDlg::IDC_ADD, "", {"Opera"}},  // known names are no clash; no file test
        {"A", "/a", CWebBrowserDlg::IDC_ADD, "", {"Opera", "A"}},
        {"B", "/b", CWebBrowserDlg::IDC_ADD, "", {"Opera", "A", "B"}},
        {"A", "/again", CWebBrowserDlg::IDC_ADD, "Please give a new name to this browser!", {"Opera", "A", "B"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.name) + " " + std::to_string(s.button));
        ui.Clear();
        Type(dialog, CWebBrowserDlg::IDC_NAME, s.name);
        Type(dialog, CWebBrowserDlg::IDC_FILE_PATH, s.path);
        CScriptedUiServices::Click(dialog, s.button);
        EXPECT_EQ(ui.LastMessage(), s.message);
        EXPECT_EQ(Lines(dialog, CWebBrowserDlg::IDC_SPECIFIED), s.specified);
    }
    // Deleting the first frees slot 1; the next one goes there, but this
    // dialog shows it at the end until it is opened again.
    auto* specified = CScriptedUiServices::Control<QListWidget>(dialog, CWebBrowserDlg::IDC_SPECIFIED);
    specified->setCurrentRow(0);
    CScriptedUiServices::Click(dialog, CWebBrowserDlg::IDC_DELETE);
    EXPECT_EQ(Lines(dialog, CWebBrowserDlg::IDC_SPECIFIED), (std::vector<std::string>{"A", "B"}));
    Type(dialog, CWebBrowserDlg::IDC_NAME, "C");
    Type(dialog, CWebBrowserDlg::IDC_FILE_PATH, "/c");
    CScriptedUiServices::Click(dialog, CWebBrowserDlg::IDC_ADD);
    EXPECT_EQ(Lines(dialog, CWebBrowserDlg::IDC_SPECIFIED), (std::vector<std::string>{"A", "B", "C"}));
    CWebBrowserDlg reopened(settings, nullptr, Nowhere());
    if (const char* folder = std::getenv("GLINTRA_SCREENSHOTS")) {
        reopened.show();
        reopened.grab().save(QString::fromLocal8Bit(folder) + "/webbrowser.png");
    }
    EXPECT_EQ(Lines(reopened, CWebBrowserDlg::IDC_SPECIFIED), (std::vector<std::string>{"C", "A", "B"}));
    EXPECT_EQ(Lines(reopened, CWebBrowserDlg::IDC_INSTALLED), std::vector<std::string>{"Opera"});
}

TEST_F(WebBrowser, TheProgramPickerFillsThePathOnly)
{
    CWebBrowserDlg dialog(settings, nullptr, Nowhere());
    Type(dialog, CWebBrowserDlg::IDC_NAME, "Typed");
    ui.QueueOpenFile("/opt/browsers/mybrowser");
    CScriptedUiServices::Click(dialog, CWebBrowserDlg::IDC_BROWSE);
    EXPECT_EQ(CScriptedUiServices::Control<QLineEdit>(dialog, CWebBrowserDlg::IDC_FILE_PATH)->text(),
              "/opt/browsers/mybrowser");
    EXPECT_EQ(CScriptedUiServices::Control<QLineEdit>(dialog, CWebBrowserDlg::IDC_NAME)->text(), "Typed");
    ui.QueueOpenFile(std::nullopt);
    CScriptedUiServices::Click(dialog, CWebBrowserDlg::IDC_BROWSE);
    EXPECT_EQ(CScriptedUiServices::Control<QLineEdit>(dialog, CWebBrowserDlg::IDC_FILE_PATH)->text(),
              "/opt/browsers/mybrowser") << "Cancel keeps it";
}

using WebBrowserMenu = ShellFixture;

TEST_F(WebBrowserMenu, TheOptionMenuOpensTheDialog)
{
    ASSERT_TRUE(Start());
    QAction* item = Frame().MenuAction(ID_OPTION_WEB_BROWSER);
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    std::string title;
    ui.QueueDialog([&](QDialog& d) {
        title = d.windowTitle().toStdString();
        d.reject();  // Escape or the close box
    });
    item->trigger();
    EXPECT_EQ(title, "Web Browser");
    EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
}

} // namespace
