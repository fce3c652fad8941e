#include "platform/ui/scripteduiservices.h"

#include "platform/base/numbers.h"

#include <QAbstractButton>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

std::string AnswerName(int answer)
{
    switch (answer) {
    case IDOK:
        return "IDOK";
    case IDCANCEL:
        return "IDCANCEL";
    case IDRETRY:
        return "IDRETRY";
    case IDYES:
        return "IDYES";
    case IDNO:
        return "IDNO";
    default:
        return FormatInt(answer);
    }
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string Choice(const std::optional<std::string>& path)
{
    return path ? Quoted(*path) : std::string("cancelled");
}

template <class T>
std::optional<T> Pop(std::deque<std::optional<T>>& queue, bool& scripted)
{
    scripted = !queue.empty();
    if (queue.empty())
        return std::nullopt;
    std::optional<T> value = std::move(queue.front());
    queue.pop_front();
    return value;
}

} // namespace

struct CScriptedUiServices::CDriveState {
    QPointer<QDialog> dialog;
    DialogDriver driver;
    std::exception_ptr failure;
    bool ran = false;
    bool finished = false;  // exec() has returned; a late timer does nothing
    bool leftOpen = false;
    bool closedWhileOpening = false;
};

CUiExchangeRecord& CScriptedUiServices::Record(EUiExchange kind, std::string text)
{
    CUiExchangeRecord& record = m_records.emplace_back();
    record.kind = kind;
    record.text = std::move(text);
    return record;
}

void CScriptedUiServices::Problem(std::string problem)
{
    m_problems.push_back(std::move(problem));
}

bool CScriptedUiServices::PopResult(std::deque<bool>& queue)
{
    if (queue.empty())
        return true;
    const bool result = queue.front();
    queue.pop_front();
    return result;
}

int CScriptedUiServices::MessageBox(const std::string& text, UINT type, const std::string& caption)
{
    CUiExchangeRecord& record = Record(EUiExchange::MessageBox, text);
    record.caption = caption;
    record.type = type;

    const std::vector<int> offered = MessageBoxAnswers(type);
    if (!m_answers.empty()) {
        record.answer = m_answers.front();
        record.scripted = true;
        m_answers.pop_front();
        if (std::find(offered.begin(), offered.end(), record.answer) == offered.end())
            Problem("answer " + AnswerName(record.answer) + " was queued for " + Quoted(text) +
                    ", a box without that button");
    } else if (offered.size() == 1) {
        record.answer = offered.front();
    } else {
        record.answer = UnattendedMessageBoxAnswer(type);
        ++m_nUnansweredQuestions;
        Problem("no answer was queued for the question " + Quoted(text) + "; answered " + AnswerName(record.answer));
    }
    return record.answer;
}

std::optional<std::string> CScriptedUiServices::GetOpenFileName(const CFileDialogOptions& options)
{
    CUiExchangeRecord& record = Record(EUiExchange::OpenFile, options.title);
    record.fileOptions = options;
    record.path = Pop(m_openFiles, record.scripted);
    return record.path;
}

std::optional<std::string> CScriptedUiServices::GetSaveFileName(const CFileDialogOptions& options)
{
    CUiExchangeRecord& record = Record(EUiExchange::SaveFile, options.title);
    record.fileOptions = options;
    record.path = Pop(m_saveFiles, record.scripted);
    return record.path;
}

std::optional<std::string> CScriptedUiServices::BrowseForFolder(const std::string& title, const std::string& initialFolder)
{
    CUiExchangeRecord& record = Record(EUiExchange::BrowseFolder, title);
    record.initialFolder = initialFolder;
    record.path = Pop(m_folders, record.scripted);
    return record.path;
}

std::optional<COLORREF> CScriptedUiServices::ChooseColor(COLORREF initial)
{
    CUiExchangeRecord& record = Record(EUiExchange::ChooseColor, {});
    record.initialColor = initial;
    record.color = Pop(m_colors, record.scripted);
    return record.color;
}

bool CScriptedUiServices::ShellOpen(const std::string& target)
{
    CUiExchangeRecord& record = Record(EUiExchange::ShellOpen, target);
    record.scripted = !m_shellResults.empty();
    record.result = PopResult(m_shellResults);
    return record.result;
}

bool CScriptedUiServices::StartProgram(const std::string& program, const std::vector<std::string>& arguments)
{
    CUiExchangeRecord& record = Record(EUiExchange::StartProgram, program);
    record.arguments = arguments;
    record.scripted = !m_startResults.empty();
    record.result = PopResult(m_startResults);
    return record.result;
}

bool CScriptedUiServices::ShowHelp(EHelpCommand command, DWORD data, const std::string& keyword)
{
    CUiExchangeRecord& record = Record(EUiExchange::Help, keyword);
    record.helpCommand = command;
    record.helpData = data;
    record.scripted = !m_helpResults.empty();
    record.result = PopResult(m_helpResults);
    return record.result;
}

