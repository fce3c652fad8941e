#include "host/shell/webbrowserdlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CWebBrowserDlg::CWebBrowserDlg(CProfile& settings, QWidget* parent, const CDesktopSearch& search)
    : QDialog(parent), m_browsers(settings, search)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Web Browser");

    auto* installedGroup = new QGroupBox("Installed Browser List", this);
    m_pInstalled = WithControlId(new QListWidget(installedGroup), IDC_INSTALLED);
    // Display only: nothing to choose there.
    m_pInstalled->setSelectionMode(QAbstractItemView::NoSelection);
    m_pInstalled->setFocusPolicy(Qt::NoFocus);
    m_pInstalled->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pInstalled->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pInstalled->setAccessibleName("Installed Browser List");
    auto* installedLayout = new QVBoxLayout(installedGroup);
    installedLayout->addWidget(m_pInstalled);

    auto* specifiedGroup = new QGroupBox("Specify Browser List", this);
    m_pSpecified = WithControlId(new QListWidget(specifiedGroup), IDC_SPECIFIED);
    m_pSpecified->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pSpecified->setAccessibleName("Specify Browser List");
    auto* remove = WithControlId(new QPushButton("Delete", specifiedGroup), IDC_DELETE);
    auto* specifiedLayout = new QVBoxLayout(specifiedGroup);
    specifiedLayout->addWidget(m_pSpecified);
    specifiedLayout->addWidget(remove);

    auto* newGroup = new QGroupBox("New Web Browser", this);
    m_pName = WithControlId(new QLineEdit(newGroup), IDC_NAME);
    m_pFilePath = WithControlId(new QLineEdit(newGroup), IDC_FILE_PATH);
    auto* browse = WithControlId(new QPushButton("...", newGroup), IDC_BROWSE);
    browse->setAccessibleName("Choose the browser's program");
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance("....") + 16);
    auto* add = WithControlId(new QPushButton("Add", newGroup), IDC_ADD);
    auto* nameLabel = new QLabel("Name:", newGroup);
    nameLabel->setBuddy(m_pName);
    auto* pathLabel = new QLabel("File Path:", newGroup);
    pathLabel->setBuddy(m_pFilePath);
    auto* grid = new QGridLayout(newGroup);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(m_pName, 0, 1, 1, 2);
    grid->addWidget(pathLabel, 1, 0);
    grid->addWidget(m_pFilePath, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(add, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(installedGroup);
    layout->addWidget(specifiedGroup);
    layout->addWidget(newGroup);
    resize(DialogUnitsToPixels(181, 209).expandedTo(minimumSizeHint()));

    for (QPushButton* button : {remove, browse, add})
        button->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, &CWebBrowserDlg::OnDelete);
    connect(browse, &QPushButton::clicked, this, &CWebBrowserDlg::OnBrowse);
    connect(add, &QPushButton::clicked, this, &CWebBrowserDlg::OnAdd);

    for (int i = 0; i < m_browsers.GetUserBrowserCount(); ++i)
        m_pSpecified->addItem(ToQt(m_browsers.GetUserBrowserName(i)));
    for (int i = 0; i < m_browsers.GetKnownBrowserCount(); ++i)
        m_pInstalled->addItem(ToQt(m_browsers.GetKnownBrowserName(i)));
}

void CWebBrowserDlg::TakeOver()
{
    m_strName = FromQt(m_pName->text());
    m_strFilePath = FromQt(m_pFilePath->text());
    const QList<QListWidgetItem*> selected = m_pSpecified->selectedItems();
    m_strSelected = selected.isEmpty() ? std::string() : FromQt(selected.front()->text());
}

void CWebBrowserDlg::OnBrowse()
{
    TakeOver();
    // Any program will do; the name stays as typed.
    CFileDialogOptions options;
    options.filters = {{"Web Browser", "*"}};
    options.initialPath = m_strFilePath;
    const std::optional<std::string> chosen = UiServices().GetOpenFileName(options);
    if (!chosen)
        return;
    m_strFilePath = *chosen;
    m_pFilePath->setText(ToQt(m_strFilePath));
}

void CWebBrowserDlg::OnAdd()
{
    TakeOver();
    if (m_strName.empty() || m_strFilePath.empty()) {
        AfxMessageBox("You must input the name and execute file's path for the specified web browser.");
        return;
    }
    if (m_browsers.AddUserBrowser(m_strName, m_strFilePath))
        m_pSpecified->addItem(ToQt(m_strName));
}

void CWebBrowserDlg::OnDelete()
{
    TakeOver();
    const QList<QListWidgetItem*> selected = m_pSpecified->selectedItems();
    if (selected.isEmpty()) {
        AfxMessageBox("Please select a browser to delete!");
        return;
    }
    if (m_browsers.DeleteUserBrowser(m_strSelected))
        delete selected.front();
}
