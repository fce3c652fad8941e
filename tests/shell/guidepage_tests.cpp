// The main window as the user meets it: the guide page's buttons, labels
// and pictures, Configure and Rename, the menu with its keys and prompts,
// the tool bar and the status line.
#include "shellfixture.h"

#include "common/colorlabel.h"
#include "host/document/widgetname.h"
#include "host/document/widgetnamedlg.h"
#include "common/bitmapbutton.h"
#include "host/output/hostpictures.h"
#include "tests/support/fakepagelet.h"

#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

class GuidePage : public ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        ASSERT_TRUE(Start()) << ui.Transcript();
        ui.Clear();
    }
    // The document's pagelet becomes the test's own.
    CFakePagelet& UseFakePagelet()
    {
        auto pagelet = std::make_unique<CPagelet>();
        EXPECT_TRUE(pagelet->CreateFromProgID(CFakePageletClass::kProgId));
        Document().m_pPagelet = std::move(pagelet);
        return fake.pagelet;
    }
    void Screenshot(QWidget& widget, const char* name)
    {
        if (const char* folder = std::getenv("GLINTRA_SCREENSHOTS"))
            widget.grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }

    CFakePageletClass fake{server.Library()};
};

TEST_F(GuidePage, EveryButtonSendsItsCommand)
{
    CFakePagelet& pagelet = fake.pagelet;
    pagelet.configResult = false;
    struct Case {
        UINT button;
        std::function<void()> script;
        std::function<void()> check;
    };
    const Case cases[] = {
        {IDC_NEW, [&] { ui.QueueDialogReject(); },
         [&] { EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"New "})) << "File New's dialog"; }},
        {IDC_OPEN, [&] { ui.QueueOpenFile(std::nullopt); },
         [&] { EXPECT_EQ(ui.RecordsOf(EUiExchange::OpenFile).size(), 1u) << "File Open's picker"; }},
        {IDC_CONFIGURE, [] {}, [&] { EXPECT_EQ(pagelet.configCalls, 1) << "the wizard"; }},
        {IDC_COPY_CODE, [&] { ui.QueueDialogReject(); },
         [&] { EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"Glintra's HTML Code"})); }},
        {IDC_NEW_PAGE, [&] { ui.QueueSaveFile(std::nullopt); },
         [&] { EXPECT_EQ(ui.RecordsOf(EUiExchange::SaveFile).size(), 1u) << "New Page's picker"; }},
        {IDC_INSERT_INTO, [&] { ui.QueueOpenFile(std::nullopt); },
         [&] { EXPECT_EQ(ui.RecordsOf(EUiExchange::OpenFile).size(), 1u) << "Insert into's picker"; }},
        {IDC_MORE_INFO, [] {},
         [&] {
             const auto help = ui.RecordsOf(EUiExchange::Help);
             ASSERT_EQ(help.size(), 1u);
             EXPECT_EQ(help[0].helpCommand, EHelpCommand::Context);
             EXPECT_EQ(help[0].helpData, 43u);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        ui.Clear();
        pagelet.configCalls = 0;
        UseFakePagelet();  // File New replaces it
        c.script();
        CBitmapButton* button = View().Button(c.button);
        ASSERT_NE(button, nullptr);
        button->click();
        c.check();
        EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
    }
}

TEST_F(GuidePage, ConfigureSetsTheModifiedFlagOnlyWhenTheWizardSaysSo)
{
    CFakePagelet& pagelet = UseFakePagelet();
    struct Case {
        bool wizardResult;
        bool modifiedBefore;
        bool modifiedAfter;
    };
    for (const Case c : {Case{true, false, true}, Case{false, false, false}, Case{false, true, true}}) {
        Document().SetModifiedFlag(c.modifiedBefore);
        pagelet.configResult = c.wizardResult;
        // The button, the menu item and Alt+Enter are one command.
        View().Button(IDC_CONFIGURE)->click();
        EXPECT_EQ(Document().IsModified(), c.modifiedAfter) << c.wizardResult << c.modifiedBefore;
        Document().SetModifiedFlag(c.modifiedBefore);
        Frame().MenuAction(ID_EDIT_CONFIGURE)->trigger();
        EXPECT_EQ(Document().IsModified(), c.modifiedAfter) << "menu " << c.wizardResult << c.modifiedBefore;
    }
    EXPECT_EQ(pagelet.configCalls, 6);
}

