#include "wizard/webpathfiledialog.h"

#include "platform/base/files.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

std::string NormalizeWebPath(std::string webPath)
{
    if (webPath.empty())
        return webPath;
    for (char& c : webPath)
        if (c == '\\')
            c = '/';
    if (webPath.back() != '/')
        webPath += '/';
    return webPath;
}

namespace {

std::string Trimmed(const std::string& text)
{
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

} // namespace

std::vector<CFileFilter> ParseFilterString(const std::string& filter)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (size_t bar = filter.find('|'); bar != std::string::npos; bar = filter.find('|', start)) {
        pieces.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    pieces.push_back(filter.substr(start));
    std::vector<CFileFilter> filters;
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const std::string description = Trimmed(pieces[i]);
        if (description.empty())
            break;  // "||" ends the list
        // The patterns are ';'-separated; blanks around them are no part of
        // a name, and an empty piece ("*.class;") names nothing.
        std::string patterns;
        std::string pattern;
        const std::string list = pieces[i + 1] + ";";
        for (char c : list) {
            if (c != ';') {
                pattern += c;
                continue;
            }
            pattern = Trimmed(pattern);
            if (!pattern.empty())
                patterns += (patterns.empty() ? "" : ";") + pattern;
            pattern.clear();
        }
        filters.push_back({description, patterns});
    }
    return filters;
}

CWebPathFileDialog::CWebPathFileDialog(const std::string& initialFile, const std::string& webPath,
                                       const std::string& filter, QWidget* parent)
    : QDialog(parent), m_strWebPath(webPath), m_strInitialWebPath(webPath)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Open");

    // The toolkit's own file browser, shown inside this dialog so that the
    // web path field can sit under it.
    m_pFiles = WithControlId(new QFileDialog(this), IDC_FILES);
    m_pFiles->setWindowFlags(Qt::Widget);
    m_pFiles->setOption(QFileDialog::DontUseNativeDialog);
    m_pFiles->setOption(QFileDialog::ReadOnly);
    m_pFiles->setFileMode(QFileDialog::ExistingFile);
    m_pFiles->setAcceptMode(QFileDialog::AcceptOpen);
    m_pFiles->setNameFilters(QtNameFilters(ParseFilterString(filter)));
    const QString initial = ToQt(initialFile);
    const std::string folder = PathFolder(initialFile);
    if (!folder.empty() && FolderExists(folder))
        m_pFiles->setDirectory(ToQt(folder));
    if (!initialFile.empty() && initialFile.back() != '/')
        m_pFiles->selectFile(ToQt(PathFileName(initialFile)));

    m_pWebPath = WithControlId(new QLineEdit(ToQt(webPath), this), IDC_WEB_PATH);
    auto* webPathLabel = new QLabel("Web Path:", this);
    webPathLabel->setBuddy(m_pWebPath);
    connect(m_pWebPath, &QLineEdit::textChanged, this, [this](const QString& text) { m_strWebPath = FromQt(text); });

    auto* row = new QHBoxLayout;
    row->addWidget(webPathLabel);
    row->addWidget(m_pWebPath, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pFiles, 1);
    layout->addLayout(row);

    connect(m_pFiles, &QFileDialog::accepted, this, &CWebPathFileDialog::OnFileChosen);
    connect(m_pFiles, &QFileDialog::rejected, this, &QDialog::reject);
    resize(m_pFiles->sizeHint().expandedTo(QSize(560, 360)) + QSize(0, m_pWebPath->sizeHint().height() + 12));
}

void CWebPathFileDialog::OnFileChosen()
{
    const QStringList chosen = m_pFiles->selectedFiles();
    if (chosen.isEmpty()) {
        reject();
        return;
    }
    m_strPathName = FromQt(chosen.first());
    accept();
}

void CWebPathFileDialog::reject()
{
    m_strWebPath = m_strInitialWebPath;
    QDialog::reject();
}

std::string CWebPathFileDialog::GetWebPath()
{
    m_strWebPath = NormalizeWebPath(m_strWebPath);
    return m_strWebPath;
}
