#include "host/output/outputcommands.h"

#include "host/document/pallimatooldoc.h"
#include "host/output/copycodedlg.h"
#include "host/output/editorchoicedlg.h"
#include "host/output/insertpagedlg.h"
#include "host/output/pageoutput.h"
#include "host/output/supportfilesdlg.h"
#include "platform/ui/uiservices.h"

namespace {

constexpr UINT ID_FILE_SAVE = 57603;

std::vector<CFileFilter> HtmlFilters()
{
    return {{"HTML Files(*.htm;*.html) ", "*.htm;*.html"}, {"All Files(*.*) ", "*.*"}};
}

bool HasPagelet(const CPallimaToolDoc& document)
{
    return document.m_pPagelet && document.m_pPagelet->IsCreated();
}

// The editor takes the job; FALSE when the host is to insert after all.
// TRUE also when the user cancelled the whole command.
bool HandToEditor(CPallimaToolDoc& document, const std::string& path)
{
    if (document.IsModified()) {
        if (AfxMessageBox("You must save your Glintra before using Pallima,Save it?", MB_OKCANCEL) != IDOK)
            return true;
        MainCommands().Send(ID_FILE_SAVE);
    }
    if (UiServices().StartProgram(kEditorProgram, SplitParameterString("\"" + path + "\"")))
        return true;
    if (AfxMessageBox("Can't find Pallima.exe, Download it?", MB_OKCANCEL) == IDOK) {
        UiServices().ShellOpen(kEditorDownloadPage);
        return true;
    }
    return false;
}

} // namespace

std::vector<std::string> SplitParameterString(const std::string& parameters)
{
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false;
    bool have = false;
    for (char c : parameters) {
        if (c == '"') {
            inQuotes = !inQuotes;
            have = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (have)
                arguments.push_back(current);
            current.clear();
            have = false;
        } else {
            current += c;
            have = true;
        }
    }
    if (have)
        arguments.push_back(current);
    return arguments;
}

void OnCopyCode(CPallimaToolDoc& document, QWidget* parent, const CPublishOptions& publish)
{
    if (!HasPagelet(document))
        return;
    const CHtmlSegmentTexts segments = GatherSegments(*document.m_pPagelet, publish);
    // Nothing to copy leaves the clipboard as it was.
    if (!segments.cursor.empty())
        UiServices().SetClipboardText(segments.cursor);
    CCopyCodeDlg dialog(segments.cursor, parent);
    UiServices().RunModal(dialog);
}

void OnNewPage(CPallimaToolDoc& document, QWidget* parent, const CPublishOptions& publish)
{
    if (!HasPagelet(document))
        return;
    CFileDialogOptions options;
    options.filters = HtmlFilters();
    options.defaultExtension = "htm";
    options.promptOverwrite = true;
    const std::optional<std::string> path = UiServices().GetSaveFileName(options);
    if (!path)
        return;
    if (!WriteNewPage(*document.m_pPagelet, *path, publish)) {
        AfxMessageBox("Create HTML File Failure!");
        return;
    }
    AfxMessageBox("You have saved Glintra into " + *path + " successfully!");
    if (publish.withPlayer) {
        if (const std::string problem = CopyPlayerBeside(*document.m_pPagelet, *path); !problem.empty())
            AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
    }
}

void OnInsertInto(CPallimaToolDoc& document, QWidget* parent, const CPublishOptions& publish)
{
    if (!HasPagelet(document))
        return;
    CFileDialogOptions options;
    options.filters = HtmlFilters();
    options.mustExist = false;
    const std::optional<std::string> path = UiServices().GetOpenFileName(options);
    if (!path)
        return;

    CEditorChoiceDlg choice(parent);
    if (UiServices().RunModal(choice) == QDialog::Accepted && choice.m_bUseEditor && HandToEditor(document, *path))
        return;
    CInsertPageDlg dialog(*document.m_pPagelet, *path, parent, publish);
    dialog.InitDialog();
    if (UiServices().RunModal(dialog) != QDialog::Accepted)
        return;
    if (!WritePageText(*path, dialog.m_strPageText)) {
        AfxMessageBox("Write " + *path + " Failure!");
        return;
    }
    if (!dialog.m_bCopyFiles)
        return;
    CopySupportFilesBeside(*document.m_pPagelet, *path);
    if (publish.withPlayer) {
        if (const std::string problem = CopyPlayerBeside(*document.m_pPagelet, *path); !problem.empty())
            AfxMessageBox(problem, MB_OK | MB_ICONEXCLAMATION);
    }
}

void ShowSupportFiles(const CPagelet& pagelet, QWidget* parent, const CPublishOptions& publish)
{
    CSupportFilesDlg dialog(pagelet, parent, publish);
    dialog.InitDialog();
    UiServices().RunModal(dialog);
}
