#include "platform/ui/document.h"

#include "platform/base/files.h"
#include "platform/ui/uiservices.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kSaveChanges = "Save changes to %1?";
constexpr const char* kAllFilesName = "All Files (*.*)";
constexpr const char* kAllFilesPattern = "*.*";

std::string Replace(std::string text, const std::string& mark, const std::string& by)
{
    const size_t at = text.find(mark);
    if (at != std::string::npos)
        text.replace(at, mark.size(), by);
    return text;
}

} // namespace

std::string FileOpenErrorMessage(const std::string& path, int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return path + " was not found.";
    case EACCES:
    case EPERM:
        return path + " could not be opened: you have no permission to read it.";
    case EISDIR:
        return path + " is a folder, not a file.";
    case EWOULDBLOCK:
        return path + " could not be opened because another program is using it.";
    case ENODEV:
        return path + " is no file that can be opened as a document.";
    default:
        return path + " could not be opened: " + std::strerror(error) + ".";
    }
}

void CDocument::SetPathName(const std::string& path, bool addToRecentFiles)
{
    m_strPathName = path;
    m_strTitle = PathFileName(path);
    if (addToRecentFiles && m_pDocTemplate && m_pDocTemplate->m_onRecentFile)
        m_pDocTemplate->m_onRecentFile(path);
    Changed();
}

void CDocument::SetTitle(const std::string& title)
{
    m_strTitle = title;
    Changed();
}

void CDocument::SetModifiedFlag(bool modified)
{
    if (m_bModified == modified)
        return;
    m_bModified = modified;
    Changed();
}

void CDocument::Changed()
{
    if (m_onChanged)
        m_onChanged();
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const std::string& path)
{
    if (!CanOpenForReading(path))
        return FALSE;
    DeleteContents();
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CDocument::CanOpenForReading(const std::string& path)
{
    // Opened for reading with other writers kept out, and closed again:
    // nothing is read here, but a file that cannot be read is reported now.
    // Only a regular file is a document: reading a pipe or a device could
    // wait for ever. O_NONBLOCK keeps this very check from waiting on one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    int error = fd < 0 ? errno : 0;
    if (fd >= 0) {
        struct stat st{};
        if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode))
            error = EISDIR;
        else if (!S_ISREG(st.st_mode))
            error = ENODEV;
        else if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            error = EWOULDBLOCK;
        ::close(fd);
    }
    if (error != 0) {
        AfxMessageBox(FileOpenErrorMessage(path, error), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL CDocument::OnSaveDocument(const std::string&)
{
    SetModifiedFlag(false);
    return TRUE;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    const std::string name = m_strPathName.empty() ? m_strTitle : PathFileName(m_strPathName);
    switch (AfxMessageBox(Replace(kSaveChanges, "%1", name), MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:  // No: the changes go
        return TRUE;
    }
}

BOOL CDocument::DoSave(const std::string& path, bool replaceName)
{
    std::string target = path;
    if (target.empty()) {
        std::string proposed = m_strPathName;
        if (proposed.empty() && m_pDocTemplate) {
            // A new document is proposed under its name and the type's extension.
            proposed = m_strTitle;
            const std::string extension = m_pDocTemplate->FilterExtension();
            const bool hasIt = proposed.size() >= extension.size() &&
                               proposed.compare(proposed.size() - extension.size(), extension.size(), extension) == 0;
            if (!extension.empty() && !hasIt)
                proposed += extension;
        }
        target = m_pDocTemplate ? m_pDocTemplate->PromptFileName(false, proposed) : std::string();
        if (target.empty())
            return FALSE;  // cancelled
    }
    const bool existedBefore = FileExists(target) || FolderExists(target);
    if (!OnSaveDocument(target)) {
        // What this save made at a new name goes again; what was there
        // before stays (the writes replace files whole, so it is intact).
        if (path.empty() && !existedBefore && FileExists(target))
            DeleteFileAt(target);
        return FALSE;
    }
    if (replaceName)
        SetPathName(target);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    return DoSave(m_strPathName);  // a document without a file asks for one
}

BOOL CDocument::DoFileSaveAs()
{
    return DoSave(std::string());
}

CDocTemplate::CDocTemplate(const std::string& typeString, CDocument& document)
    : m_typeString(typeString), m_document(document)
{
    m_document.SetDocTemplate(this);
}

std::string CDocTemplate::Field(size_t index) const
{
    size_t start = 0;
    for (size_t i = 0; i < index; ++i) {
        start = m_typeString.find('\n', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    const size_t end = m_typeString.find('\n', start);
    return m_typeString.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string CDocTemplate::PromptFileName(bool open, const std::string& proposed) const
{
    CFileDialogOptions options;
    std::string extension = FilterExtension();
    if (!extension.empty() && extension[0] == '.')
        extension.erase(0, 1);
    options.filters.push_back({FilterName(), "*." + extension});
    options.filters.push_back({kAllFilesName, kAllFilesPattern});
    options.defaultExtension = extension;
    options.initialPath = proposed;
    options.mustExist = open;
    options.promptOverwrite = !open;
    const std::optional<std::string> chosen =
        open ? UiServices().GetOpenFileName(options) : UiServices().GetSaveFileName(options);
    return chosen.value_or(std::string());
}

BOOL CDocTemplate::NewDocument()
{
    // The title first: the document's own new operation may show dialogs
    // that already speak of it.
    const std::string previous = m_document.GetTitle();
    m_document.SetTitle(DocumentName());
    if (!m_document.OnNewDocument()) {
        m_document.SetTitle(previous);  // a failed new leaves the document as it was
        return FALSE;
    }
    m_document.SetTitle(DocumentName());
    return TRUE;
}

BOOL CDocTemplate::OnFileNew()
{
    if (!m_document.SaveModified())
        return FALSE;
    return NewDocument();
}

BOOL CDocTemplate::OnFileOpen()
{
    const std::string path = PromptFileName(true, std::string());
    if (path.empty())
        return FALSE;
    return OpenDocumentFile(path);
}

BOOL CDocTemplate::OpenDocumentFile(const std::string& path)
{
    if (path.empty())
        return OnFileNew();
    if (!m_document.SaveModified())
        return FALSE;
    if (!m_document.OnOpenDocument(path))
        return FALSE;
    m_document.SetPathName(path);
    return TRUE;
}
