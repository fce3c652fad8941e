// The Copy Resources and Browse Files dialogs, driven as a user would through
// the scripted services.
#include "platform/ui/scripteduiservices.h"
#include "tests/support/testsupport.h"
#include "wizard/browsefilesdlg.h"
#include "wizard/copyresourcesdlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <cstdlib>
#include <set>

#include <gtest/gtest.h>

namespace {

QTreeWidget& FileList(QDialog& dialog)
{
    return *CScriptedUiServices::Control<QTreeWidget>(dialog, CCopyResourcesDlg::IDC_FILE_LIST);
}

// Ends a label edit as the list's editor does: the item's text changes.
void EditName(QDialog& dialog, int line, const QString& name)
{
    FileList(dialog).topLevelItem(line)->setText(0, name);
}

class CopyResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        destination = site.Path() + "/";
        ASSERT_TRUE(WriteText(pictures / "sky.gif", "new sky"));
        ASSERT_TRUE(WriteText(pictures / "sea.gif", "new sea"));
        ASSERT_TRUE(WriteText(site / "sky.gif", "old sky"));
        ASSERT_TRUE(WriteText(site / "sea.gif", "old sea"));
        border = pictures / "sky.gif";
        banner1 = pictures / "sky.gif";
        banner2 = pictures / "sea.gif";
    }
    // The dialog for the design's three fields; two of them name the same file.
    void Fill(CCopyResourcesDlg& dialog)
    {
        dialog.AddFile(&border);
        dialog.AddFile(&banner1);
        dialog.AddFile(&banner2);
    }

    CTempDir pictures, site;
    std::string destination, border, banner1, banner2;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
};

TEST_F(CopyResources, OpensWithOneLinePerSourceFile)
{
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    EXPECT_EQ(dialog.GetReferenceCount(), 3);
    ui.QueueDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Copy Resources");
        EXPECT_EQ(CScriptedUiServices::Control<QLabel>(d, CCopyResourcesDlg::IDC_HEADING)->text().toStdString(),
                  "Destination Directory: " + destination);
        QTreeWidget& list = FileList(d);
        EXPECT_EQ(list.headerItem()->text(0), "Destination File Name");
        EXPECT_EQ(list.headerItem()->text(1), "Resource File");
        EXPECT_GT(list.columnWidth(1), 140) << "room for the full source path";
        if (const char* shot = std::getenv("GLINTRA_SCREENSHOTS"))
            d.grab().save(QString::fromLocal8Bit(shot) + "/copyresources.png");
        d.reject();
    });
    dialog.Run();
    const auto lines = dialog.Lines();
    ASSERT_EQ(lines.size(), 2u);
    std::set<std::pair<std::string, std::string>> set(lines.begin(), lines.end());
    EXPECT_EQ(set, (std::set<std::pair<std::string, std::string>>{{"sea.gif", pictures / "sea.gif"},
                                                                   {"sky.gif", pictures / "sky.gif"}}));
}

TEST_F(CopyResources, OkCopiesAndPointsEveryFieldAtTheCopies)
{
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    ui.QueueDialog([](QDialog& d) { ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK)); });
    dialog.Run();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(ReadText(site / "sky.gif"), "new sky");
    EXPECT_EQ(ReadText(site / "sea.gif"), "new sea");
    EXPECT_EQ(border, site / "sky.gif");
    EXPECT_EQ(banner1, site / "sky.gif");
    EXPECT_EQ(banner2, site / "sea.gif");
}

