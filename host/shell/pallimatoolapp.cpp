#include "host/shell/pallimatoolapp.h"

#include "host/document/commandids.h"
#include "host/document/pallimatooldoc.h"
#include "host/output/outputcommands.h"
#include "host/output/pallimatoolview.h"
#include "host/shell/commandline.h"
#include "host/shell/mainframe.h"
#include "platform/automation/classregistry.h"
#include "platform/registry/registry.h"
#include "platform/ui/document.h"
#include "platform/ui/uiservices.h"
#include "resources/host/hostresources.h"

#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace {


std::string CurrentFolder()
{
    std::error_code error;
    return std::filesystem::current_path(error).string();
}

} // namespace

CPallimaToolApp::CPallimaToolApp(std::string appFolder)
    : m_strAppFolder(std::move(appFolder)), m_recentFiles("Recent File List", "File%d", 4)
{
    m_commands.On(ID_FILE_NEW, [this] { OnFileNew(); });
    m_commands.On(ID_FILE_OPEN, [this] { OnFileOpen(); });
    for (UINT id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id)
        m_commands.On(id, [this, id] { OnOpenRecentFile(id - ID_FILE_MRU_FILE1); },
                      [this, id](CCommandState& s) { s.enabled = id - ID_FILE_MRU_FILE1 < m_recentFiles.Files().size(); });
    // Save and Save As belong to the framework's document handling.
    m_documentCommands.On(ID_FILE_SAVE, [this] { m_pDocument->DoFileSave(); });
    m_documentCommands.On(ID_FILE_SAVE_AS, [this] { m_pDocument->DoFileSaveAs(); });
}

CPallimaToolApp::~CPallimaToolApp()
{
    TearDown();
}

void CPallimaToolApp::TearDown()
{
    if (m_pView)
        MainCommands().RemoveTarget(&m_pView->Commands());
    if (m_pDocument)
        MainCommands().RemoveTarget(&m_pDocument->Commands());
    MainCommands().RemoveTarget(&m_documentCommands);
    if (m_pMainFrame)
        MainCommands().RemoveTarget(&m_pMainFrame->Commands());
    MainCommands().RemoveTarget(&m_commands);
    m_pView = nullptr;
    m_pMainFrame.reset();
    m_pDocTemplate.reset();
    // The widget's pagelet goes before the object model does.
    m_pDocument.reset();
    if (m_bComInitialized) {
        CoUninitialize();
        m_bComInitialized = false;
    }
}

