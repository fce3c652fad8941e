#include "platform/ui/qtuiservices.h"

#include "platform/ui/qtconversions.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace {

bool CanShowWidgets()
{
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

bool HasGuiApplication()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

} // namespace

void CQtUiServices::ConfigureMessageBox(QMessageBox& box, const std::string& text, UINT type, const std::string& caption)
{
    box.setWindowTitle(caption.empty() ? QGuiApplication::applicationDisplayName() : QString::fromUtf8(caption));
    // Messages quote paths and HTML; none of it is markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(text));
    box.setIcon(MessageBoxIcon(type));

    const std::vector<int> answers = MessageBoxAnswers(type);
    QMessageBox::StandardButtons buttons;
    for (int answer : answers)
        buttons |= MessageBoxButton(answer);
    box.setStandardButtons(buttons);

    std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    if (defaultIndex >= answers.size())
        defaultIndex = 0;
    box.setDefaultButton(MessageBoxButton(answers[defaultIndex]));
    // Escape (and the close box) decline: Cancel, else No; a box with OK
    // alone is simply dismissed.
    box.setEscapeButton(box.button(MessageBoxButton(UnattendedMessageBoxAnswer(type))));
}

int CQtUiServices::MessageBox(const std::string& text, UINT type, const std::string& caption)
{
    if (!CanShowWidgets())
        return m_console.MessageBox(text, type, caption);
    QMessageBox box(DialogParent());
    ConfigureMessageBox(box, text, type, caption);
    box.exec();
    const int answer = MessageBoxAnswer(box.standardButton(box.clickedButton()));
    return answer != 0 ? answer : UnattendedMessageBoxAnswer(type);
}

void CQtUiServices::ConfigureFileDialog(QFileDialog& dialog, const CFileDialogOptions& options, EFileDialogKind kind)
{
    const bool save = kind == EFileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(!save && options.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(save && options.promptOverwrite));
    // Left alone when empty, so that Qt's own "Open" or "Save As" shows.
    if (!options.title.empty())
        dialog.setWindowTitle(QString::fromUtf8(options.title));

    const QStringList filters = QtNameFilters(options.filters);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        // Selected by the text Qt keeps, which has its runs of blanks made
        // one: ours would not be found.
        const QStringList kept = dialog.nameFilters();
        const int index = options.filterIndex >= 0 && options.filterIndex < kept.size() ? options.filterIndex : 0;
        if (index < kept.size())
            dialog.selectNameFilter(kept[index]);
    }

    QString suffix = QString::fromUtf8(options.defaultExtension);
    while (suffix.startsWith(u'.'))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);

    if (!options.initialPath.empty()) {
        const QFileInfo initial(QString::fromUtf8(options.initialPath));
        if (initial.isDir()) {
            dialog.setDirectory(initial.absoluteFilePath());
        } else {
            dialog.setDirectory(initial.absolutePath());
            dialog.selectFile(initial.fileName());
        }
    }
}

std::optional<std::string> CQtUiServices::RunFileDialog(const CFileDialogOptions& options, EFileDialogKind kind)
{
    if (!CanShowWidgets())
        return std::nullopt;
    QFileDialog dialog(DialogParent());
    ConfigureFileDialog(dialog, options, kind);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    return files.first().toStdString();
}

std::optional<std::string> CQtUiServices::GetOpenFileName(const CFileDialogOptions& options)
{
    return RunFileDialog(options, EFileDialogKind::Open);
}

std::optional<std::string> CQtUiServices::GetSaveFileName(const CFileDialogOptions& options)
{
    return RunFileDialog(options, EFileDialogKind::Save);
}

std::optional<std::string> CQtUiServices::BrowseForFolder(const std::string& title, const std::string& initialFolder)
{
    if (!CanShowWidgets())
        return std::nullopt;
    const QString folder = QFileDialog::getExistingDirectory(DialogParent(), QString::fromUtf8(title),
                                                             QString::fromUtf8(initialFolder), QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return std::nullopt;
    return folder.toStdString();
}

std::optional<COLORREF> CQtUiServices::ChooseColor(COLORREF initial)
{
    if (!CanShowWidgets())
        return std::nullopt;
    const QColor chosen = QColorDialog::getColor(ToQColor(initial), DialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return ToColorRef(chosen);
}

bool CQtUiServices::ShellOpen(const std::string& target)
{
    if (!HasGuiApplication())
        return false;
    const QUrl url = ShellOpenUrl(target);
    if (!url.isValid())
        return false;
    // The desktop's opener reports success for a file that is not there;
    // the program wants to know that nothing was opened.
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return false;
    return QDesktopServices::openUrl(url);
}

bool CQtUiServices::StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    if (program.empty())
        return false;
    QStringList list;
    for (const std::string& argument : arguments)
        list.append(QString::fromUtf8(argument));
    return QProcess::startDetached(QString::fromUtf8(program), list);
}

bool CQtUiServices::ShowHelp(EHelpCommand command, DWORD data, const std::string& keyword)
{
    return m_pHelpViewer != nullptr && m_pHelpViewer->ShowHelp(command, data, keyword);
}

bool CQtUiServices::SetClipboardText(const std::string& text)
{
    if (!HasGuiApplication())
        return m_console.SetClipboardText(text);
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(QString::fromUtf8(text));
    return true;
}

std::string CQtUiServices::GetClipboardText()
{
    if (!HasGuiApplication())
        return m_console.GetClipboardText();
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard != nullptr ? clipboard->text().toStdString() : std::string();
}

int CQtUiServices::RunModal(QDialog& dialog)
{
    return dialog.exec();
}

QWidget* CQtUiServices::DialogParent() const
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return QApplication::activeModalWidget();
}
