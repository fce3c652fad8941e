#pragma once
// The services of a program without a display: the command line, and every
// process until something else is installed. Nobody is there to answer, so
// each question is declined (Cancel, else No, else OK), every picker and
// dialog is cancelled and nothing is opened. The user still learns what
// would have been asked: each message box and each dialog gives one line on
// standard error.

#include "platform/ui/uiservices.h"

#include <string>

class CConsoleUiServices : public IUiServices {
public:
    int MessageBox(const std::string& text, UINT type = MB_OK, const std::string& caption = {}) override;

    std::optional<std::string> GetOpenFileName(const CFileDialogOptions& options) override;
    std::optional<std::string> GetSaveFileName(const CFileDialogOptions& options) override;
    std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& initialFolder) override;
    std::optional<COLORREF> ChooseColor(COLORREF initial) override;

    bool ShellOpen(const std::string& target) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    bool ShowHelp(EHelpCommand command, DWORD data = 0, const std::string& keyword = {}) override;

    // Kept in memory, so that copy and paste inside one run still agree.
    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;

    // The dialog is not shown; its result is set to Rejected.
    int RunModal(QDialog& dialog) override;

protected:
    // The wording of the lines. The default message line is
    // "<caption>: <text>" (the application's display name when no caption is
    // given; the text alone when there is no name either), with the text's
    // line breaks kept.
    virtual std::string MessageLine(const std::string& text, UINT type, const std::string& caption) const;
    virtual std::string DialogLine(const QDialog& dialog) const;
    // Where the lines go: standard error, one line each.
    virtual void WriteLine(const std::string& line);

    std::string m_strClipboard;
};
