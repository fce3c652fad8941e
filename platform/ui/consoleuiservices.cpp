#include "platform/ui/consoleuiservices.h"

#include <QDialog>
#include <QGuiApplication>

#include <cstdio>

int CConsoleUiServices::MessageBox(const std::string& text, UINT type, const std::string& caption)
{
    WriteLine(MessageLine(text, type, caption));
    return UnattendedMessageBoxAnswer(type);
}

std::optional<std::string> CConsoleUiServices::GetOpenFileName(const CFileDialogOptions&)
{
    return std::nullopt;
}

std::optional<std::string> CConsoleUiServices::GetSaveFileName(const CFileDialogOptions&)
{
    return std::nullopt;
}

std::optional<std::string> CConsoleUiServices::BrowseForFolder(const std::string&, const std::string&)
{
    return std::nullopt;
}

std::optional<COLORREF> CConsoleUiServices::ChooseColor(COLORREF)
{
    return std::nullopt;
}

bool CConsoleUiServices::ShellOpen(const std::string&)
{
    return false;
}

bool CConsoleUiServices::StartProgram(const std::string&, const std::vector<std::string>&)
{
    return false;
}

bool CConsoleUiServices::ShowHelp(EHelpCommand, DWORD, const std::string&)
{
    return false;
}

bool CConsoleUiServices::SetClipboardText(const std::string& text)
{
    m_strClipboard = text;
    return true;
}

std::string CConsoleUiServices::GetClipboardText()
{
    return m_strClipboard;
}

int CConsoleUiServices::RunModal(QDialog& dialog)
{
    WriteLine(DialogLine(dialog));
    // Not reject(): a dialog's own reject handling may ask questions or
    // touch its caller's data, and Cancel is meant to change nothing.
    dialog.setResult(QDialog::Rejected);
    return QDialog::Rejected;
}

std::string CConsoleUiServices::MessageLine(const std::string& text, UINT, const std::string& caption) const
{
    std::string name = caption;
    if (name.empty())
        name = QGuiApplication::applicationDisplayName().toStdString();
    return name.empty() ? text : name + ": " + text;
}

std::string CConsoleUiServices::DialogLine(const QDialog& dialog) const
{
    QString name = dialog.windowTitle();
    if (name.isEmpty())
        name = dialog.objectName();
    return "Dialog \"" + name.toStdString() + "\" was answered Cancel because there is no display";
}

void CConsoleUiServices::WriteLine(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
