#include "host/shell/mainframe.h"

#include "host/document/commandids.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/managetemplatesdlg.h"
#include "host/document/pallimatooldoc.h"
#include "host/output/hostpictures.h"
#include "host/output/pallimatoolview.h"
#include "host/output/publishoptions.h"
#include "host/shell/webbrowserdlg.h"
#include "platform/registry/profile.h"
#include "platform/ui/uiservices.h"
#include "resources/host/hostresources.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QRect ScreenRect()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

QRect WorkArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : ScreenRect();
}

// Context help mode: the next click names the topic; Escape leaves it.
class CContextHelpFilter : public QObject {
public:
    explicit CContextHelpFilter(std::function<void(QWidget*)> chosen) : m_chosen(std::move(chosen))
    {
        QApplication::setOverrideCursor(Qt::WhatsThisCursor);
        qApp->installEventFilter(this);
    }
    ~CContextHelpFilter() override
    {
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            QWidget* target = QApplication::widgetAt(mouse->globalPosition().toPoint());
            Finish(target ? target : qobject_cast<QWidget*>(watched));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick)
            return true;
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            Finish(nullptr);
            return true;
        }
        return false;
    }

private:
    void Finish(QWidget* target)
    {
        auto chosen = std::move(m_chosen);
        deleteLater();
        qApp->removeEventFilter(this);
        if (chosen && target)
            chosen(target);
    }
    std::function<void(QWidget*)> m_chosen;
};

} // namespace

DWORD ContextHelpTopic(const QWidget* widget)
{
    for (; widget; widget = widget->parentWidget()) {
        bool number = false;
        const uint id = widget->objectName().toUInt(&number);
        if (number && ((id >= IDC_NEW && id <= IDC_MORE_INFO) || id >= 0x8000))
            return HID_BASE_COMMAND + id;
    }
    return HID_BASE_RESOURCE + IDR_MAINFRAME;
}

CMainFrame::CMainFrame(CProfile& profile, CPallimaToolDoc& document) : m_profile(profile), m_document(document)
{
    setObjectName("mainframe");
    setWindowIcon(HostIcon());

    m_commands.On(ID_OPTION_TEMPLATE, [this] { OnManageTemplates(); });
    m_commands.On(ID_OPTION_WEB_BROWSER, [this] {
        CWebBrowserDlg dialog(m_profile, this);
        UiServices().RunModal(dialog);
    });
    m_commands.On(
        ID_OPTION_PLAYER, [this] { WritePlayerSetting(m_profile, !ReadPlayerSetting(m_profile)); },
        [this](CCommandState& state) { state.checked = ReadPlayerSetting(m_profile); });
    m_commands.On(ID_HELP_TUTORIAL, [this] { OnHelpCommand(EHelpCommand::Context, HID_BASE_COMMAND + ID_HELP_TUTORIAL); });
    m_commands.On(ID_HELP_FAQ, [this] { OnHelpCommand(EHelpCommand::Context, HID_BASE_COMMAND + ID_HELP_FAQ); });
    m_commands.On(ID_HELP_WORK_WITH_PALLIMA,
                  [this] { OnHelpCommand(EHelpCommand::Context, HID_BASE_COMMAND + ID_HELP_WORK_WITH_PALLIMA); });
    m_commands.On(ID_HELP_SEARCH, [this] { OnHelpCommand(EHelpCommand::Keyword, 0); });
    m_commands.On(ID_HELP_FINDER, [this] { OnHelpCommand(EHelpCommand::Contents, 0); });
    m_commands.On(ID_HELP, [this] { OnHelpCommand(EHelpCommand::Context, HID_BASE_RESOURCE + IDR_MAINFRAME); });
    m_commands.On(ID_CONTEXT_HELP, [this] { EnterContextHelp(); });
    m_commands.On(ID_HELP_ORDERING, [this] { OnOrdering(); });
    m_commands.On(ID_APP_EXIT, [this] { close(); });
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::PreCreateWindow()
{
    // No maximise button: the guide page has one size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_placement = ReadFramePlacement(m_profile, ScreenRect(), WorkArea());
    if (!m_placement)
        return false;
    m_nShowCommand = m_placement->showCommand;
    setGeometry(m_placement->normal);
    return true;
}

void CMainFrame::OnCreate()
{
    BuildToolBar();
    statusBar()->setObjectName("statusline");
    statusBar()->setSizeGripEnabled(false);
    const QString idle = ToQt(LoadHostString(IDS_IDLE_PROMPT));
    // Between prompts the line shows the idle text.
    connect(statusBar(), &QStatusBar::messageChanged, this, [this, idle](const QString& text) {
        if (text.isEmpty())
            statusBar()->showMessage(idle);
    });
    statusBar()->showMessage(idle);
    BuildMenu();
    m_document.m_onChanged = [this] {
        UpdateTitle();
        UpdateCommands();
    };
    UpdateTitle();
    UpdateCommands();
}

QAction* CMainFrame::AddCommand(QMenu* menu, const char* text, UINT id)
{
    const QString full = QString::fromUtf8(text);
    auto* action = new QAction(full, this);
    action->setObjectName(QString::number(id));
    action->setStatusTip(ToQt(LoadCommandPrompt(id)));
    const qsizetype tab = full.indexOf('\t');
    if (tab >= 0) {
        // The menu shows the key as written after the tab.
        const QString key = full.mid(tab + 1);
        QList<QKeySequence> keys{QKeySequence(key)};
        if (key == "Alt+Enter")
            keys = {QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)};
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
    }
    connect(action, &QAction::triggered, this, [this, id] {
        MainCommands().Send(id);
        UpdateCommands();
    });
    if (menu)
        menu->addAction(action);
    m_actions.emplace(id, action);
    return action;
}

