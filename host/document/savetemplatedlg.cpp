#include "host/document/savetemplatedlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/widgetname.h"
#include "platform/base/files.h"
#include "platform/ui/uiservices.h"

#include <QLineEdit>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CSaveTemplateDlg::CSaveTemplateDlg(const std::string& name, const std::string& description, QWidget* parent)
    : QDialog(parent), m_strName(name), m_strDescription(description)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Save as Template");
    m_pName = WithControlId(new QLineEdit(ToQt(name), this), IDC_NAME);
    m_pDescription = WithControlId(new QLineEdit(ToQt(description), this), IDC_DESCRIPTION);
    m_pPath = WithControlId(new QLabel(this), IDC_PATH);
    m_pPath->setWordWrap(true);
    m_pPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pList = WithControlId(new QListWidget(this), IDC_TEMPLATES);
    m_pList->setSelectionMode(QAbstractItemView::NoSelection);  // for information only

    auto* fields = new QFormLayout;
    fields->addRow("Name:", m_pName);
    fields->addRow("Description:", m_pDescription);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new QLabel("Widget's parameters will stored in:", this));
    layout->addWidget(m_pPath);
    layout->addWidget(new QLabel("Existing Templates:", this));
    layout->addWidget(m_pList, 1);
    layout->addWidget(OkCancelButtons(this));
    resize(DialogUnitsToPixels(230, 170));

    connect(m_pName, &QLineEdit::textChanged, this, &CSaveTemplateDlg::OnNameChanged);
}

bool CSaveTemplateDlg::InitDialog()
{
    if (!m_templates.Create()) {
        AfxMessageBox("Save as template failure!");
        return false;
    }
    OnNameChanged();
    m_templates.Enumerate();
    for (const std::string& title : m_templates.m_aTitles)
        m_pList->addItem(ToQt(title));
    return true;
}

void CSaveTemplateDlg::OnNameChanged()
{
    m_strName = FromQt(m_pName->text());
    m_strPath = m_templates.PathFor(m_strName);
    m_pPath->setText(ToQt(m_strPath));
}

void CSaveTemplateDlg::accept()
{
    // The path is the one shown, as the user saw it.
    m_strName = FromQt(m_pName->text());
    m_strDescription = FromQt(m_pDescription->text());
    m_strPath = FromQt(m_pPath->text());
    if (const std::string problem = CheckWidgetName(m_strName, true); !problem.empty()) {
        AfxMessageBox(problem);
        return;
    }
    if (FileExists(m_strPath) || FolderExists(m_strPath)) {
        AfxMessageBox(m_strPath + " is already exist.Please enter a new template name.\n");
        return;
    }
    QDialog::accept();
}