TEST_F(CopyResources, ARenamedLineIsCopiedUnderItsNewNameForAllItsFields)
{
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    ui.QueueDialog([](QDialog& d) {
        QTreeWidget& list = FileList(d);
        int sky = list.topLevelItem(0)->text(0) == "sky.gif" ? 0 : 1;
        list.setCurrentItem(list.topLevelItem(sky));
        ASSERT_TRUE(CScriptedUiServices::Click(d, CCopyResourcesDlg::IDC_RENAME));
        EXPECT_NE(list.findChild<QLineEdit*>(), nullptr) << "Rename opens the line's editor";
        EditName(d, sky, "sky2.gif");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    dialog.Run();
    EXPECT_EQ(ReadText(site / "sky2.gif"), "new sky");
    EXPECT_EQ(ReadText(site / "sky.gif"), "old sky") << "the file already there is kept";
    EXPECT_EQ(border, site / "sky2.gif");
    EXPECT_EQ(banner1, site / "sky2.gif");
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CopyResources, NamesThatWouldLeaveTheFolderAreRefused)
{
    const struct {
        const char* name;
        bool message;
    } cases[] = {{"../escape.gif", true}, {"sub/dir.gif", true}, {"..", true}, {".", true}, {"", false}};
    for (const auto& c : cases) {
        ui.Clear();
        std::string field = pictures / "sky.gif";
        CCopyResourcesDlg dialog(destination);
        dialog.AddFile(&field);
        ui.QueueDialog([&](QDialog& d) {
            EditName(d, 0, c.name);
            EXPECT_EQ(FileList(d).topLevelItem(0)->text(0), "sky.gif") << "the previous name stays: " << c.name;
            ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
        });
        dialog.Run();
        EXPECT_EQ(field, site / "sky.gif") << c.name;
        EXPECT_EQ(ui.Messages().size(), c.message ? 1u : 0u) << c.name;
        if (c.message) {
            EXPECT_EQ(ui.RecordsOf(EUiExchange::MessageBox).at(0).Icon(), MB_ICONEXCLAMATION);
        }
    }
    EXPECT_FALSE(FileExists(pictures.Path() + "/../escape.gif"));
}

TEST_F(CopyResources, RenameWithoutALineAsksForOne)
{
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    ui.QueueDialog([](QDialog& d) {
        FileList(d).setCurrentItem(nullptr);
        ASSERT_TRUE(CScriptedUiServices::Click(d, CCopyResourcesDlg::IDC_RENAME));
        d.reject();
    });
    dialog.Run();
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Please select a file to rename first!"}));
}

TEST_F(CopyResources, EscapeChangesNothing)
{
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    ui.QueueDialog([](QDialog& d) {
        EditName(d, 0, "renamed.gif");
        d.reject();  // the close box or Escape: there is no Cancel button
    });
    dialog.Run();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(border, pictures / "sky.gif");
    EXPECT_EQ(banner2, pictures / "sea.gif");
    EXPECT_EQ(ReadText(site / "sky.gif"), "old sky");
    EXPECT_FALSE(FileExists(site / "renamed.gif"));
}

TEST_F(CopyResources, ALineWhoseCopyFailsKeepsItsFieldsAtTheSource)
{
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    ui.QueueDialog([&](QDialog& d) {
        ASSERT_TRUE(DeleteFileAt(pictures / "sea.gif"));
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    dialog.Run();
    EXPECT_EQ(banner2, pictures / "sea.gif");
    EXPECT_EQ(ReadText(site / "sea.gif"), "old sea");
    EXPECT_EQ(border, site / "sky.gif") << "the other line was copied";
}

TEST_F(CopyResources, ThePromptShowsTheDialogOnlyWhenThereIsAClash)
{
    CCopyResourcesPrompt empty(destination);
    empty.Run();
    EXPECT_TRUE(ui.Records().empty());

    CCopyResourcesPrompt prompt(destination);
    prompt.AddFile(&border);
    EXPECT_EQ(prompt.GetReferenceCount(), 1);
    ui.QueueDialogReject();
    prompt.Run();
    const auto dialogs = ui.RecordsOf(EUiExchange::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].name, "4003");
    EXPECT_EQ(border, pictures / "sky.gif");
}

TEST_F(CopyResources, BrowseShowsThePicturesOfTheDestination)
{
    ASSERT_TRUE(WriteText(site / "LOGO.GIF", "x"));
    ASSERT_TRUE(WriteText(site / "photo.jpeg", "x"));
    ASSERT_TRUE(WriteText(site / "a.jpg", "x"));
    ASSERT_TRUE(WriteText(site / "notes.txt", "x"));
    ASSERT_TRUE(CreateFolder(site / "folder.gif"));
    CCopyResourcesDlg dialog(destination);
    Fill(dialog);
    std::vector<std::string> listed;
    ui.QueueDialog([](QDialog& d) {
        ASSERT_TRUE(CScriptedUiServices::Click(d, CCopyResourcesDlg::IDC_BROWSE));
        d.reject();
    });
    ui.QueueDialog([&](QDialog& browse) {
        EXPECT_EQ(browse.windowTitle(), "Browse Files");
        if (const char* shot = std::getenv("GLINTRA_SCREENSHOTS"))
            browse.grab().save(QString::fromLocal8Bit(shot) + "/browsefiles.png");
        auto* list = CScriptedUiServices::Control<QListWidget>(browse, CBrowseFilesDlg::IDC_FILE_LIST);
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < list->count(); ++i) {
            listed.push_back(list->item(i)->text().toStdString());
            EXPECT_FALSE(list->item(i)->icon().isNull());
        }
        browse.reject();
    });
    dialog.Run();
    EXPECT_EQ(listed, (std::vector<std::string>{"a.jpg", "LOGO.GIF", "photo.jpeg", "sea.gif", "sky.gif"}));
    EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"Copy Resources", "Browse Files"}));
}

TEST(BrowseFiles, RefusesABlankOrMissingFolder)
{
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CTempDir dir;
    const struct {
        std::string folder, types, message;
    } cases[] = {
        {"", "*.gif;", "The directory and file type can not be blank!"},
        {dir.Path(), "", "The directory and file type can not be blank!"},
        {dir / "missing", "*.gif", "Directory " + dir / "missing/" + " does not exist!"},
    };
    for (const auto& c : cases) {
        ui.Clear();
        CBrowseFilesDlg browse(c.folder, c.types);
        EXPECT_FALSE(browse.InitDialog()) << c.folder;
        ASSERT_EQ(ui.Messages(), (std::vector<std::string>{c.message}));
        EXPECT_EQ(ui.RecordsOf(EUiExchange::MessageBox).at(0).Icon(), MB_ICONEXCLAMATION);
    }
    CBrowseFilesDlg fine(dir.Path(), "*.gif");
    EXPECT_TRUE(fine.InitDialog());
    EXPECT_EQ(fine.Folder(), dir.Path() + "/");
    EXPECT_EQ(fine.FileTypes(), "*.gif;");
}

} // namespace
