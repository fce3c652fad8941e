#include "wizard/timedlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

CTimeDlg::CTimeDlg(QWidget* parent) : CDataDialog(IDD, "Time", 152, 55, parent)
{
    const CSpinField value = MakeSpinField(this, IDC_VALUE, IDC_VALUE_SPIN, 0, 30528);
    m_pValue = value.edit;
    m_pDescription = WithControlId(BuddyLabel("Description", value.field, this), IDC_DESCRIPTION);
    auto* row = new QGridLayout;
    row->addWidget(m_pDescription, 0, 0);
    row->addWidget(value.field, 0, 1);
    row->addWidget(new QLabel("(millisecond)", this), 0, 2);
    row->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CTimeDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Int(m_pValue, m_nValue);
}

void CTimeDlg::OnInitDialog()
{
    m_pDescription->setText(ToQt(m_strDescription));
    m_pValue->setAccessibleName(ToQt(m_strDescription).remove(u':').trimmed());
    UpdateData(false);
}
