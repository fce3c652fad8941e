#include "host/document/pallimatooldoc.h"

#include "host/document/newwidgetdlg.h"
#include "host/document/savetemplatedlg.h"
#include "platform/base/autodate.h"
#include "platform/ui/uiservices.h"
#include "resources/host/hostresources.h"

CPallimaToolDoc::CPallimaToolDoc()
{
    m_commands.On(ID_SAVE_AS_TEMPLATE, [this] { OnSaveAsTemplate(); },
                  [this](CCommandState& s) { s.enabled = m_pPagelet && m_pPagelet->IsCreated(); });
    m_commands.On(ID_SUPPORT_FILES, [this] { OnSupportFiles(); },
                  [this](CCommandState& s) { s.enabled = CanShowSupportFiles(); });
    m_commands.On(ID_VIEW_SAMPLE, [this] { OnViewSample(); },
                  [this](CCommandState& s) { s.enabled = m_pPagelet && m_pPagelet->IsCreated(); });
}

CPallimaToolDoc::~CPallimaToolDoc() = default;

std::unique_ptr<CPagelet> CPallimaToolDoc::MakePagelet() const
{
    auto pagelet = std::make_unique<CPagelet>();
    const std::string progId = LoadHostString(IDS_PAGELET_PROGID);
    if (!pagelet->CreateFromProgID(progId)) {
        AfxMessageBox("Create the dispatch of the " + progId + " Error!");
        return nullptr;
    }
    return pagelet;
}

BOOL CPallimaToolDoc::OnNewDocument()
{
    // The new pagelet is made before the old widget goes: when it cannot be
    // made, the widget the user had stays.
    std::unique_ptr<CPagelet> pagelet = MakePagelet();
    if (!pagelet)
        return FALSE;
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_pPagelet = std::move(pagelet);

    if (m_bFirstNew) {
        // The startup widget: the default design, no dialog.
        m_bFirstNew = FALSE;
        SetModifiedFlag(false);
        return TRUE;
    }
    CNewWidgetDlg dialog(*m_pPagelet);
    if (dialog.InitDialog() && UiServices().RunModal(dialog) == QDialog::Accepted) {
        MainCommands().Send(ID_CONFIGURE);
        SetModifiedFlag(true);
    } else {
        SetModifiedFlag(false);  // a fresh default widget, as at startup
    }
    return TRUE;
}

BOOL CPallimaToolDoc::OnOpenDocument(const std::string& path)
{
    if (!CanOpenForReading(path))
        return FALSE;
    // The file is read into a pagelet of its own; the document takes it only
    // when it is this pagelet's widget, so a failed open loses nothing.
    std::unique_ptr<CPagelet> pagelet = MakePagelet();
    if (!pagelet)
        return FALSE;
    if (!pagelet->ReadConfigFile(path)) {
        AfxMessageBox("Open " + path + " Error!");
        return FALSE;
    }
    if (pagelet->GetProgID() != LoadHostString(IDS_PAGELET_PROGID)) {
        AfxMessageBox("This File is not saved by " + LoadHostString(IDS_APP_TITLE) + "!");
        return FALSE;
    }
    DeleteContents();
    m_pPagelet = std::move(pagelet);
    SetModifiedFlag(false);
    MainCommands().Send(ID_CONFIGURE);
    return TRUE;
}

BOOL CPallimaToolDoc::OnSaveDocument(const std::string& path)
{
    if (!m_pPagelet || !m_pPagelet->IsCreated()) {
        // Nothing to write is no success to report.
        AfxMessageBox("Save to " + path + " Error!");
        return FALSE;
    }
    m_pPagelet->SetProgID(LoadHostString(IDS_PAGELET_PROGID));
    m_pPagelet->SetLastUpdateTime(CurrentDate());
    if (!m_pPagelet->WriteConfigFile(path)) {
        AfxMessageBox("Save to " + path + " Error!");
        return FALSE;
    }
    SetModifiedFlag(false);
    return TRUE;
}

void CPallimaToolDoc::OnSaveAsTemplate()
{
    if (!m_pPagelet)
        return;
    CSaveTemplateDlg dialog(m_pPagelet->GetTitle(), m_pPagelet->GetDescription());
    if (!dialog.InitDialog() || UiServices().RunModal(dialog) != QDialog::Accepted)
        return;
    // The template is written under its own name; the widget keeps its own.
    // It is stamped as a save stamps a widget: a widget that was never
    // saved has no ProgID yet, and a template without one is never listed.
    const std::string title = m_pPagelet->GetTitle();
    const std::string description = m_pPagelet->GetDescription();
    m_pPagelet->SetProgID(LoadHostString(IDS_PAGELET_PROGID));
    m_pPagelet->SetLastUpdateTime(CurrentDate());
    m_pPagelet->SetTitle(dialog.m_strName);
    m_pPagelet->SetDescription(dialog.m_strDescription);
    const BOOL written = m_pPagelet->WriteConfigFile(dialog.m_strPath);
    AfxMessageBox(written ? "Save as the template success!" : "Save as the template failure!");
    m_pPagelet->SetTitle(title);
    m_pPagelet->SetDescription(description);
}

bool CPallimaToolDoc::CanShowSupportFiles() const
{
    return m_pPagelet && m_pPagelet->IsCreated() && m_pPagelet->GetResourceNumber() != 0;
}

void CPallimaToolDoc::OnSupportFiles()
{
    if (CanShowSupportFiles() && m_showSupportFiles)
        m_showSupportFiles(*m_pPagelet);
}

void CPallimaToolDoc::OnViewSample()
{
    if (!m_pPagelet)
        return;
    if (m_pPagelet->m_strSamplePage.empty()) {
        AfxMessageBox("The sample page is not installed beside the pagelet server.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!UiServices().ShellOpen(m_pPagelet->m_strSamplePage))
        AfxMessageBox("The sample page " + m_pPagelet->m_strSamplePage + " could not be opened.",
                      MB_OK | MB_ICONEXCLAMATION);
}
