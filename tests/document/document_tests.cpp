// The widget document: new, open and save, their messages and the modified
// flag, and the document's own commands.
#include "documentfixture.h"

#include "host/document/newwidgetdlg.h"
#include "host/document/widgetname.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <dlfcn.h>
#include <stdexcept>
#include <sys/stat.h>

namespace {

class WidgetDocument : public DocumentFixture {
protected:
    void SetUp() override
    {
        DocumentFixture::SetUp();
        ASSERT_TRUE(docTemplate.NewDocument()) << "the startup widget";
    }
    // A widget file of this pagelet, saved by a document of its own.
    std::string SavedWidget(const std::string& name, int width)
    {
        const std::string path = AddTemplate("Saved" + name, name, "saved", width);
        const std::string widget = work / (name + ".pgt");
        EXPECT_TRUE(CopyFileReplacing(path, widget));
        DeleteFileAt(path);
        return widget;
    }

    CPallimaToolDoc document;
    CDocTemplate docTemplate{LoadHostString(IDR_WIDGETTYPE), document};
};

TEST_F(WidgetDocument, StartsWithTheDefaultWidgetWithoutADialog)
{
    EXPECT_EQ(document.GetTitle(), "Untitled_PageletServer.Glintra");
    ASSERT_TRUE(document.m_pPagelet);
    EXPECT_EQ(document.m_pPagelet->GetTitle(), "Normal");
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.m_bFirstNew);
    EXPECT_TRUE(ui.Records().empty());
    EXPECT_EQ(configure.sent, 0);
}

TEST_F(WidgetDocument, FileNewShowsTheDialogAndConfiguresOnOk)
{
    AddTemplate("Wide", "Wide", "a wide one", 468);
    ui.QueueDialog([](QDialog& d) {
        CScriptedUiServices::Control<QLineEdit>(d, CNewWidgetDlg::IDC_NAME)->setText("MyBanner2");
        CScriptedUiServices::Control<QLineEdit>(d, CNewWidgetDlg::IDC_DESCRIPTION)->setText("mine");
        ASSERT_TRUE(CScriptedUiServices::Click(d, IDOK));
    });
    ASSERT_TRUE(docTemplate.OnFileNew());
    EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"New "}));
    EXPECT_EQ(document.m_pPagelet->GetTitle(), "MyBanner2");
    EXPECT_EQ(document.m_pPagelet->GetDescription(), "mine");
    EXPECT_EQ(Width(*document.m_pPagelet), "468");
    EXPECT_EQ(configure.sent, 1);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetTitle(), "Untitled_PageletServer.Glintra");
}

TEST_F(WidgetDocument, CancelInTheNewDialogStillGivesAFreshWidget)
{
    const std::string widget = SavedWidget("Other", 300);
    ASSERT_TRUE(docTemplate.OpenDocumentFile(widget));
    ui.QueueDialogReject();
    ASSERT_TRUE(docTemplate.OnFileNew());
    EXPECT_EQ(Width(*document.m_pPagelet), "200");
    EXPECT_EQ(document.m_pPagelet->GetTitle(), "Normal");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), "");
}

