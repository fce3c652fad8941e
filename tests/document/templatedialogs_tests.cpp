// The New, Rename, Save as Template and Manage Templates dialogs, driven
// as a user would.
#include "documentfixture.h"

#include "host/document/managetemplatesdlg.h"
#include "host/document/newwidgetdlg.h"
#include "host/document/savetemplatedlg.h"
#include "host/document/widgetname.h"
#include "host/document/widgetnamedlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <cstdlib>

namespace {

template <class W>
W& Control(QDialog& dialog, int id)
{
    W* control = CScriptedUiServices::Control<W>(dialog, id);
    EXPECT_NE(control, nullptr) << "control " << id;
    return *control;
}

std::string Text(QDialog& dialog, int id)
{
    if (auto* edit = CScriptedUiServices::Control<QLineEdit>(dialog, id))
        return edit->text().toStdString();
    return Control<QLabel>(dialog, id).text().toStdString();
}

// With GLINTRA_SCREENSHOTS naming a folder, a picture of the dialog as the
// test sees it goes there, for a look by eye.
void Screenshot(QDialog& dialog, const char* name)
{
    if (const char* folder = std::getenv("GLINTRA_SCREENSHOTS"))
        dialog.grab().save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

void Type(QDialog& dialog, int id, const std::string& text)
{
    Control<QLineEdit>(dialog, id).setText(QString::fromStdString(text));
}

std::vector<std::string> Lines(QDialog& dialog, int id)
{
    std::vector<std::string> lines;
    auto& list = Control<QListWidget>(dialog, id);
    for (int i = 0; i < list.count(); ++i)
        lines.push_back(list.item(i)->text().toStdString());
    return lines;
}

class TemplateDialogs : public DocumentFixture {
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        ASSERT_TRUE(pagelet.CreateFromProgID("PageletServer.Glintra"));
    }
    CPagelet pagelet;  // the document's
};

TEST_F(TemplateDialogs, NewOpensOnTheFirstTemplateAndKeepsWhatWasTyped)
{
    AddTemplate("First", "First", "the first one", 300);
    AddTemplate("Second", "Second", "the second one", 468);
    CNewWidgetDlg dialog(pagelet);
    ASSERT_TRUE(dialog.InitDialog());
    ui.QueueDialog([](QDialog& d) {
        EXPECT_EQ(Text(d, CNewWidgetDlg::IDC_NAME), "Normal");
        EXPECT_EQ(Text(d, CNewWidgetDlg::IDC_DESCRIPTION), "");
        Screenshot(d, "newwidget");
        auto& list = Control<QListWidget>(d, CNewWidgetDlg::IDC_TEMPLATES);
        ASSERT_EQ(list.count(), 2);
        EXPECT_EQ(list.currentRow(), 0);
        const std::string first = list.item(0)->text().toStdString();
        EXPECT_EQ(Text(d, CNewWidgetDlg::IDC_INFO), first == "First" ? "the first one" : "the second one");
        Type(d, CNewWidgetDlg::IDC_NAME, "Typed");
        const int second = first == "Second" ? 0 : 1;
        list.setCurrentRow(second);
        EXPECT_EQ(Text(d, CNewWidgetDlg::IDC_NAME), "Typed");
        EXPECT_EQ(Text(d, CNewWidgetDlg::IDC_INFO), "the second one");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ASSERT_EQ(ui.RunModal(dialog), QDialog::Accepted);
    EXPECT_EQ(pagelet.GetTitle(), "Typed");
    EXPECT_EQ(Width(pagelet), "468");
}

TEST_F(TemplateDialogs, NewRefusesBadNamesAndStaysOpen)
{
    const struct {
        const char* name;
        const char* message;
    } cases[] = {{"", kMsgEnterName}, {"my banner", kMsgInvalidWidgetName}, {"a_b", kMsgInvalidWidgetName}};
    for (const auto& c : cases) {
        ui.Clear();
        CNewWidgetDlg dialog(pagelet);
        ASSERT_TRUE(dialog.InitDialog());
        ui.QueueDialog([&](QDialog& d) {
            Type(d, CNewWidgetDlg::IDC_NAME, c.name);
            ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
            EXPECT_TRUE(d.isVisible()) << "the dialog stays open for " << c.name;
            d.reject();
        });
        EXPECT_EQ(ui.RunModal(dialog), QDialog::Rejected);
        EXPECT_EQ(ui.Messages(), (std::vector<std::string>{c.message}));
    }
    EXPECT_EQ(pagelet.GetTitle(), "Normal");
}

TEST_F(TemplateDialogs, NewWithoutTemplatesGivesTheDefaultDesign)
{
    CNewWidgetDlg dialog(pagelet);
    ASSERT_TRUE(dialog.InitDialog());
    ui.QueueDialog([](QDialog& d) {
        EXPECT_EQ(Control<QListWidget>(d, CNewWidgetDlg::IDC_TEMPLATES).count(), 0);
        Type(d, CNewWidgetDlg::IDC_NAME, "Plain");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ASSERT_EQ(ui.RunModal(dialog), QDialog::Accepted);
    EXPECT_EQ(pagelet.GetTitle(), "Plain");
    EXPECT_EQ(Width(pagelet), "200");
}

TEST_F(TemplateDialogs, RenameChecksTheNameRule)
{
    CWidgetNameDlg dialog("Old", "old words");
    ui.QueueDialog([](QDialog& d) {
        EXPECT_EQ(Text(d, CWidgetNameDlg::IDC_NAME), "Old");
        EXPECT_EQ(Text(d, CWidgetNameDlg::IDC_DESCRIPTION), "old words");
        Screenshot(d, "rename");
        Type(d, CWidgetNameDlg::IDC_NAME, "New Name");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
        Type(d, CWidgetNameDlg::IDC_NAME, "NewName");
        Type(d, CWidgetNameDlg::IDC_DESCRIPTION, "new words");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ASSERT_EQ(ui.RunModal(dialog), QDialog::Accepted);
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{kMsgInvalidWidgetName}));
    EXPECT_EQ(dialog.m_strName, "NewName");
    EXPECT_EQ(dialog.m_strDescription, "new words");
}

TEST_F(TemplateDialogs, SaveAsTemplateWritesUnderTheTemplatesNameAndLeavesTheWidget)
{
    AddTemplate("Existing", "Existing", "there already");
    CPallimaToolDoc document;
    CDocTemplate docTemplate(LoadHostString(IDR_WIDGETTYPE), document);
    ASSERT_TRUE(docTemplate.NewDocument());
    document.m_pPagelet->SetTitle("Widget");
    document.m_pPagelet->SetDescription("the widget");
    document.SetModifiedFlag(true);
    const std::string folder = server.Folder();

    ui.QueueDialog([&](QDialog& d) {
        EXPECT_EQ(Text(d, CSaveTemplateDlg::IDC_NAME), "Widget");
        EXPECT_EQ(Text(d, CSaveTemplateDlg::IDC_PATH), folder + "/Widget_PageletServer.Glintra.pgt");
        EXPECT_EQ(Lines(d, CSaveTemplateDlg::IDC_TEMPLATES), (std::vector<std::string>{"Existing"}));
        Screenshot(d, "saveastemplate");
        Type(d, CSaveTemplateDlg::IDC_NAME, "");
        EXPECT_EQ(Text(d, CSaveTemplateDlg::IDC_PATH), folder + "/");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));  // empty name
        Type(d, CSaveTemplateDlg::IDC_NAME, "Existing");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));  // taken
        Type(d, CSaveTemplateDlg::IDC_NAME, "My-Template");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));  // breaks the rule
        Type(d, CSaveTemplateDlg::IDC_NAME, "Fresh");
        Type(d, CSaveTemplateDlg::IDC_DESCRIPTION, "fresh words");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ASSERT_TRUE(document.Commands().OnCommand(ID_SAVE_AS_TEMPLATE));
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{
                                 kMsgEnterName,
                                 folder + "/Existing_PageletServer.Glintra.pgt" +
                                     " is already exist.Please enter a new template name.\n",
                                 kMsgInvalidTemplateName, "Save as the template success!"}));
    // The template carries its own name; the widget keeps everything it had.
    CTemplateList list;
    ASSERT_TRUE(list.Create());
    list.Enumerate();
    const auto fresh = std::find(list.m_aTitles.begin(), list.m_aTitles.end(), "Fresh");
    ASSERT_NE(fresh, list.m_aTitles.end());
    EXPECT_EQ(list.m_aDescriptions[size_t(fresh - list.m_aTitles.begin())], "fresh words");
    EXPECT_EQ(document.m_pPagelet->GetTitle(), "Widget");
    EXPECT_EQ(document.m_pPagelet->GetDescription(), "the widget");
    EXPECT_TRUE(document.IsModified());
}