TEST_F(GuidePage, RenameAppliesTheNameRuleAndMarksTheWidgetChanged)
{
    Document().m_pPagelet->SetDescription("the first");
    struct Case {
        const char* name;
        const char* message;  // empty: accepted
    };
    const Case cases[] = {
        {"", kMsgEnterName},
        {"My Banner", kMsgInvalidWidgetName},
        {"My_Banner", kMsgInvalidWidgetName},
        {"MyBanner2", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui.Clear();
        Document().SetModifiedFlag(false);
        std::string shownName;
        std::string shownDescription;
        std::string leftInName;
        ui.QueueDialog([&](QDialog& d) {
            auto* name = CScriptedUiServices::Control<QLineEdit>(d, CWidgetNameDlg::IDC_NAME);
            shownName = name->text().toStdString();
            shownDescription =
                CScriptedUiServices::Control<QLineEdit>(d, CWidgetNameDlg::IDC_DESCRIPTION)->text().toStdString();
            name->setText(QString::fromUtf8(c.name));
            CScriptedUiServices::Click(d, IDOK);
            if (d.isVisible()) {
                leftInName = name->text().toStdString();
                CScriptedUiServices::Click(d, IDCANCEL);
            }
        });
        const std::string before = Document().m_pPagelet->GetTitle();
        Frame().MenuAction(ID_EDIT_RENAME)->trigger();
        EXPECT_EQ(ui.Dialogs(), (std::vector<std::string>{"Rename"}));
        EXPECT_EQ(shownName, before);
        EXPECT_EQ(shownDescription, "the first");
        if (*c.message == '\0') {
            EXPECT_TRUE(ui.Messages().empty());
            EXPECT_EQ(Document().m_pPagelet->GetTitle(), c.name);
            EXPECT_TRUE(Document().IsModified());
        } else {
            ASSERT_EQ(ui.Messages().size(), 1u);
            EXPECT_EQ(ui.LastMessage(), c.message);
            EXPECT_EQ(leftInName, c.name) << "the dialog stays open with what was typed";
            EXPECT_EQ(Document().m_pPagelet->GetTitle(), before);
            EXPECT_FALSE(Document().IsModified()) << "Cancel changes nothing";
        }
    }

    // OK with nothing changed still counts as a change.
    Document().SetModifiedFlag(false);
    ui.QueueDialogAccept();
    Frame().MenuAction(ID_EDIT_RENAME)->trigger();
    EXPECT_TRUE(Document().IsModified());
    EXPECT_EQ(Document().m_pPagelet->GetTitle(), "MyBanner2");
}

TEST_F(GuidePage, OneColourForPageLabelsAndButtonMargins)
{
    EXPECT_EQ(View().BackgroundColor(), RGB(178, 178, 201));
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (UINT id = 1046; id <= 1051; ++id) {
        CColorLabel* label = View().Label(id);
        ASSERT_NE(label, nullptr) << id;
        EXPECT_EQ(label->BackColor(), RGB(178, 178, 201)) << id;
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(178, 178, 201)) << id;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), windowText) << id;
    }
    EXPECT_EQ(View().Label(1046)->text().toStdString(),
              "You can create a new Glintra from the pre-made templates or open a previous saved Glintra.");
    EXPECT_EQ(View().Label(1051)->text().toStdString(), "3. Open an existing web page and insert Glintra into it.");

    const QImage page = View().grab().toImage();
    EXPECT_EQ(page.pixelColor(page.width() - 3, page.height() / 2), QColor(178, 178, 201));
    struct Case {
        UINT id;
        QSize size;
    };
    const Case cases[] = {{IDC_NEW, {100, 35}},       {IDC_OPEN, {100, 35}},       {IDC_CONFIGURE, {100, 35}},
                          {IDC_COPY_CODE, {100, 35}}, {IDC_NEW_PAGE, {100, 35}},   {IDC_INSERT_INTO, {100, 35}},
                          {IDC_MORE_INFO, {82, 24}}};
    for (const Case& c : cases) {
        CBitmapButton* button = View().Button(c.id);
        EXPECT_EQ(button->size(), c.size) << c.id;
        for (const QPixmap* picture : {&button->NormalPicture(), &button->PressedPicture()}) {
            ASSERT_FALSE(picture->isNull()) << c.id;
            const QImage image = picture->toImage();
            EXPECT_EQ(image.size(), c.size) << c.id;
            EXPECT_EQ(image.pixelColor(0, 0), QColor(178, 178, 201)) << c.id << " margin";
        }
        // Pressed while held down, normal otherwise (focus included).
        button->setFocus();
        EXPECT_EQ(&button->CurrentPicture(), &button->NormalPicture());
        button->setDown(true);
        EXPECT_EQ(&button->CurrentPicture(), &button->PressedPicture());
        button->setDown(false);
    }
    EXPECT_TRUE(View().ClipboardEdit()->isHidden());
    Screenshot(Frame(), "mainwindow");
}

