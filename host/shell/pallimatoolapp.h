#pragma once
// The application object: starts the host in its order (object model,
// settings key, folders, recent files, the document type, the command
// line, the main window) and cleans up after it.

#include "host/shell/recentfilelist.h"
#include "platform/registry/profile.h"
#include "platform/ui/commandrouter.h"

#include <memory>
#include <string>
#include <vector>

class CDocTemplate;
class CMainFrame;
class CPallimaToolDoc;
class CPallimaToolView;

class CPallimaToolApp {
public:
    // The program's folder, without a trailing separator.
    explicit CPallimaToolApp(std::string appFolder);
    ~CPallimaToolApp();
    CPallimaToolApp(const CPallimaToolApp&) = delete;
    CPallimaToolApp& operator=(const CPallimaToolApp&) = delete;

    // FALSE to end the program at once (after its messages).
    BOOL InitInstance(const std::vector<std::string>& arguments);
    // Cleans the host's "tmp" folder and writes the recent files; the
    // program's exit code.
    int ExitInstance();

    const std::string m_strAppFolder;

    CProfile& Profile() { return m_profile; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    CPallimaToolDoc* Document() const { return m_pDocument.get(); }
    CDocTemplate* DocTemplate() const { return m_pDocTemplate.get(); }
    CMainFrame* MainFrame() const { return m_pMainFrame.get(); }
    CPallimaToolView* View() const { return m_pView; }

    void OnFileNew();
    void OnFileOpen();
    // Opens entry index of the recent-file list; an entry that cannot be
    // opened leaves the list.
    void OnOpenRecentFile(size_t index);

private:
    void Unregister();
    void CleanTemporaryFolder() const;
    void TearDown();

    CProfile m_profile;
    CRecentFileList m_recentFiles;
    std::unique_ptr<CPallimaToolDoc> m_pDocument;
    std::unique_ptr<CDocTemplate> m_pDocTemplate;
    std::unique_ptr<CMainFrame> m_pMainFrame;
    CPallimaToolView* m_pView = nullptr;  // owned by the frame
    CCommandMap m_commands;
    CCommandMap m_documentCommands;
    bool m_bComInitialized = false;
    bool m_bStarted = false;
    bool m_bRan = false;
    bool m_bUnregistered = false;
};