void CMainFrame::BuildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QString::number(IDR_MAINFRAME));

    QMenu* file = bar->addMenu("&File");
    AddCommand(file, "&New...\tCtrl+N", ID_FILE_NEW);
    AddCommand(file, "&Open...\tCtrl+O", ID_FILE_OPEN);
    AddCommand(file, "&Save\tCtrl+S", ID_FILE_SAVE);
    AddCommand(file, "Save &As...", ID_FILE_SAVE_AS);
    AddCommand(file, "Save as &Template...\tCtrl+T", ID_FILE_SAVE_AS_TEMPLATE);
    file->addSeparator();
    AddCommand(file, "&Support Files...", ID_FILE_SUPPORT_FILES);
    file->addSeparator();
    m_pRecentPlaceholder = AddCommand(file, "Recent File", ID_FILE_MRU_FILE1);
    m_pRecentPlaceholder->setEnabled(false);
    for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id) {
        QAction* recent = AddCommand(nullptr, "", id);
        file->addAction(recent);
        recent->setVisible(false);
        m_recentActions.push_back(recent);
    }
    file->addSeparator();
    AddCommand(file, "E&xit", ID_APP_EXIT);
    connect(file, &QMenu::aboutToShow, this, [this] {
        UpdateRecentFiles();
        UpdateCommands();
    });

    QMenu* edit = bar->addMenu("&Edit");
    AddCommand(edit, "&Configure ...\tAlt+Enter", ID_EDIT_CONFIGURE);
    AddCommand(edit, "Re&name ...", ID_EDIT_RENAME);

    QMenu* option = bar->addMenu("Option");
    AddCommand(option, "&Web Browser...", ID_OPTION_WEB_BROWSER);
    AddCommand(option, "&Template...", ID_OPTION_TEMPLATE);
    option->addSeparator();
    AddCommand(option, "&Play in Today's Browsers", ID_OPTION_PLAYER)->setCheckable(true);

    QMenu* help = bar->addMenu("&Help");
    AddCommand(help, "&Help Topics", ID_HELP_FINDER);
    AddCommand(help, "&Tutorial", ID_HELP_TUTORIAL);
    AddCommand(help, "&Work with Pallima", ID_HELP_WORK_WITH_PALLIMA);
    AddCommand(help, "&Search for Help on ...", ID_HELP_SEARCH);
    AddCommand(help, "&View Sample", ID_HELP_VIEW_SAMPLE);
    help->addSeparator();
    AddCommand(help, "&Frequently Asked Questions", ID_HELP_FAQ);
    AddCommand(help, "&Ordering Infomation", ID_HELP_ORDERING);
    help->addSeparator();
    AddCommand(help, "&About Pallima Glintra...", ID_APP_ABOUT);

    for (QMenu* menu : {edit, option, help})
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);

    // Keys without a menu item: help and context help. The clipboard keys
    // belong to whichever control has the focus.
    QAction* f1 = AddCommand(nullptr, "Help\tF1", ID_HELP);
    QAction* shiftF1 = AddCommand(nullptr, "Context Help\tShift+F1", ID_CONTEXT_HELP);
    addAction(f1);
    addAction(shiftF1);
}

