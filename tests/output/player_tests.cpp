// The script player on the three ways out: with it, the block is followed by
// the line that loads glntfx.js from where the class file is, and the script
// goes wherever the class file goes; without it, everything is as it always
// was. The setting is the user's, and glintra follows it unless told.
#include "outputfixture.h"

#include "host/output/copycodedlg.h"
#include "host/output/insertpagedlg.h"
#include "host/output/supportfilesdlg.h"
#include "platform/registry/profile.h"

#include <QCheckBox>
#include <QTreeWidget>

namespace {

const std::string kPlayerLine = "<script src=\"glntfx.js\" defer></script>\r\n";

class Player : public OutputFixture {
protected:
    std::string BlockWithout() { return document.m_pPagelet->GetHTMLBody(0, 1); }
    CPublishOptions on{true};
};

TEST_F(Player, CopyCodeGivesTheBlockAndTheLineAfterIt)
{
    for (const bool withPlayer : {true, false}) {
        ui.QueueDialogReject();
        OnCopyCode(document, nullptr, {withPlayer});
        EXPECT_EQ(ui.ClipboardText(), BlockWithout() + (withPlayer ? kPlayerLine : "")) << withPlayer;
    }
}

TEST_F(Player, TheLineLoadsTheScriptFromWhereTheClassFileIs)
{
    document.m_pPagelet->ReadConfigFile([&] {
        const std::string file = site / "w.pgt";
        WriteText(file, "========== Description Part Begin ==========\r\nProgID = PageletServer.Glintra\r\n"
                        "========== Description Part End ==========\r\n\r\n========== Parameter Part Begin "
                        "==========\r\nm_ClassWebPath = /applets/\r\n========== Parameter Part End ==========\r\n");
        return file;
    }());
    ui.QueueDialogReject();
    OnCopyCode(document, nullptr, on);
    const std::string tail = "</P>\r\n<script src=\"/applets/glntfx.js\" defer></script>\r\n";
    const std::string copied = ui.ClipboardText();
    ASSERT_GE(copied.size(), tail.size());
    EXPECT_EQ(copied.substr(copied.size() - tail.size()), tail);
}

TEST_F(Player, NewPageCopiesTheScriptBesideTheClassFile)
{
    const std::string page = site / "index.htm";
    ui.QueueSaveFile(page);
    OnNewPage(document, nullptr, on);
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"You have saved Glintra into " + page + " successfully!"}));
    EXPECT_NE(Read(page).find("</P>\r\n" + kPlayerLine + "\r\n</BODY>"), std::string::npos) << Read(page);
    EXPECT_EQ(Read(site / "glntfx.js"), Read(server.PlayerFile()));
    EXPECT_TRUE(FileExists(site / "glntfx.class"));

    // Without the player: no line, no script.
    CTempDir other;
    ui.Clear();
    ui.QueueSaveFile(other / "index.htm");
    OnNewPage(document, nullptr);
    EXPECT_EQ(Read(other / "index.htm").find("<script"), std::string::npos);
    EXPECT_FALSE(FileExists(other / "glntfx.js"));
}

TEST_F(Player, AScriptThatCannotBeCopiedIsReported)
{
    ASSERT_TRUE(DeleteFileAt(server.PlayerFile()));
    const std::string page = site / "index.htm";
    ui.QueueSaveFile(page);
    OnNewPage(document, nullptr, on);
    const std::vector<std::string> messages = ui.Messages();
    ASSERT_EQ(messages.size(), 2u) << ui.Transcript();
    EXPECT_EQ(messages[0], "You have saved Glintra into " + page + " successfully!");
    EXPECT_NE(messages[1].find("could not be copied from " + server.PlayerFile()), std::string::npos) << messages[1];
    EXPECT_EQ(ui.RecordsOf(EUiExchange::MessageBox).back().Icon(), MB_ICONEXCLAMATION);
    EXPECT_FALSE(FileExists(site / "glntfx.js"));
}

