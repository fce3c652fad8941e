#include "host/document/widgetnamedlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "host/document/widgetname.h"
#include "platform/ui/uiservices.h"

#include <QLineEdit>
#include <QFormLayout>
#include <QVBoxLayout>

CWidgetNameDlg::CWidgetNameDlg(const std::string& name, const std::string& description, QWidget* parent)
    : QDialog(parent), m_strName(name), m_strDescription(description)
{
    setObjectName(ControlIdName(IDD));
    setWindowTitle("Rename");
    m_pName = WithControlId(new QLineEdit(ToQt(name), this), IDC_NAME);
    m_pDescription = WithControlId(new QLineEdit(ToQt(description), this), IDC_DESCRIPTION);
    auto* fields = new QFormLayout;
    fields->addRow("Name:", m_pName);
    fields->addRow("Description:", m_pDescription);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(OkCancelButtons(this));
    resize(DialogUnitsToPixels(200, 70));
}

void CWidgetNameDlg::accept()
{
    const std::string name = FromQt(m_pName->text());
    if (const std::string problem = CheckWidgetName(name, false); !problem.empty()) {
        AfxMessageBox(problem);
        return;
    }
    m_strName = name;
    m_strDescription = FromQt(m_pDescription->text());
    QDialog::accept();
}