TEST_F(WidgetDocument, AskingToSaveBeforeTheWidgetIsReplaced)
{
    const std::string widget = SavedWidget("Other", 300);
    const struct {
        int answer;
        bool replaced;
        bool saved;
    } cases[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
    for (const auto& c : cases) {
        document.SetModifiedFlag(false);
        ui.QueueDialogReject();
        ASSERT_TRUE(docTemplate.OnFileNew());  // a fresh widget to edit
        ui.Clear();
        document.m_pPagelet->SetTitle("Edited");
        document.SetModifiedFlag(true);
        const std::string savedAt = work / ("answer" + std::to_string(c.answer) + ".pgt");
        ui.QueueAnswer(c.answer);
        if (c.answer == IDYES)
            ui.QueueSaveFile(savedAt);  // a new widget has no file yet
        EXPECT_EQ(docTemplate.OpenDocumentFile(widget), c.replaced ? TRUE : FALSE);
        ASSERT_GE(ui.Messages().size(), 1u);
        EXPECT_EQ(ui.Messages()[0], "Save changes to Untitled_PageletServer.Glintra?");
        EXPECT_EQ(ui.RecordsOf(EUiExchange::MessageBox)[0].Buttons(), MB_YESNOCANCEL);
        EXPECT_EQ(FileExists(savedAt), c.saved);
        EXPECT_EQ(document.m_pPagelet->GetTitle(), c.replaced ? "Other" : "Edited");
        EXPECT_EQ(document.IsModified(), !c.replaced);
    }
}

TEST_F(WidgetDocument, OpeningAWidgetConfiguresIt)
{
    const std::string widget = SavedWidget("Wide", 468);
    ASSERT_TRUE(docTemplate.OpenDocumentFile(widget));
    EXPECT_EQ(document.GetTitle(), "Wide.pgt");
    EXPECT_EQ(document.GetPathName(), widget);
    EXPECT_EQ(document.m_pPagelet->GetTitle(), "Wide");
    EXPECT_EQ(Width(*document.m_pPagelet), "468");
    EXPECT_EQ(configure.sent, 1);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(ui.Records().empty());
}

TEST_F(WidgetDocument, WhatCannotBeOpenedIsReportedAndTheWidgetStays)
{
    document.m_pPagelet->SetTitle("Kept");
    document.SetModifiedFlag(true);
    ASSERT_TRUE(WriteText(work / "foreign.pgt",
                          "========== Description Part Begin ==========\r\nProgID = PageletServer.Other\r\n"
                          "========== Description Part End ==========\r\n"));
    ASSERT_EQ(::mkfifo((work / "pipe.pgt").c_str(), 0600), 0);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {work / "missing.pgt", work / "missing.pgt" + " was not found."},
        {work.Path(), work.Path() + " is a folder, not a file."},
        {work / "pipe.pgt", work / "pipe.pgt" + " is no file that can be opened as a document."},
        {work / "foreign.pgt", "This File is not saved by Pallima Glintra!"},
    };
    for (const auto& c : cases) {
        ui.Clear();
        ui.QueueAnswer(IDNO);  // do not save the edited widget
        EXPECT_FALSE(docTemplate.OpenDocumentFile(c.path)) << c.path;
        ASSERT_EQ(ui.Messages().size(), 2u) << c.path;
        EXPECT_EQ(ui.Messages()[1], c.message);
        // Nothing was lost: the widget, its name and its modified flag stay.
        EXPECT_EQ(document.m_pPagelet->GetTitle(), "Kept");
        EXPECT_TRUE(document.IsModified());
        EXPECT_EQ(document.GetTitle(), "Untitled_PageletServer.Glintra");
    }
    EXPECT_EQ(configure.sent, 0);
}

TEST_F(WidgetDocument, SavingStampsTheWidgetAndClearsTheFlag)
{
    document.SetModifiedFlag(true);
    const std::string path = work / "w.pgt";
    ui.QueueSaveFile(path);
    ASSERT_TRUE(document.DoFileSave());
    const auto pickers = ui.RecordsOf(EUiExchange::SaveFile);
    ASSERT_EQ(pickers.size(), 1u);
    EXPECT_EQ(pickers[0].fileOptions.initialPath, "Untitled_PageletServer.Glintra.pgt");
    ASSERT_EQ(pickers[0].fileOptions.filters.size(), 2u);
    EXPECT_EQ(pickers[0].fileOptions.filters[0].description, "Pallima Widgets File(*.pgt) ");
    EXPECT_EQ(pickers[0].fileOptions.filters[0].patterns, "*.pgt");
    EXPECT_EQ(pickers[0].fileOptions.filters[1].description, "All Files (*.*)");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetTitle(), "w.pgt");
    const std::string text = ReadText(path);
    EXPECT_NE(text.find("ProgID = PageletServer.Glintra\r\n"), std::string::npos);
    const size_t stamp = text.find("LastUpdateTime = ");
    ASSERT_NE(stamp, std::string::npos);
    EXPECT_GT(std::stod(text.substr(stamp + 17, 20)), 46000.0);
    // Saving again goes to the same file without asking.
    ASSERT_TRUE(document.DoFileSave());
    EXPECT_EQ(ui.RecordsOf(EUiExchange::SaveFile).size(), 1u);
}

TEST_F(WidgetDocument, AFailedSaveIsReportedAndKeepsTheFlag)
{
    document.SetModifiedFlag(true);
    const std::string path = work / "no-such-folder/w.pgt";
    ui.QueueSaveFile(path);
    EXPECT_FALSE(document.DoFileSaveAs());
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"Save to " + path + " Error!"}));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), "");

    // A file that was there before a failed Save As is not removed.
    ASSERT_TRUE(CreateFolder(work / "taken.pgt"));
    ui.QueueSaveFile(work / "taken.pgt");
    EXPECT_FALSE(document.DoFileSaveAs());
    EXPECT_TRUE(FolderExists(work / "taken.pgt"));
}