class ManageTemplates : public TemplateDialogs {
protected:
    void SetUp() override
    {
        TemplateDialogs::SetUp();
        for (const char* name : {"Alpha", "Beta", "Gamma"})
            AddTemplate(name, name, std::string("about ") + name);
    }
    std::vector<std::string> Titles(const CManageTemplatesDlg& dialog) { return dialog.Templates().m_aTitles; }
    std::vector<std::string> OnDisk()
    {
        std::vector<std::string> names = FindFiles(server.Folder(), "*.pgt");
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(ManageTemplates, OpensOnTheFirstTemplate)
{
    CManageTemplatesDlg dialog;
    ASSERT_TRUE(dialog.InitDialog());
    ui.QueueDialog([&](QDialog& d) {
        EXPECT_EQ(Lines(d, CManageTemplatesDlg::IDC_TEMPLATES), Titles(dialog));
        EXPECT_EQ(Text(d, CManageTemplatesDlg::IDC_NAME), Titles(dialog)[0]);
        EXPECT_EQ(Text(d, CManageTemplatesDlg::IDC_DESCRIPTION), "about " + Titles(dialog)[0]);
        Screenshot(d, "managetemplates");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    EXPECT_EQ(ui.RunModal(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nSelected, 0);
}

TEST_F(ManageTemplates, RenameKeepsThePlaceAndRefusesNamesThatAreTaken)
{
    CManageTemplatesDlg dialog;
    ASSERT_TRUE(dialog.InitDialog());
    const std::vector<std::string> before = Titles(dialog);
    ui.QueueDialog([&](QDialog& d) {
        Control<QListWidget>(d, CManageTemplatesDlg::IDC_TEMPLATES).setCurrentRow(1);
        const std::string old = Titles(dialog)[1];
        // Its own name (only the description changed), then another's.
        Type(d, CManageTemplatesDlg::IDC_DESCRIPTION, "changed");
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_RENAME));
        Type(d, CManageTemplatesDlg::IDC_NAME, old == "Alpha" ? "Beta" : "Alpha");
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_RENAME));
        Type(d, CManageTemplatesDlg::IDC_NAME, "Delta");
        ui.QueueAnswer(IDOK);
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_RENAME));
        EXPECT_EQ(Lines(d, CManageTemplatesDlg::IDC_TEMPLATES)[1], "Delta");
        EXPECT_EQ(Control<QListWidget>(d, CManageTemplatesDlg::IDC_TEMPLATES).currentRow(), 1);
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ui.RunModal(dialog);
    const std::vector<std::string> messages = ui.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0], "The " + before[1] + " template has been there,please give a new name!");
    EXPECT_EQ(messages[1].rfind("The ", 0), 0u);
    EXPECT_EQ(messages[2], "Are you sure to rename \"" + before[1] + "\" template to \"Delta\"?");
    std::vector<std::string> after = before;
    after[1] = "Delta";
    EXPECT_EQ(Titles(dialog), after) << "the order is kept";
    EXPECT_EQ(dialog.Templates().m_aDescriptions[1], "changed");
    EXPECT_EQ(dialog.Templates().m_aPaths[1], server.Folder() + "/Delta_PageletServer.Glintra.pgt");
    std::vector<std::string> expected;
    for (const std::string& t : after)
        expected.push_back(t + "_PageletServer.Glintra.pgt");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(OnDisk(), expected);
}