TEST_F(Player, InsertIntoPutsTheLineInTheBlockAndCopiesTheScript)
{
    const std::string page = site / "old.htm";
    ASSERT_TRUE(WriteText(page, "<html>\r\n</html>\r\n"));
    ui.QueueOpenFile(page);
    ui.QueueDialogReject();  // the editor choice: insert here
    ui.QueueDialog([](QDialog& d) {
        CScriptedUiServices::Click(d, CInsertPageDlg::IDC_INSERT);
        ASSERT_TRUE(CScriptedUiServices::Control<QCheckBox>(d, CInsertPageDlg::IDC_COPY_FILES)->isChecked());
        CScriptedUiServices::Click(d, IDOK);
    });
    OnInsertInto(document, nullptr, on);
    EXPECT_NE(Read(page).find(InsertionBlock(BlockWithout() + kPlayerLine)), std::string::npos) << Read(page);
    EXPECT_EQ(Read(site / "glntfx.js"), Read(server.PlayerFile()));
}

TEST_F(Player, SupportFilesListTheScriptAfterTheClassFile)
{
    const auto rows = [&](const CPublishOptions& options) {
        std::vector<std::vector<std::string>> listed;
        ui.QueueDialog([&](QDialog& d) {
            auto* files = CScriptedUiServices::Control<QTreeWidget>(d, CSupportFilesDlg::IDC_FILES);
            for (int i = 0; i < files->topLevelItemCount(); ++i) {
                listed.push_back({});
                for (int column = 0; column < 3; ++column)
                    listed.back().push_back(files->topLevelItem(i)->text(column).toStdString());
            }
            d.reject();
        });
        ShowSupportFiles(*document.m_pPagelet, nullptr, options);
        return listed;
    };
    const std::string folder = server.Folder() + "/";
    EXPECT_EQ(rows(on), (std::vector<std::vector<std::string>>{{"glntfx.class", folder, ""}, {"glntfx.js", folder, ""}}));
    EXPECT_EQ(rows({}), (std::vector<std::vector<std::string>>{{"glntfx.class", folder, ""}}));

    // Copy to... takes it along.
    CTempDir target;
    ui.QueueFolder(target.Path());
    ui.QueueDialog([](QDialog& d) {
        static_cast<CSupportFilesDlg&>(d).OnCopyTo();
        d.accept();
    });
    ShowSupportFiles(*document.m_pPagelet, nullptr, on);
    EXPECT_EQ(Read(target / "glntfx.js"), Read(server.PlayerFile()));
}

// glintra follows the user's setting, on until turned off, and its
// switches override it.
TEST_F(Player, TheCommandLineFollowsTheSetting)
{
    const std::string widget = site / "w.pgt";
    document.m_pPagelet->SetProgID("PageletServer.Glintra");
    ASSERT_TRUE(document.m_pPagelet->WriteConfigFile(widget));
    CTempDir scratch;
    const auto code = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = {server.Glintra(), "code", widget};
        args.insert(args.end(), extra.begin(), extra.end());
        const CProcessResult run = RunProcess(args, scratch);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.out.find("glntfx.js") != std::string::npos;
    };
    EXPECT_TRUE(code({})) << "on when the user never said";
    EXPECT_FALSE(code({"--no-player"}));
    CProfile settings(kSettingsCompany, LoadHostString(IDS_APP_TITLE));
    ASSERT_TRUE(WritePlayerSetting(settings, false));
    EXPECT_FALSE(code({}));
    EXPECT_TRUE(code({"--player"}));
    EXPECT_FALSE(code({"--player", "--no-player"})) << "the last switch counts";

    const CProcessResult page = RunProcess({server.Glintra(), "new-page", widget, scratch / "p.htm", "--player"}, scratch);
    ASSERT_EQ(page.exitCode, 0) << page.err;
    EXPECT_EQ(Read(scratch / "glntfx.js"), Read(server.PlayerFile()));
    EXPECT_EQ(RunProcess({server.Glintra(), "code", widget, "--players"}, scratch).exitCode, 2);
}

} // namespace