TEST_F(WidgetDocument, CancellingTheSaveDialogSavesNothing)
{
    document.SetModifiedFlag(true);
    ui.QueueSaveFile(std::nullopt);
    EXPECT_FALSE(document.DoFileSave());
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(WidgetDocument, TheDocumentsCommands)
{
    ICommandTarget& commands = document.Commands();
    CCommandState state;
    ASSERT_TRUE(commands.OnUpdateCommand(ID_SUPPORT_FILES, state));
    EXPECT_TRUE(state.enabled) << "the class file is always a support file";
    int shown = 0;
    document.m_showSupportFiles = [&](CPagelet&) { ++shown; };
    EXPECT_TRUE(commands.OnCommand(ID_SUPPORT_FILES));
    EXPECT_EQ(shown, 1);

    // View Sample opens the sample page beside the server, or says there is none.
    EXPECT_TRUE(commands.OnCommand(ID_VIEW_SAMPLE));
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"The sample page is not installed beside the pagelet server."}));
    ASSERT_TRUE(CreateFolder(server.Folder() + "/Sample"));
    ASSERT_TRUE(WriteText(server.Folder() + "/Sample/sample.htm", "<html></html>"));
    ui.Clear();
    ui.QueueDialogReject();  // a new pagelet learns of the page
    ASSERT_TRUE(docTemplate.OnFileNew());
    EXPECT_TRUE(commands.OnCommand(ID_VIEW_SAMPLE));
    const auto opened = ui.RecordsOf(EUiExchange::ShellOpen);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].text, server.Folder() + "/Sample/sample.htm");
}

TEST(WidgetName, TheNameRule)
{
    const struct {
        const char* name;
        bool valid;
    } cases[] = {
        {"MyBanner2", true}, {"a", true},          {"2024", true},         {"", false},
        {"My Banner", false}, {"My-Banner", false}, {"My_Banner", false},  {"Caf\xC3\xA9", false},
        {"a.b", false},      {"tab\there", false},  {"\xFF", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidWidgetName(c.name), c.valid) << c.name;
        EXPECT_EQ(CheckWidgetName(c.name, false).empty(), c.valid) << c.name;
    }
    EXPECT_EQ(CheckWidgetName("", true), kMsgEnterName);
    EXPECT_EQ(CheckWidgetName("a-b", false), kMsgInvalidWidgetName);
    EXPECT_EQ(CheckWidgetName("a-b", true), kMsgInvalidTemplateName);
}

// The templates that ship with the program open as widgets of their own.
TEST(ShippedTemplates, EachOpensWithoutAMessage)
{
    CTempRegistry registry;
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CConfigureRecorder configure;
    void* server = ::dlopen(GLINTRA_APP_DIR "/libPageletGlintra.so", RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(server, nullptr);
    auto reg = reinterpret_cast<HRESULT (*)()>(::dlsym(server, "DllRegisterServer"));
    ASSERT_EQ(reg(), S_OK);
    ::dlclose(server);

    CTemplateList templates;
    ASSERT_TRUE(templates.Create());
    templates.Enumerate();
    ASSERT_GE(templates.m_aPaths.size(), 7u);
    for (const std::string& path : templates.m_aPaths) {
        CPallimaToolDoc document;
        CDocTemplate docTemplate(LoadHostString(IDR_WIDGETTYPE), document);
        ASSERT_TRUE(docTemplate.NewDocument());
        EXPECT_TRUE(docTemplate.OpenDocumentFile(path)) << path;
        EXPECT_TRUE(IsValidWidgetName(PathFileName(path).substr(0, PathFileName(path).find('_')))) << path;
        EXPECT_FALSE(document.m_pPagelet->GetDescription().empty()) << path;
        EXPECT_NE(document.m_pPagelet->GetHTMLBody(0, 1).find("<applet "), std::string::npos);
    }
    EXPECT_TRUE(ui.Messages().empty()) << ui.Transcript();
    EXPECT_EQ(configure.sent, int(templates.m_aPaths.size()));
}

} // namespace

namespace {

TEST(CommandRouter, TheFirstTargetThatKnowsACommandRunsItUnlessDisabled)
{
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
    CCommandRouter router;
    CCommandMap view, frame;
    int viewRuns = 0, frameRuns = 0;
    bool enabled = true;
    view.On(1, [&] { ++viewRuns; }, [&](CCommandState& s) { s.enabled = enabled; });
    frame.On(1, [&] { ++frameRuns; });
    frame.On(2, [&] { ++frameRuns; });
    frame.On(3, [] { throw std::runtime_error("the pagelet said no"); });
    router.AddTarget(&view);
    router.AddTarget(&frame);

    EXPECT_TRUE(router.Send(1));
    EXPECT_EQ(viewRuns, 1);
    EXPECT_EQ(frameRuns, 0) << "the view came first";
    enabled = false;
    EXPECT_FALSE(router.Send(1));
    EXPECT_FALSE(router.Update(1).enabled);
    EXPECT_EQ(viewRuns, 1);
    EXPECT_TRUE(router.Send(2));
    EXPECT_EQ(frameRuns, 1);
    EXPECT_FALSE(router.Send(99));
    EXPECT_FALSE(router.Update(99).enabled);
    // A command that fails is told to the user, not thrown at the loop.
    EXPECT_FALSE(router.Send(3));
    EXPECT_EQ(ui.Messages(), (std::vector<std::string>{"The command could not be carried out: the pagelet said no"}));
    router.RemoveTarget(&view);
    enabled = true;
    EXPECT_TRUE(router.Send(1));
    EXPECT_EQ(frameRuns, 2);
}

} // namespace