TEST_F(ManageTemplates, DeleteAsksAndMovesTheSelection)
{
    CManageTemplatesDlg dialog;
    ASSERT_TRUE(dialog.InitDialog());
    const std::vector<std::string> titles = Titles(dialog);
    ui.QueueDialog([&](QDialog& d) {
        auto& list = Control<QListWidget>(d, CManageTemplatesDlg::IDC_TEMPLATES);
        list.setCurrentRow(2);
        ui.QueueAnswer(IDCANCEL);
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_DELETE));
        EXPECT_EQ(list.count(), 3) << "Cancel deletes nothing";
        ui.QueueAnswer(IDOK);
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_DELETE));
        // The last one went: the one before it is selected.
        EXPECT_EQ(list.count(), 2);
        EXPECT_EQ(dialog.m_nSelected, 1);
        EXPECT_EQ(Text(d, CManageTemplatesDlg::IDC_NAME), titles[1]);
        for (int left = 2; left > 0; --left) {
            ui.QueueAnswer(IDOK);
            ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_DELETE));
        }
        EXPECT_EQ(list.count(), 0);
        EXPECT_EQ(dialog.m_nSelected, -1);
        EXPECT_EQ(Text(d, CManageTemplatesDlg::IDC_NAME), "");
        EXPECT_EQ(Text(d, CManageTemplatesDlg::IDC_DESCRIPTION), "");
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_DELETE));
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ui.RunModal(dialog);
    const std::vector<std::string> messages = ui.Messages();
    ASSERT_EQ(messages.size(), 5u);  // four questions, one for each delete, and the last click's
    EXPECT_EQ(messages[0], "Are you sure to delete \"" + titles[2] + "\" template?");
    EXPECT_EQ(messages[4], "Please select a template first!");
    EXPECT_TRUE(OnDisk().empty());
}

