#pragma once
// The test double of the UI services. It shows nothing of its own: it
// writes down every exchange in order and answers from queues that the test
// fills beforehand. Our own dialogs are run for real, and a queued driver is
// called from inside each dialog's event loop to work its controls and close
// it, so a test reads like the user's session:
//
//     CScriptedUiServices ui;
//     CScopedUiServices install(ui);
//     ui.QueueSaveFile("/site/index.htm");
//     ui.QueueDialog([](QDialog& d) { CScriptedUiServices::Click(d, 1); });
//     view.OnNewPage();
//     EXPECT_EQ(ui.LastMessage(), "You have saved ...");
//     EXPECT_TRUE(ui.Problems().empty()) << ui.Transcript();
//
// What the test did not script is answered the way nobody-at-the-keyboard
// would answer it (OK where OK is all there is, otherwise Cancel or No;
// pickers cancelled; dialogs rejected unseen), and each unscripted question
// or dialog is listed in Problems().

#include "platform/ui/scopeduiservices.h"
#include "platform/ui/uiservices.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum class EUiExchange {
    MessageBox,
    OpenFile,
    SaveFile,
    BrowseFolder,
    ChooseColor,
    ShellOpen,
    StartProgram,
    Help,
    SetClipboard,
    GetClipboard,
    Dialog,
};

// One exchange: what the program asked and what it was answered.
struct CUiExchangeRecord {
    EUiExchange kind = EUiExchange::MessageBox;

    // The words of the exchange: the message text; the picker's title; the
    // shell target; the program; the help keyword; the clipboard text (set
    // or read); the dialog's window title.
    std::string text;
    std::string caption;              // message box caption as given (empty: the application's)
    std::string name;                 // dialog: its object name (its resource number)
    UINT type = 0;                    // message box: buttons | icon | default button
    CFileDialogOptions fileOptions;   // file pickers
    std::string initialFolder;        // folder picker
    COLORREF initialColor = 0;        // colour picker
    std::vector<std::string> arguments; // program start
    EHelpCommand helpCommand = EHelpCommand::Contents;
    DWORD helpData = 0;

    int answer = 0;                   // message box answer; dialog result
    std::optional<std::string> path;  // file or folder picker: the choice, none for Cancel
    std::optional<COLORREF> color;    // colour picker: the choice, none for Cancel
    bool result = false;              // shell open, program start, help, set clipboard
    bool scripted = false;            // the answer (or driver) came from a queue
    bool leftOpen = false;            // dialog: its driver returned with it open, so it was rejected

    UINT Buttons() const { return type & MB_TYPEMASK; }
    UINT Icon() const { return type & MB_ICONMASK; }
    UINT DefaultButton() const { return type & MB_DEFMASK; }
};

class CScriptedUiServices : public IUiServices {
public:
    using DialogDriver = std::function<void(QDialog&)>;

    // IUiServices
    int MessageBox(const std::string& text, UINT type = MB_OK, const std::string& caption = {}) override;
    std::optional<std::string> GetOpenFileName(const CFileDialogOptions& options) override;
    std::optional<std::string> GetSaveFileName(const CFileDialogOptions& options) override;
    std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& initialFolder) override;
    std::optional<COLORREF> ChooseColor(COLORREF initial) override;
    bool ShellOpen(const std::string& target) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override;
    bool ShowHelp(EHelpCommand command, DWORD data = 0, const std::string& keyword = {}) override;
    bool SetClipboardText(const std::string& text) override;
    std::string GetClipboardText() override;
    int RunModal(QDialog& dialog) override;

    // The script, consumed first in first out, one queue per kind.
    void QueueAnswer(int answer);                                 // IDOK, IDCANCEL, IDYES, IDNO, IDRETRY
    void QueueOpenFile(std::optional<std::string> path);          // none: Cancel
    void QueueSaveFile(std::optional<std::string> path);
    void QueueFolder(std::optional<std::string> folder);
    void QueueColor(std::optional<COLORREF> color);
    void QueueShellOpenResult(bool result);                       // unqueued: TRUE
    void QueueStartProgramResult(bool result);                    // unqueued: TRUE
    void QueueHelpResult(bool result);                            // unqueued: TRUE
    void QueueDialog(DialogDriver driver);
    void QueueDialogAccept();                                     // a driver that presses OK at once
    void QueueDialogReject();                                     // a driver that presses Cancel at once

    // What happened.
    const std::vector<CUiExchangeRecord>& Records() const { return m_records; }
    std::vector<CUiExchangeRecord> RecordsOf(EUiExchange kind) const;
    std::vector<std::string> Messages() const;                    // texts of the message boxes so far
    std::string LastMessage() const;                              // empty when there was none
    std::vector<std::string> Dialogs() const;                     // window titles of the dialogs run
    std::string ClipboardText() const { return m_strClipboard; }  // without recording a read
    // Every exchange, one line each, for failure messages.
    std::string Transcript() const;

    // What the script did not cover: questions asked without a queued
    // answer, dialogs run without a driver, answers a box could not give.
    const std::vector<std::string>& Problems() const { return m_problems; }
    int UnansweredQuestions() const { return m_nUnansweredQuestions; }
    int UnexpectedDialogs() const { return m_nUnexpectedDialogs; }
    // Something queued is still waiting to be used.
    bool HasPendingScript() const;

    // Forgets the records and the problems; the queues and the clipboard stay.
    void Clear();

    // For drivers: the control with the given resource number (its object
    // name), or null. Click presses an enabled button; FALSE when there is
    // no such button or it is disabled.
    static QString ControlName(int id);
    template <class T>
    static T* Control(QWidget& dialog, int id)
    {
        return dialog.findChild<T*>(ControlName(id));
    }
    static bool Click(QWidget& dialog, int id);

private:
    struct CDriveState;
    void PostDriver(std::shared_ptr<CDriveState> state);
    CUiExchangeRecord& Record(EUiExchange kind, std::string text);
    void Problem(std::string problem);
    static bool PopResult(std::deque<bool>& queue);
    static std::string Describe(const CUiExchangeRecord& record);

    std::vector<CUiExchangeRecord> m_records;
    std::vector<std::string> m_problems;
    int m_nUnansweredQuestions = 0;
    int m_nUnexpectedDialogs = 0;
    unsigned m_nClears = 0;

    std::deque<int> m_answers;
    std::deque<std::optional<std::string>> m_openFiles;
    std::deque<std::optional<std::string>> m_saveFiles;
    std::deque<std::optional<std::string>> m_folders;
    std::deque<std::optional<COLORREF>> m_colors;
    std::deque<bool> m_shellResults;
    std::deque<bool> m_startResults;
    std::deque<bool> m_helpResults;
    std::deque<DialogDriver> m_drivers;

    std::string m_strClipboard;
    // The dialogs running now, innermost last: a driver runs only while its
    // dialog is the innermost one.
    std::vector<QDialog*> m_running;
};