BOOL CPallimaToolApp::InitInstance(const std::vector<std::string>& arguments)
{
    m_bStarted = true;
    if (FAILED(CoInitialize())) {
        AfxMessageBox(LoadHostString(IDS_OLE_INIT_FAILED));
        return FALSE;
    }
    m_bComInitialized = true;

    m_profile.SetRegistryKey(kSettingsCompany, LoadHostString(IDS_APP_TITLE));
    // The open and save dialogs start in the widget folder; a missing one
    // changes nothing.
    const std::string widgetFolder = m_strAppFolder + "/My Widget";
    if (chdir(widgetFolder.c_str()) != 0) {
        // stays where it was
    }
    m_recentFiles.ReadList(m_profile);

    const CCommandLineInfo commandLine = ParseCommandLine(arguments);
    if (commandLine.m_nShellCommand == CCommandLineInfo::AppUnregister) {
        Unregister();
        return FALSE;
    }

    m_pDocument = std::make_unique<CPallimaToolDoc>();
    m_pDocTemplate = std::make_unique<CDocTemplate>(LoadHostString(IDR_WIDGETTYPE), *m_pDocument);
    m_pDocument->m_showSupportFiles = [this](CPagelet& pagelet) {
        ShowSupportFiles(pagelet, m_pMainFrame.get(), PublishOptionsOf(m_profile));
    };
    m_pDocTemplate->m_onRecentFile = [this](const std::string& path) { m_recentFiles.Add(path); };

    m_pMainFrame = std::make_unique<CMainFrame>(m_profile, *m_pDocument);
    m_pMainFrame->PreCreateWindow();
    m_pMainFrame->OnCreate();
    m_pView = new CPallimaToolView(*m_pDocument);
    m_pView->m_publishOptions = [this] { return PublishOptionsOf(m_profile); };
    m_pMainFrame->m_recentMenuTexts = [this] {
        std::vector<std::string> texts;
        const std::string folder = CurrentFolder();
        for (size_t i = 0; i < m_recentFiles.Files().size(); ++i)
            texts.push_back(m_recentFiles.MenuText(i, folder));
        return texts;
    };
    // Commands are offered to the view first, then the document, the
    // frame and the application.
    MainCommands().AddTarget(&m_pView->Commands());
    MainCommands().AddTarget(&m_pDocument->Commands());
    MainCommands().AddTarget(&m_documentCommands);
    MainCommands().AddTarget(&m_pMainFrame->Commands());
    MainCommands().AddTarget(&m_commands);

    const BOOL ready = commandLine.m_nShellCommand == CCommandLineInfo::FileOpen
                           ? m_pDocTemplate->OpenDocumentFile(commandLine.m_strFileName)
                           : m_pDocTemplate->NewDocument();
    if (!ready)
        return FALSE;  // the user has been told why

    m_pMainFrame->SetView(m_pView);
    m_pMainFrame->UpdateTitle();
    m_pMainFrame->ShowWindow();
    m_bRan = true;
    return TRUE;
}

void CPallimaToolApp::Unregister()
{
    const std::string key = "Software\\" + std::string(kSettingsCompany) + "\\" + LoadHostString(IDS_APP_TITLE);
    const LONG result = RegDeleteTree(HKEY_CURRENT_USER, key.c_str());
    const bool removed = result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
    AfxMessageBox(LoadHostString(removed ? IDS_REGISTRY_REMOVED : IDS_REGISTRY_NOT_REMOVED));
    m_bUnregistered = removed;
}

void CPallimaToolApp::CleanTemporaryFolder() const
{
    // Files are deleted one by one and failures passed over; a folder that
    // still holds something (a subfolder, say) stays.
    const std::filesystem::path folder = m_strAppFolder + "/tmp";
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_directory(ignored))
            std::filesystem::remove(it->path(), ignored);
    }
    std::filesystem::remove(folder, error);
}

int CPallimaToolApp::ExitInstance()
{
    CleanTemporaryFolder();
    // The recent files were read at start; after an unregister they are
    // not written back into the key that was just removed.
    if (m_pDocTemplate)
        m_recentFiles.WriteList(m_profile);
    TearDown();
    // A start that failed (after its messages) is a failure of the program;
    // a finished run and a done unregistration are not.
    return m_bStarted && !m_bRan && !m_bUnregistered ? 1 : 0;
}

void CPallimaToolApp::OnFileNew()
{
    m_pDocTemplate->OnFileNew();
}

void CPallimaToolApp::OnFileOpen()
{
    m_pDocTemplate->OnFileOpen();
}

void CPallimaToolApp::OnOpenRecentFile(size_t index)
{
    if (index >= m_recentFiles.Files().size())
        return;
    const std::string path = m_recentFiles.Files()[index];
    if (!m_pDocument->SaveModified())
        return;  // cancelled: nothing changes
    // The question has been answered; the open must not ask it again. When
    // the open fails, the widget the user had keeps its state.
    const bool wasModified = m_pDocument->IsModified();
    m_pDocument->SetModifiedFlag(false);
    if (!m_pDocTemplate->OpenDocumentFile(path)) {
        m_pDocument->SetModifiedFlag(wasModified);
        // The same entry, wherever it stands now.
        const auto& files = m_recentFiles.Files();
        for (size_t i = 0; i < files.size(); ++i)
            if (files[i] == path) {
                m_recentFiles.Remove(i);
                break;
            }
    }
}