bool CScriptedUiServices::SetClipboardText(const std::string& text)
{
    CUiExchangeRecord& record = Record(EUiExchange::SetClipboard, text);
    m_strClipboard = text;
    record.result = true;
    return true;
}

std::string CScriptedUiServices::GetClipboardText()
{
    Record(EUiExchange::GetClipboard, m_strClipboard);
    return m_strClipboard;
}

void CScriptedUiServices::PostDriver(std::shared_ptr<CDriveState> state)
{
    if (!state->dialog)
        return;
    QTimer::singleShot(0, state->dialog.data(), [this, state] {
        if (state->finished || !state->dialog)
            return;
        // A dialog that opened another one (from its own start-up code) waits
        // until that one is closed, as a user would.
        if (m_running.empty() || m_running.back() != state->dialog.data()) {
            PostDriver(state);
            return;
        }
        if (!state->dialog->isVisible()) {
            // The dialog closed itself while it was being shown, before its
            // loop ran. Qt's loop does not notice such a close and would
            // wait for ever; showing and closing it again ends it with the
            // result the dialog chose. Its driver has nothing to work.
            state->closedWhileOpening = true;
            const int result = state->dialog->result();
            state->dialog->show();
            if (state->dialog && state->dialog->isVisible())
                state->dialog->QDialog::done(result);
            return;
        }
        state->ran = true;
        try {
            state->driver(*state->dialog);
        } catch (...) {
            // Nothing may leave through Qt's event loop; RunModal throws it
            // again once the dialog is closed.
            state->failure = std::current_exception();
        }
        if (state->dialog && state->dialog->isVisible()) {
            state->leftOpen = true;
            state->dialog->reject();
            // A dialog whose Cancel handling keeps it open is closed anyway:
            // the test must not hang in its event loop.
            if (state->dialog && state->dialog->isVisible())
                state->dialog->QDialog::done(QDialog::Rejected);
        }
    });
}

int CScriptedUiServices::RunModal(QDialog& dialog)
{
    const std::string title = dialog.windowTitle().toStdString();
    const std::string name = dialog.objectName().toStdString();
    {
        CUiExchangeRecord& record = Record(EUiExchange::Dialog, title);
        record.name = name;
        record.scripted = !m_drivers.empty();
        record.answer = QDialog::Rejected;
    }
    if (m_drivers.empty()) {
        ++m_nUnexpectedDialogs;
        Problem("no driver was queued for the dialog " + Quoted(title) + " (" + name + "); rejected");
        dialog.setResult(QDialog::Rejected);
        return QDialog::Rejected;
    }
    // Records made while the dialog runs go after this one; the index (and
    // the Clear count) find it again when it is done.
    const std::size_t index = m_records.size() - 1;
    const unsigned clears = m_nClears;

    auto state = std::make_shared<CDriveState>();
    state->dialog = &dialog;
    state->driver = std::move(m_drivers.front());
    m_drivers.pop_front();

    m_running.push_back(&dialog);
    PostDriver(state);
    const int result = dialog.exec();
    state->finished = true;
    if (auto it = std::find(m_running.begin(), m_running.end(), &dialog); it != m_running.end())
        m_running.erase(it);

    if (clears == m_nClears && index < m_records.size()) {
        m_records[index].answer = result;
        m_records[index].leftOpen = state->leftOpen;
    }
    if (state->closedWhileOpening)
        Problem("the dialog " + Quoted(title) + " (" + name +
                ") closed itself while it was being shown; Qt's dialog loop does not end for that (the double "
                "ended it), and its driver did not run");
    else if (!state->ran)
        Problem("the dialog " + Quoted(title) + " (" + name + ") closed before its driver ran");
    if (state->failure)
        std::rethrow_exception(state->failure);
    return result;
}

void CScriptedUiServices::QueueAnswer(int answer)
{
    m_answers.push_back(answer);
}

void CScriptedUiServices::QueueOpenFile(std::optional<std::string> path)
{
    m_openFiles.push_back(std::move(path));
}

void CScriptedUiServices::QueueSaveFile(std::optional<std::string> path)
{
    m_saveFiles.push_back(std::move(path));
}

void CScriptedUiServices::QueueFolder(std::optional<std::string> folder)
{
    m_folders.push_back(std::move(folder));
}

void CScriptedUiServices::QueueColor(std::optional<COLORREF> color)
{
    m_colors.push_back(color);
}

void CScriptedUiServices::QueueShellOpenResult(bool result)
{
    m_shellResults.push_back(result);
}

void CScriptedUiServices::QueueStartProgramResult(bool result)
{
    m_startResults.push_back(result);
}