void CMainFrame::BuildToolBar()
{
    m_pToolBar = new QToolBar("Standard", this);
    m_pToolBar->setObjectName(QString::number(IDR_MAINFRAME));
    m_pToolBar->setIconSize(QSize(32, 32));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_pToolBar->setMovable(true);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);

    const QPixmap strip = HostPicture(IDB_TOOLBAR);
    struct CSlot {
        UINT id;
        int picture;
        const char* text;
    };
    const CSlot buttonSlots[] = {{ID_FILE_SAVE, 0, "Save"},
                           {ID_FILE_SAVE_AS_TEMPLATE, 1, "As Template"},
                           {0, -1, nullptr},
                           {ID_FILE_SUPPORT_FILES, 2, "Support Files"},
                           {0, -1, nullptr},
                           {ID_HELP_WORK_WITH_PALLIMA, 3, "Tips"}};
    std::vector<QToolButton*> buttons;
    for (const CSlot& slot : buttonSlots) {
        if (!slot.text) {
            m_pToolBar->addSeparator();
            continue;
        }
        QAction* action = AddCommand(nullptr, slot.text, slot.id);
        action->setToolTip(ToQt(LoadCommandTip(slot.id)));
        if (!strip.isNull())
            action->setIcon(QIcon(strip.copy(slot.picture * 32, 0, 32, 32)));
        m_pToolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(m_pToolBar->widgetForAction(action))) {
            button->setObjectName(QString::number(slot.id));
            buttons.push_back(button);
        }
    }
    // Every button as wide as the widest text needs, 50 to 150 pixels.
    int width = 50;
    int height = 0;
    for (QToolButton* button : buttons) {
        width = std::max(width, button->sizeHint().width());
        height = std::max(height, button->sizeHint().height());
    }
    width = std::min(width, 150);
    for (QToolButton* button : buttons)
        button->setFixedSize(width, height);
}

void CMainFrame::SetView(CPallimaToolView* view)
{
    m_pView = view;
    setCentralWidget(view);
    view->OnInitialUpdate();
    // Fit the frame to the form, never making it larger.
    const QSize fit = sizeHint().expandedTo(minimumSizeHint());
    const QSize now = size();
    if (m_placement)
        resize(std::min(now.width(), fit.width()), std::min(now.height(), fit.height()));
    else
        resize(fit);
    UpdateCommands();
}

void CMainFrame::ShowWindow()
{
    if (m_nShowCommand == SW_SHOWMINIMIZED)
        showMinimized();
    else
        show();
}

QAction* CMainFrame::MenuAction(UINT id) const
{
    // The menu's item rather than the tool bar's button of the command.
    QAction* first = nullptr;
    const auto [begin, end] = m_actions.equal_range(id);
    for (auto it = begin; it != end; ++it) {
        if (!first)
            first = it->second;
        for (QObject* user : it->second->associatedObjects())
            if (qobject_cast<QMenu*>(user))
                return it->second;
    }
    return first;
}

QString CMainFrame::StatusText() const
{
    return statusBar()->currentMessage();
}

void CMainFrame::UpdateCommands()
{
    for (const auto& [id, action] : m_actions) {
        if (action == m_pRecentPlaceholder)
            continue;  // greyed while it stands for an empty list
        if (!action->isVisible() && id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4)
            continue;
        // A command nobody handles is greyed, as a menu item without a
        // handler is.
        const CCommandState state = MainCommands().Update(id);
        action->setEnabled(MainCommands().IsHandled(id) && state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

void CMainFrame::UpdateRecentFiles()
{
    const std::vector<std::string> texts = m_recentMenuTexts ? m_recentMenuTexts() : std::vector<std::string>();
    for (size_t i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        action->setVisible(i < texts.size());
        if (i < texts.size())
            action->setText(ToQt(texts[i]));
    }
    m_pRecentPlaceholder->setVisible(texts.empty());
    m_pRecentPlaceholder->setEnabled(false);
}

void CMainFrame::UpdateTitle()
{
    setWindowTitle(ToQt(m_document.GetTitle() + " - " + LoadHostString(IDS_APP_TITLE)));
}

CFramePlacement CMainFrame::CurrentPlacement() const
{
    CFramePlacement placement;
    placement.showCommand = isMinimized() ? SW_SHOWMINIMIZED : SW_SHOWNORMAL;
    placement.normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    return placement;
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The placement is written first: it stays written when the user then
    // cancels the save question.
    WriteFramePlacement(m_profile, CurrentPlacement(), WorkArea());
    if (!m_document.SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_onClosed)
        m_onClosed();
}

void CMainFrame::OnHelpCommand(EHelpCommand command, DWORD data)
{
    if (!UiServices().ShowHelp(command, data))
        AfxMessageBox("The help pages of Pallima Glintra could not be found. They belong in the folder \"help\" "
                      "beside the program.",
                      MB_OK | MB_ICONEXCLAMATION);
}

void CMainFrame::EnterContextHelp()
{
    if (m_bContextHelp)
        return;
    m_bContextHelp = true;
    auto* filter = new CContextHelpFilter([this](QWidget* target) {
        m_bContextHelp = false;
        OnHelpCommand(EHelpCommand::Context, ContextHelpTopic(target));
    });
    connect(filter, &QObject::destroyed, this, [this] { m_bContextHelp = false; });
}

void CMainFrame::OnManageTemplates()
{
    CManageTemplatesDlg dialog(this);
    if (dialog.InitDialog())
        UiServices().RunModal(dialog);
}

void CMainFrame::OnOrdering()
{
    const std::string page = LoadHostString(IDS_ORDERING_PAGE);
    if (!UiServices().ShellOpen(page))
        AfxMessageBox("The ordering page " + page + " could not be opened.", MB_OK | MB_ICONEXCLAMATION);
}
