#include "host/document/newwidgetdlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/widgetname.h"
#include "platform/ui/uiservices.h"

#include <QLineEdit>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

CNewWidgetDlg::CNewWidgetDlg(CPagelet& documentPagelet, QWidget* parent)
    : QDialog(parent), m_documentPagelet(documentPagelet)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("New ");
    m_pName = WithControlId(new QLineEdit(this), IDC_NAME);
    m_pDescription = WithControlId(new QLineEdit(this), IDC_DESCRIPTION);
    m_pList = WithControlId(new QListWidget(this), IDC_TEMPLATES);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pInfo = WithControlId(new QLabel(this), IDC_INFO);
    m_pInfo->setWordWrap(true);
    m_pInfo->setMinimumHeight(m_pInfo->fontMetrics().lineSpacing() * 3);
    m_pInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pInfo->setFrameShape(QFrame::StyledPanel);

    auto* fields = new QFormLayout;
    fields->addRow("Name:", m_pName);
    fields->addRow("Description:", m_pDescription);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(new QLabel("Select a Template:", this));
    layout->addWidget(m_pList, 1);
    layout->addWidget(m_pInfo);
    layout->addWidget(OkCancelButtons(this));
    resize(DialogUnitsToPixels(220, 180));

    connect(m_pList, &QListWidget::currentRowChanged, this, &CNewWidgetDlg::OnSelectTemplate);
}

bool CNewWidgetDlg::InitDialog()
{
    if (!m_templates.Create())
        return false;
    m_strName = m_templates.m_pagelet.GetTitle();
    m_strDescription = m_templates.m_pagelet.GetDescription();
    m_pName->setText(ToQt(m_strName));
    m_pDescription->setText(ToQt(m_strDescription));
    m_templates.Enumerate();
    for (const std::string& title : m_templates.m_aTitles)
        m_pList->addItem(ToQt(title));
    if (!m_templates.m_aTitles.empty())
        m_pList->setCurrentRow(0);
    return true;
}

void CNewWidgetDlg::OnSelectTemplate(int row)
{
    // Only the information line follows the selection; what was typed stays.
    m_nSelected = row;
    const bool valid = row >= 0 && size_t(row) < m_templates.m_aDescriptions.size();
    m_pInfo->setText(valid ? ToQt(m_templates.m_aDescriptions[size_t(row)]) : QString());
}

void CNewWidgetDlg::accept()
{
    m_strName = FromQt(m_pName->text());
    m_strDescription = FromQt(m_pDescription->text());
    if (const std::string problem = CheckWidgetName(m_strName, false); !problem.empty()) {
        AfxMessageBox(problem);
        return;
    }
    if (m_nSelected >= 0 && size_t(m_nSelected) < m_templates.m_aPaths.size()) {
        // A template that cannot be read leaves the design the pagelet holds.
        m_documentPagelet.ReadConfigFile(m_templates.m_aPaths[size_t(m_nSelected)]);
    }
    m_documentPagelet.SetTitle(m_strName);
    m_documentPagelet.SetDescription(m_strDescription);
    m_documentPagelet.SetPreviewPath("");
    QDialog::accept();
}