void CScriptedUiServices::QueueHelpResult(bool result)
{
    m_helpResults.push_back(result);
}

void CScriptedUiServices::QueueDialog(DialogDriver driver)
{
    m_drivers.push_back(std::move(driver));
}

void CScriptedUiServices::QueueDialogAccept()
{
    QueueDialog([](QDialog& dialog) { dialog.accept(); });
}

void CScriptedUiServices::QueueDialogReject()
{
    QueueDialog([](QDialog& dialog) { dialog.reject(); });
}

std::vector<CUiExchangeRecord> CScriptedUiServices::RecordsOf(EUiExchange kind) const
{
    std::vector<CUiExchangeRecord> records;
    for (const CUiExchangeRecord& record : m_records)
        if (record.kind == kind)
            records.push_back(record);
    return records;
}

std::vector<std::string> CScriptedUiServices::Messages() const
{
    std::vector<std::string> texts;
    for (const CUiExchangeRecord& record : m_records)
        if (record.kind == EUiExchange::MessageBox)
            texts.push_back(record.text);
    return texts;
}

std::string CScriptedUiServices::LastMessage() const
{
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it)
        if (it->kind == EUiExchange::MessageBox)
            return it->text;
    return {};
}

std::vector<std::string> CScriptedUiServices::Dialogs() const
{
    std::vector<std::string> titles;
    for (const CUiExchangeRecord& record : m_records)
        if (record.kind == EUiExchange::Dialog)
            titles.push_back(record.text);
    return titles;
}

bool CScriptedUiServices::HasPendingScript() const
{
    return !m_answers.empty() || !m_openFiles.empty() || !m_saveFiles.empty() || !m_folders.empty() ||
           !m_colors.empty() || !m_shellResults.empty() || !m_startResults.empty() || !m_helpResults.empty() ||
           !m_drivers.empty();
}

void CScriptedUiServices::Clear()
{
    m_records.clear();
    m_problems.clear();
    m_nUnansweredQuestions = 0;
    m_nUnexpectedDialogs = 0;
    ++m_nClears;
}

std::string CScriptedUiServices::Describe(const CUiExchangeRecord& record)
{
    const std::string how = record.scripted ? "" : " (unscripted)";
    switch (record.kind) {
    case EUiExchange::MessageBox:
        return "message box " + Quoted(record.text) + " type " + FormatInt(record.type) +
               (record.caption.empty() ? "" : " caption " + Quoted(record.caption)) + " -> " +
               AnswerName(record.answer) + how;
    case EUiExchange::OpenFile:
        return "open file " + Quoted(record.text) + " -> " + Choice(record.path) + how;
    case EUiExchange::SaveFile:
        return "save file " + Quoted(record.text) + " -> " + Choice(record.path) + how;
    case EUiExchange::BrowseFolder:
        return "browse folder " + Quoted(record.text) + " from " + Quoted(record.initialFolder) + " -> " +
               Choice(record.path) + how;
    case EUiExchange::ChooseColor:
        return "choose colour from " + FormatInt(record.initialColor) + " -> " +
               (record.color ? FormatInt(*record.color) : std::string("cancelled")) + how;
    case EUiExchange::ShellOpen:
        return "shell open " + Quoted(record.text) + " -> " + (record.result ? "TRUE" : "FALSE");
    case EUiExchange::StartProgram: {
        std::string line = "start program " + Quoted(record.text);
        for (const std::string& argument : record.arguments)
            line += " " + Quoted(argument);
        return line + " -> " + (record.result ? "TRUE" : "FALSE");
    }
    case EUiExchange::Help:
        return "help command " + FormatInt(static_cast<int>(record.helpCommand)) + " data " +
               FormatInt(record.helpData) + " keyword " + Quoted(record.text);
    case EUiExchange::SetClipboard:
        return "clipboard set to " + Quoted(record.text);
    case EUiExchange::GetClipboard:
        return "clipboard read " + Quoted(record.text);
    case EUiExchange::Dialog:
        return "dialog " + Quoted(record.text) + " (" + record.name + ") -> " + FormatInt(record.answer) +
               (record.leftOpen ? " (left open by its driver)" : "") + how;
    }
    return {};
}

std::string CScriptedUiServices::Transcript() const
{
    std::string transcript;
    for (const CUiExchangeRecord& record : m_records)
        transcript += Describe(record) + "\n";
    return transcript;
}

QString CScriptedUiServices::ControlName(int id)
{
    return QString::fromStdString(FormatInt(id));
}

bool CScriptedUiServices::Click(QWidget& dialog, int id)
{
    QAbstractButton* button = Control<QAbstractButton>(dialog, id);
    if (button == nullptr || !button->isEnabled())
        return false;
    button->click();
    return true;
}
