// The Support Files dialog: one row per distinct file, every row selected,
// and Copy to... with its messages.
#include "outputfixture.h"

#include "host/output/supportfilesdlg.h"

#include <QTreeWidget>

namespace {

class SupportFiles : public OutputFixture {
protected:
    // Files on disk in two folders of the test.
    void SetUp() override
    {
        OutputFixture::SetUp();
        CreateFolder(images);
        CreateFolder(other);
        for (const std::string& path : {images + "/sky.gif", images + "/glntfx.class", other + "/sky.gif"})
            WriteFileAtomically(path, "from " + path);
        UseFake();
    }
    // The rows the dialog shows, and whether each is selected.
    std::vector<std::string> Rows(CSupportFilesDlg& dialog)
    {
        std::vector<std::string> rows;
        for (int i = 0; i < dialog.m_pFiles->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = dialog.m_pFiles->topLevelItem(i);
            rows.push_back(item->text(0).toStdString() + "|" + item->text(1).toStdString() + "|" +
                           item->text(2).toStdString() + (item->isSelected() ? "" : " (not selected)"));
        }
        return rows;
    }

    const std::string images = site / "images";
    const std::string other = site / "other";
};

TEST_F(SupportFiles, OneRowPerDistinctFileAllSelected)
{
    fake.pagelet.resources = {
        {"glntfx.class", images + "/", ""},
        {"sky.gif", images + "/", "img/"},
        {"SKY.GIF", images + "/", "img/"},   // the same file by the name test
        {"sky.gif", other + "/", "img/"},    // another file of that name
        {"sky.gif", images + "/", "pics/"},  // the same file under another web path
        {"sky.gif", other + "/", "img/"},    // compared with the first row of the name only
    };
    CSupportFilesDlg dialog(*document.m_pPagelet);
    dialog.InitDialog();
    EXPECT_EQ(Rows(dialog), (std::vector<std::string>{
                                "glntfx.class|" + images + "/|",
                                "sky.gif|" + images + "/|img/",
                                "sky.gif|" + other + "/|img/",
                                "sky.gif|" + images + "/|pics/",
                                "sky.gif|" + other + "/|img/",
                            }));
    EXPECT_EQ(dialog.m_pFiles->headerItem()->text(1).toStdString(), "Source File Path");
    EXPECT_EQ(dialog.windowTitle().toStdString(), "Support Files");
    Screenshot(dialog, "supportfiles");
}

TEST_F(SupportFiles, CopyToAndItsMessages)
{
    fake.pagelet.resources = {{"glntfx.class", images + "/", ""}, {"sky.gif", other + "/", "img/"}};
    CSupportFilesDlg dialog(*document.m_pPagelet);
    dialog.InitDialog();
    const std::string target = site / "target";
    CreateFolder(target);
    WriteFileAtomically(target + "/sky.gif", "old");

    struct Case {
        const char* what;
        std::optional<std::string> folder;
        bool selectNone;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"browser cancelled", std::nullopt, false, {}},
        {"not a folder", site / "nowhere", false, {}},
        {"nothing selected", target, true, {"Please select files to copy."}},
        {"copied, replacing", target, false, {"Copy support files to " + target + " success!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui.Clear();
        if (c.selectNone)
            dialog.m_pFiles->clearSelection();
        else
            dialog.m_pFiles->selectAll();
        ui.QueueFolder(c.folder);
        dialog.OnCopyTo();
        ASSERT_EQ(ui.RecordsOf(EUiExchange::BrowseFolder).size(), 1u) << "the browser comes first";
        EXPECT_EQ(ui.RecordsOf(EUiExchange::BrowseFolder)[0].text, "Choose a directory");
        EXPECT_EQ(ui.Messages(), c.messages);
    }
    EXPECT_EQ(Read(target + "/sky.gif"), "from " + other + "/sky.gif");
    EXPECT_EQ(Read(target + "/glntfx.class"), "from " + images + "/glntfx.class");

    // A file that has gone: the others are copied, no success is claimed.
    DeleteFileAt(images + "/glntfx.class");
    DeleteFileAt(target + "/sky.gif");
    ui.Clear();
    ui.QueueFolder(target);
    dialog.OnCopyTo();
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.LastMessage(), "These support files could not be copied to " + target + ":\n" + images + "/glntfx.class");
    EXPECT_TRUE(FileExists(target + "/sky.gif"));
}

TEST_F(SupportFiles, OpenedFromTheDocumentWhenThereAreFiles)
{
    int shown = 0;
    document.m_showSupportFiles = [&](CPagelet& pagelet) {
        ++shown;
        ShowSupportFiles(pagelet, nullptr);
    };
    ui.QueueDialogAccept();
    fake.pagelet.resources = {{"glntfx.class", images + "/", ""}};
    document.Commands().OnCommand(ID_SUPPORT_FILES);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"Support Files"}));
    fake.pagelet.resources.clear();
    CCommandState state;
    document.Commands().OnUpdateCommand(ID_SUPPORT_FILES, state);
    EXPECT_FALSE(state.enabled);
}

} // namespace
