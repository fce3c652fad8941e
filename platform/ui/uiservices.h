#pragma once
// Every exchange with the user that the program specifies goes through one
// interface: message boxes, file, colour and folder pickers, the shell's
// "open", help, the clipboard, and modal runs of our own dialogs. Production
// installs the Qt implementation (CQtUiServices); tests install the scripted
// double (CScriptedUiServices), which records each exchange and answers from
// a queue; the command line installs one that answers without a display.

#include "platform/base/types.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class QDialog;

// Message box buttons, icons and answers, with the values the program's
// message calls are written with.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONERROR = 0x10;       // also MB_ICONSTOP, MB_ICONHAND
constexpr UINT MB_ICONSTOP = MB_ICONERROR;
constexpr UINT MB_ICONHAND = MB_ICONERROR;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30; // also MB_ICONWARNING
constexpr UINT MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr UINT MB_ICONINFORMATION = 0x40; // also MB_ICONASTERISK
constexpr UINT MB_ICONASTERISK = MB_ICONINFORMATION;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFMASK = 0xF00;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDRETRY = 4;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// The answers of a box's buttons, in the order the buttons stand: {IDOK},
// {IDOK, IDCANCEL}, {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO}, {IDRETRY,
// IDCANCEL}. A button set the program never uses is shown as MB_OK.
std::vector<int> MessageBoxAnswers(UINT type);

// The answer given when nobody can answer: Cancel where the box has it, else
// No, else OK. Declining is the safe side of every question the program asks.
int UnattendedMessageBoxAnswer(UINT type);

// One entry of a file dialog's type list: "Pallima Widgets File(*.pgt) " with
// the patterns "*.pgt". Several patterns are separated by ';'.
struct CFileFilter {
    std::string description;
    std::string patterns;
};

struct CFileDialogOptions {
    std::string title;                // empty: the toolkit's own
    std::vector<CFileFilter> filters;
    int filterIndex = 0;              // the entry shown first
    std::string initialPath;          // a folder, or a file to preselect
    std::string defaultExtension;     // without the dot; added to a name without one
    bool mustExist = true;            // open: the chosen file must exist
    bool promptOverwrite = true;      // save: ask before replacing a file
};

// What the help engine is asked: a topic by number, the contents, the
// keyword search, or context help for a control.
enum class EHelpCommand { Context, Contents, Keyword, ContextPopup, Quit };

class IUiServices {
public:
    virtual ~IUiServices() = default;

    // Shows text with the buttons and icon of type; returns the answer
    // (IDOK, IDCANCEL, IDYES, IDNO, IDRETRY). The caption is the
    // application's name unless one is given.
    virtual int MessageBox(const std::string& text, UINT type = MB_OK, const std::string& caption = {}) = 0;

    // Full paths, or nothing when the user cancels.
    virtual std::optional<std::string> GetOpenFileName(const CFileDialogOptions& options) = 0;
    virtual std::optional<std::string> GetSaveFileName(const CFileDialogOptions& options) = 0;
    virtual std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& initialFolder) = 0;
    virtual std::optional<COLORREF> ChooseColor(COLORREF initial) = 0;

    // The shell's "open" of a document, folder or web address; FALSE when
    // nothing could be opened.
    virtual bool ShellOpen(const std::string& target) = 0;
    // Starts a program with its arguments, not waiting for it.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) = 0;

    // The program's help: topic numbers as the commands give them.
    virtual bool ShowHelp(EHelpCommand command, DWORD data = 0, const std::string& keyword = {}) = 0;

    virtual bool SetClipboardText(const std::string& text) = 0;
    virtual std::string GetClipboardText() = 0;

    // Runs one of our own dialogs modally and returns its result code
    // (QDialog::Accepted, QDialog::Rejected or what done() was given).
    virtual int RunModal(QDialog& dialog) = 0;
};

// The services in use. Until an implementation is installed, a fallback
// answers without a display: each message goes to standard error and is
// answered Cancel where the box has it, else No, else OK; pickers and
// dialogs are cancelled. The installer keeps ownership; installing null goes
// back to the fallback.
IUiServices& UiServices();
void SetUiServices(IUiServices* services);
bool HasUiServices();
// What was installed, or null while the fallback answers.
IUiServices* InstalledUiServices();

// The message call of the program: UiServices().MessageBox(text, type).
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
