#pragma once
// The main window: the guide page with the menu bar, a flat tool bar of
// four buttons with text and a one-pane status line. It remembers where it
// stood, asks to save a modified widget before it closes, and runs the
// commands that belong to no document: templates, help and information.

#include "platform/ui/commandrouter.h"
#include "platform/ui/uiservices.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <optional>

#include "host/shell/frameplacement.h"

class CPallimaToolDoc;
class CPallimaToolView;
class CProfile;
class QAction;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CProfile& profile, CPallimaToolDoc& document);
    ~CMainFrame() override;

    // Before the window is made: its style, and its placement from the
    // settings. FALSE when none was stored.
    bool PreCreateWindow();
    // The tool bar, the status line and the menu.
    void OnCreate();
    // The guide page becomes the client area; the frame then shrinks to it.
    void SetView(CPallimaToolView* view);
    CPallimaToolView* View() const { return m_pView; }
    // Shows the window as it was left: normal or minimised.
    void ShowWindow();
    int ShowCommand() const { return m_nShowCommand; }

    ICommandTarget& Commands() { return m_commands; }
    // The menu items by command, the tool bar, and the line.
    QAction* MenuAction(UINT id) const;
    QToolBar* ToolBar() const { return m_pToolBar; }
    QString StatusText() const;
    // Asks every menu item and tool bar button whether it is enabled now.
    void UpdateCommands();
    // The caption: "<document title> - Pallima Glintra".
    void UpdateTitle();

    // The recent files of the File menu, as the application gives them.
    std::function<std::vector<std::string>()> m_recentMenuTexts;

    // Told when the window has closed for good.
    std::function<void()> m_onClosed;

    // Where the window stands now, as it would be stored.
    CFramePlacement CurrentPlacement() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* AddCommand(QMenu* menu, const char* text, UINT id);
    void BuildMenu();
    void BuildToolBar();
    void UpdateRecentFiles();
    void OnHelpCommand(EHelpCommand command, DWORD data);
    void OnManageTemplates();
    void OnOrdering();
    void EnterContextHelp();

    CProfile& m_profile;
    CPallimaToolDoc& m_document;
    CPallimaToolView* m_pView = nullptr;
    QToolBar* m_pToolBar = nullptr;
    std::multimap<UINT, QAction*> m_actions;
    std::vector<QAction*> m_recentActions;
    QAction* m_pRecentPlaceholder = nullptr;
    std::optional<CFramePlacement> m_placement;
    int m_nShowCommand = SW_SHOWNORMAL;
    CCommandMap m_commands;
    bool m_bContextHelp = false;
};

// The help for the point clicked in context help mode: the topic of the
// control or command under it, or the window's.
DWORD ContextHelpTopic(const QWidget* widget);
