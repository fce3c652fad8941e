#include "host/document/managetemplatesdlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/widgetname.h"
#include "platform/base/files.h"
#include "platform/ui/uiservices.h"

#include <QLineEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

const char kQuote = '"';

} // namespace

CManageTemplatesDlg::CManageTemplatesDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Manage Templates");
    m_pName = WithControlId(new QLineEdit(this), IDC_NAME);
    m_pDescription = WithControlId(new QLineEdit(this), IDC_DESCRIPTION);
    m_pList = WithControlId(new QListWidget(this), IDC_TEMPLATES);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* rename = WithControlId(new QPushButton("Rename", this), IDC_RENAME);
    auto* remove = WithControlId(new QPushButton("Delete", this), IDC_DELETE);
    rename->setAutoDefault(false);
    remove->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow("Name:", m_pName);
    fields->addRow("Description:", m_pDescription);
    auto* actions = new QHBoxLayout;
    actions->addWidget(rename);
    actions->addWidget(remove);
    actions->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Templates List:", this));
    layout->addWidget(m_pList, 1);
    layout->addLayout(fields);
    layout->addLayout(actions);
    layout->addWidget(OkCancelButtons(this, false));
    resize(DialogUnitsToPixels(220, 190));

    connect(m_pList, &QListWidget::currentRowChanged, this, &CManageTemplatesDlg::OnSelect);
    connect(rename, &QPushButton::clicked, this, &CManageTemplatesDlg::OnRename);
    connect(remove, &QPushButton::clicked, this, &CManageTemplatesDlg::OnDelete);
}

bool CManageTemplatesDlg::InitDialog()
{
    if (!m_templates.Create()) {
        AfxMessageBox("Manage templates failure!");
        return false;
    }
    m_templates.Enumerate();
    FillList();
    if (!m_templates.m_aTitles.empty()) {
        m_nSelected = -1;
        m_pList->setCurrentRow(0);  // selects it and shows its name and description
    }
    return true;
}

void CManageTemplatesDlg::FillList()
{
    const QSignalBlocker quiet(m_pList);
    m_pList->clear();
    for (const std::string& title : m_templates.m_aTitles)
        m_pList->addItem(ToQt(title));
    if (m_nSelected >= 0)
        m_pList->setCurrentRow(m_nSelected);
}

void CManageTemplatesDlg::OnSelect(int row)
{
    if (row == m_nSelected)
        return;
    m_nSelected = row;
    ShowSelected();
}

void CManageTemplatesDlg::ShowSelected()
{
    const bool valid = m_nSelected >= 0 && size_t(m_nSelected) < m_templates.m_aTitles.size();
    m_pName->setText(valid ? ToQt(m_templates.m_aTitles[size_t(m_nSelected)]) : QString());
    m_pDescription->setText(valid ? ToQt(m_templates.m_aDescriptions[size_t(m_nSelected)]) : QString());
}

void CManageTemplatesDlg::Relist(const std::string& keepPath)
{
    m_templates.Enumerate();
    m_nSelected = -1;
    for (size_t i = 0; i < m_templates.m_aPaths.size(); ++i)
        if (m_templates.m_aPaths[i] == keepPath)
            m_nSelected = int(i);
    if (m_nSelected < 0 && !m_templates.m_aPaths.empty())
        m_nSelected = 0;
    FillList();
    ShowSelected();
}

void CManageTemplatesDlg::OnDelete()
{
    if (m_nSelected < 0 || size_t(m_nSelected) >= m_templates.m_aPaths.size()) {
        AfxMessageBox("Please select a template first!");
        return;
    }
    const size_t index = size_t(m_nSelected);
    const std::string title = m_templates.m_aTitles[index];
    if (AfxMessageBox("Are you sure to delete " + std::string(1, kQuote) + title + kQuote + " template?",
                      MB_OKCANCEL) != IDOK)
        return;
    const std::string path = m_templates.m_aPaths[index];
    if (!DeleteFileAt(path) && FileExists(path)) {
        AfxMessageBox("The template file " + path + " could not be deleted.", MB_OK | MB_ICONEXCLAMATION);
        Relist(path);
        return;
    }
    m_templates.Remove(index);
    if (size_t(m_nSelected) >= m_templates.m_aPaths.size())
        --m_nSelected;  // the last one went: the one before it is selected, or none
    FillList();
    ShowSelected();
}

void CManageTemplatesDlg::OnRename()
{
    const std::string name = FromQt(m_pName->text());
    const std::string description = FromQt(m_pDescription->text());
    if (m_nSelected < 0 || size_t(m_nSelected) >= m_templates.m_aPaths.size()) {
        AfxMessageBox("Please select a template first!");
        return;
    }
    if (const std::string problem = CheckWidgetName(name, true); !problem.empty()) {
        AfxMessageBox(problem);
        return;
    }
    const size_t index = size_t(m_nSelected);
    const std::string newPath = m_templates.PathFor(name);
    if (FileExists(newPath) || FolderExists(newPath)) {
        AfxMessageBox("The " + name + " template has been there,please give a new name!");
        return;
    }
    const std::string oldTitle = m_templates.m_aTitles[index];
    if (AfxMessageBox("Are you sure to rename " + std::string(1, kQuote) + oldTitle + kQuote + " template to " + kQuote +
                          name + kQuote + "?",
                      MB_OKCANCEL) != IDOK)
        return;
    const std::string oldPath = m_templates.m_aPaths[index];
    CPagelet& pagelet = m_templates.m_pagelet;
    if (!pagelet.ReadConfigFile(oldPath)) {
        AfxMessageBox("Rename Failure!");
        return;
    }
    pagelet.SetTitle(name);
    pagelet.SetDescription(description);
    if (!pagelet.WriteConfigFile(newPath)) {
        AfxMessageBox("Rename Failure!");
        return;
    }
    if (!DeleteFileAt(oldPath) && FileExists(oldPath)) {
        // Both files are there now; the list says so.
        AfxMessageBox("The template file " + oldPath + " could not be deleted; the renamed copy is " + newPath + ".",
                      MB_OK | MB_ICONEXCLAMATION);
        Relist(newPath);
        return;
    }
    m_templates.m_aTitles[index] = name;
    m_templates.m_aDescriptions[index] = description;
    m_templates.m_aPaths[index] = newPath;
    FillList();
    ShowSelected();
}
