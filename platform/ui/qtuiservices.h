#pragma once
// The services of the desktop: Qt's message boxes, file, folder and colour
// dialogs, the desktop's URL handling, detached processes and the system
// clipboard. Boxes and pickers belong to the application's active window.
// Installed once by the host program at start.

#include "platform/ui/consoleuiservices.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/uiservices.h"

class QFileDialog;
class QMessageBox;
class QWidget;

class CQtUiServices : public IUiServices {
public:
    int MessageBox(const std::string& text, UINT type = MB_OK, const std::string& caption = {}) override;

    std::optional<std::string> GetOpenFileName(const CFileDialogOptions& options) override;
    std::optional<std::string> GetSaveFileName(const CFileDialogOptions& options) override;
    std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& initialFolder) override;
    std::optional<COLORREF> ChooseColor(COLORREF initial) override;

    bool ShellOpen(const std::string& target) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;

    // Passed to the viewer; FALSE while none is set.
    bool ShowHelp(EHelpCommand command, DWORD data = 0, const std::string& keyword = {}) override;

    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;

    int RunModal(QDialog& dialog) override;

    // The viewer stays the caller's; null turns help off.
    void SetHelpViewer(IHelpViewer* viewer) { m_pHelpViewer = viewer; }
    IHelpViewer* HelpViewer() const { return m_pHelpViewer; }

    // How the boxes and pickers are set up before they are shown.
    enum class EFileDialogKind { Open, Save };
    static void ConfigureMessageBox(QMessageBox& box, const std::string& text, UINT type, const std::string& caption);
    static void ConfigureFileDialog(QFileDialog& dialog, const CFileDialogOptions& options, EFileDialogKind kind);

protected:
    // The window boxes and pickers are shown over.
    virtual QWidget* DialogParent() const;

private:
    std::optional<std::string> RunFileDialog(const CFileDialogOptions& options, EFileDialogKind kind);

    IHelpViewer* m_pHelpViewer = nullptr;
    // Before the QApplication exists (or after it is gone) nothing can be
    // shown; questions are then answered as on the command line.
    CConsoleUiServices m_console;
};
