#include "wizard/browsefilesdlg.h"

#include "platform/base/files.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/uiservices.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

CBrowseFilesDlg::CBrowseFilesDlg(const std::string& folder, const std::string& fileTypes, QWidget* parent)
    : QDialog(parent), m_strFolder(folder), m_strFileTypes(fileTypes)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Browse Files");
    resize(DialogUnitsToPixels(280, 159));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Files Existing in the Destination Directory:", this));
    m_pList = WithControlId(new QListWidget(this), IDC_FILE_LIST);
    m_pList->setViewMode(QListView::ListMode);
    m_pList->setFlow(QListView::TopToBottom);
    m_pList->setWrapping(true);
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Sorted ascending by name, without regard to letter case, as a file
    // list reads; the lines are put in that order rather than sorted by
    // the widget, which would put every capital first.
    layout->addWidget(m_pList);
    // The template's second list is not used; it stays hidden.
    auto* unused = WithControlId(new QListWidget(this), IDC_UNUSED_LIST);
    unused->hide();
}

bool CBrowseFilesDlg::InitDialog()
{
    if (m_strFolder.empty() || m_strFileTypes.empty()) {
        AfxMessageBox("The directory and file type can not be blank!", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    m_strFolder = WithTrailingSlash(m_strFolder);
    if (m_strFileTypes.back() != ';')
        m_strFileTypes += ';';
    const std::string folder = m_strFolder.size() > 1 ? m_strFolder.substr(0, m_strFolder.size() - 1) : m_strFolder;
    if (!FolderExists(folder)) {
        AfxMessageBox("Directory " + m_strFolder + " does not exist!", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    const QFileIconProvider icons;
    const QIcon fallback = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    std::vector<std::pair<QString, QIcon>> lines;
    size_t start = 0;
    for (size_t end; (end = m_strFileTypes.find(';', start)) != std::string::npos; start = end + 1) {
        const std::string pattern = m_strFileTypes.substr(start, end - start);
        if (pattern.empty())
            continue;
        std::vector<std::string> names = FindFiles(m_strFolder, pattern);
        std::sort(names.begin(), names.end());
        // The files of one pattern share the icon of the first one found.
        QIcon icon;
        for (const std::string& name : names) {
            if (icon.isNull()) {
                icon = icons.icon(QFileInfo(QString::fromStdString(m_strFolder + name)));
                if (icon.isNull())
                    icon = fallback;
            }
            lines.emplace_back(QString::fromStdString(name), icon);
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    for (const auto& [name, icon] : lines)
        m_pList->addItem(new QListWidgetItem(icon, name));
    return true;
}