TEST_F(GuidePage, MenuItemsKeysAndPrompts)
{
    struct Case {
        UINT id;
        const char* text;
        const char* prompt;
        std::vector<QKeySequence> keys;
    };
    const Case cases[] = {
        {ID_FILE_NEW, "&New...\tCtrl+N", "Create a new widget from a template", {QKeySequence("Ctrl+N")}},
        {ID_FILE_OPEN, "&Open...\tCtrl+O", "Open a saved widget", {QKeySequence("Ctrl+O")}},
        {ID_FILE_SAVE, "&Save\tCtrl+S", "Save the widget", {QKeySequence("Ctrl+S")}},
        {ID_FILE_SAVE_AS, "Save &As...", "Save the widget under a new name", {}},
        {ID_FILE_SAVE_AS_TEMPLATE, "Save as &Template...\tCtrl+T", "Save the document as a template",
         {QKeySequence("Ctrl+T")}},
        {ID_FILE_SUPPORT_FILES, "&Support Files...", "List the files using by the widget", {}},
        {ID_APP_EXIT, "E&xit", "Quit the application; prompts to save the widget", {}},
        {ID_EDIT_CONFIGURE, "&Configure ...\tAlt+Enter", "Configure the widget to fit your requirment",
         {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)}},
        {ID_EDIT_RENAME, "Re&name ...", "Give the widget a new name", {}},
        {ID_OPTION_WEB_BROWSER, "&Web Browser...", "Specify your favorite web browser", {}},
        {ID_OPTION_TEMPLATE, "&Template...", "Manage the templates", {}},
        {ID_HELP_FINDER, "&Help Topics", "List Help topics", {}},
        {ID_HELP_TUTORIAL, "&Tutorial", "Tutorial to guide you working", {}},
        {ID_HELP_WORK_WITH_PALLIMA, "&Work with Pallima",
         "We strongly recommend you to use Pallima Glintra together with Pallima.", {}},
        {ID_HELP_SEARCH, "&Search for Help on ...", "Seach the keyword", {}},
        {ID_HELP_VIEW_SAMPLE, "&View Sample", "View this widget's sample", {}},
        {ID_HELP_FAQ, "&Frequently Asked Questions", "User frequently asked questions", {}},
        {ID_HELP_ORDERING, "&Ordering Infomation", "https://www.norvane.example/glintra/order.html", {}},
        {ID_APP_ABOUT, "&About Pallima Glintra...", "Display program information, version number and copyright", {}},
        {ID_HELP, "Help\tF1", "", {QKeySequence("F1")}},
        {ID_CONTEXT_HELP, "Context Help\tShift+F1", "", {QKeySequence("Shift+F1")}},
    };
    for (const Case& c : cases) {
        QAction* action = Frame().MenuAction(c.id);
        ASSERT_NE(action, nullptr) << c.id;
        EXPECT_EQ(action->text().toStdString(), c.text) << c.id;
        EXPECT_EQ(action->statusTip().toStdString(), c.prompt) << c.id;
        const QList<QKeySequence> keys = action->shortcuts();
        EXPECT_EQ(std::vector<QKeySequence>(keys.begin(), keys.end()), c.keys) << c.id;
    }
    std::vector<std::string> menus;
    for (QAction* menu : Frame().menuBar()->actions())
        menus.push_back(menu->text().toStdString());
    EXPECT_EQ(menus, (std::vector<std::string>{"&File", "&Edit", "Option", "&Help"}));
    EXPECT_EQ(Frame().StatusText().toStdString(), "For Help, press F1");
    EXPECT_FALSE(Frame().windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(GuidePage, CommandsAreEnabledAsTheirRulesSay)
{
    Frame().UpdateCommands();
    // The real pagelet's widgets always need the applet's class file.
    EXPECT_TRUE(Frame().MenuAction(ID_FILE_SUPPORT_FILES)->isEnabled());
    UseFakePagelet();  // one without support files
    Frame().UpdateCommands();
    EXPECT_FALSE(Frame().MenuAction(ID_FILE_SUPPORT_FILES)->isEnabled());
    for (UINT id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE_AS_TEMPLATE,
                    ID_EDIT_CONFIGURE, ID_EDIT_RENAME, ID_OPTION_TEMPLATE, ID_HELP_FINDER, ID_HELP_TUTORIAL,
                    ID_HELP_WORK_WITH_PALLIMA, ID_HELP_SEARCH, ID_HELP_VIEW_SAMPLE, ID_HELP_FAQ, ID_HELP_ORDERING,
                    ID_APP_EXIT})
        EXPECT_TRUE(Frame().MenuAction(id)->isEnabled()) << id;
    EXPECT_FALSE(Frame().MenuAction(ID_FILE_MRU_FILE1)->isEnabled()) << "the empty recent-file entry";
}