TEST_F(ManageTemplates, ADeleteThatFailsOnDiskIsReportedAndTheListTellsTheTruth)
{
    CManageTemplatesDlg dialog;
    ASSERT_TRUE(dialog.InitDialog());
    const std::string first = dialog.Templates().m_aPaths[0];
    ui.QueueDialog([&](QDialog& d) {
        // The file is replaced by a folder of the same name behind our back:
        // it cannot be deleted as a file.
        ASSERT_TRUE(DeleteFileAt(first));
        ASSERT_TRUE(CreateFolder(first));
        ui.QueueAnswer(IDOK);
        ASSERT_TRUE(CScriptedUiServices::Click(d, CManageTemplatesDlg::IDC_DELETE));
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ui.RunModal(dialog);
    EXPECT_EQ(Titles(dialog).size(), 2u) << "what is really there: two templates";
    EXPECT_EQ(dialog.Templates().m_aPaths.size(), 2u);
    EXPECT_EQ(std::count(dialog.Templates().m_aPaths.begin(), dialog.Templates().m_aPaths.end(), first), 0);
}

TEST_F(TemplateDialogs, DialogsWithoutTheirPageletDoNotOpen)
{
    ASSERT_EQ(server.CallEntry("DllUnregisterServer"), 0);
    CManageTemplatesDlg manage;
    EXPECT_FALSE(manage.InitDialog());
    CSaveTemplateDlg save("a", "b");
    EXPECT_FALSE(save.InitDialog());
    CNewWidgetDlg fresh(pagelet);
    EXPECT_FALSE(fresh.InitDialog());
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Manage templates failure!", "Save as template failure!"}));
}

} // namespace