TEST_F(GuidePage, ToolBarHasFourButtonsOfOneSize)
{
    std::vector<std::string> texts;
    std::vector<QSize> sizes;
    int separators = 0;
    for (QAction* action : Frame().ToolBar()->actions()) {
        if (action->isSeparator()) {
            ++separators;
            continue;
        }
        texts.push_back(action->text().toStdString());
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        sizes.push_back(Frame().ToolBar()->widgetForAction(action)->size());
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Save", "As Template", "Support Files", "Tips"}));
    EXPECT_EQ(separators, 2);
    for (const QSize& size : sizes) {
        EXPECT_EQ(size, sizes.front());
        EXPECT_GE(size.width(), 50);
        EXPECT_LE(size.width(), 150);
    }
    EXPECT_EQ(Frame().ToolBar()->iconSize(), QSize(32, 32));
}

TEST_F(GuidePage, HelpCommandsOpenTheirTopics)
{
    struct Case {
        UINT id;
        EHelpCommand command;
        DWORD topic;
    };
    const Case cases[] = {
        {ID_HELP_TUTORIAL, EHelpCommand::Context, 0x10000 + 32793},
        {ID_HELP_FAQ, EHelpCommand::Context, 0x10000 + 32790},
        {ID_HELP_WORK_WITH_PALLIMA, EHelpCommand::Context, 0x10000 + 32783},
        {ID_HELP_SEARCH, EHelpCommand::Keyword, 0},
        {ID_HELP_FINDER, EHelpCommand::Contents, 0},
        {ID_HELP, EHelpCommand::Context, 0x20000 + 128},
    };
    for (const Case& c : cases) {
        ui.Clear();
        ASSERT_TRUE(MainCommands().Send(c.id)) << c.id;
        const auto help = ui.RecordsOf(EUiExchange::Help);
        ASSERT_EQ(help.size(), 1u) << c.id;
        EXPECT_EQ(help[0].helpCommand, c.command) << c.id;
        EXPECT_EQ(help[0].helpData, c.topic) << c.id;
    }
    // The tool bar's Tips is the same command.
    ui.Clear();
    for (QAction* action : Frame().ToolBar()->actions())
        if (action->text() == "Tips")
            action->trigger();
    ASSERT_EQ(ui.RecordsOf(EUiExchange::Help).size(), 1u);
    EXPECT_EQ(ui.RecordsOf(EUiExchange::Help)[0].helpData, 0x10000u + 32783);

    ui.Clear();
    ui.QueueHelpResult(false);
    MainCommands().Send(ID_HELP_FAQ);
    EXPECT_NE(ui.LastMessage().find("help pages"), std::string::npos) << ui.Transcript();

    ui.Clear();
    ASSERT_TRUE(MainCommands().Send(ID_HELP_ORDERING));
    ASSERT_EQ(ui.RecordsOf(EUiExchange::ShellOpen).size(), 1u);
    EXPECT_EQ(ui.RecordsOf(EUiExchange::ShellOpen)[0].text, "https://www.norvane.example/glintra/order.html");
}

TEST_F(GuidePage, ContextHelpTopicsOfTheControls)
{
    EXPECT_EQ(ContextHelpTopic(View().Button(IDC_CONFIGURE)), 0x10000u + IDC_CONFIGURE);
    EXPECT_EQ(ContextHelpTopic(View().Label(1047)), 0x20000u + 128);
    QWidget* tips = nullptr;
    for (QAction* action : Frame().ToolBar()->actions())
        if (action->text() == "Tips")
            tips = Frame().ToolBar()->widgetForAction(action);
    EXPECT_EQ(ContextHelpTopic(tips), 0x10000u + ID_HELP_WORK_WITH_PALLIMA);
}

TEST_F(GuidePage, ShiftF1ThenAClickOpensTheTopicOfWhatWasClicked)
{
    CBitmapButton* configure = View().Button(IDC_CONFIGURE);
    struct Case {
        const char* what;
        bool escape;
        std::vector<DWORD> topics;
    };
    for (const Case c : {Case{"a click", false, {0x10000 + IDC_CONFIGURE}}, Case{"Escape", true, {}}}) {
        SCOPED_TRACE(c.what);
        ui.Clear();
        CFakePagelet& pagelet = UseFakePagelet();
        pagelet.configCalls = 0;
        Frame().MenuAction(ID_CONTEXT_HELP)->trigger();
        const QPointF inside(10, 10);
        if (c.escape) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(configure, &key);
        }
        QMouseEvent press(QEvent::MouseButtonPress, inside, configure->mapToGlobal(inside), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(configure, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, inside, configure->mapToGlobal(inside), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(configure, &release);
        QApplication::processEvents();
        std::vector<DWORD> topics;
        for (const auto& record : ui.RecordsOf(EUiExchange::Help))
            topics.push_back(record.helpData);
        EXPECT_EQ(topics, c.topics);
        // In help mode the click chooses the topic and does nothing else;
        // after Escape the button works again.
        EXPECT_EQ(pagelet.configCalls, c.escape ? 1 : 0);
    }
}

TEST_F(GuidePage, NewPageFromTheProgramPutsTheSupportFilesBesideThePage)
{
    // A shipped template with a picture, opened as a widget.
    const std::string widget = work / "Evening.pgt";
    ASSERT_TRUE(CopyFileReplacing(GLINTRA_APP_DIR "/EveningLink_PageletServer.Glintra.pgt", widget));
    ASSERT_TRUE(CopyFileReplacing(GLINTRA_APP_DIR "/eveningsky.jpg", work / "eveningsky.jpg"));
    ASSERT_TRUE(Start({widget}));
    ui.Clear();
    CTempDir site;
    const std::string page = site / "index.htm";
    ui.QueueSaveFile(page);
    View().Button(IDC_NEW_PAGE)->click();
    EXPECT_EQ(ui.LastMessage(), "You have saved Glintra into " + page + " successfully!") << ui.Transcript();

    std::string html;
    ASSERT_TRUE(ReadWholeFile(page, html));
    CPagelet& pagelet = *Document().m_pPagelet;
    ASSERT_GE(pagelet.GetResourceNumber(), 2);
    for (short i = 0; i < pagelet.GetResourceNumber(); ++i) {
        // Each support file lies where the page looks for it.
        const std::string reference = pagelet.GetResourceWebPath(i) + pagelet.GetResourceName(i);
        EXPECT_TRUE(FileExists(site / reference)) << reference;
        EXPECT_NE(html.find(reference), std::string::npos) << reference;
    }
    EXPECT_NE(html.find("code=\"glntfx.class\""), std::string::npos);
    EXPECT_NE(html.find("eveningsky.jpg"), std::string::npos);
    EXPECT_FALSE(FileExists(site / "index.respgt"));
}

TEST_F(GuidePage, ManageTemplatesFromTheOptionMenu)
{
    ui.QueueDialogReject();
    Frame().MenuAction(ID_OPTION_TEMPLATE)->trigger();
    EXPECT_EQ(ui.RecordsOf(EUiExchange::Dialog).size(), 1u) << ui.Transcript();
    EXPECT_EQ(ui.RecordsOf(EUiExchange::Dialog)[0].name, "155");
}

} // namespace
