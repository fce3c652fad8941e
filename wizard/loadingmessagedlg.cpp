#include "wizard/loadingmessagedlg.h"

#include "platform/ui/dialogresource.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CLoadingMessageDlg::CLoadingMessageDlg(QWidget* parent) : CDataDialog(IDD, "Loading Message", 178, 90, parent)
{
    m_pMessage = WithControlId(new QLineEdit(this), IDC_MESSAGE);
    m_pWithBar = WithControlId(new QCheckBox("With Progress Bar", this), IDC_WITH_BAR);
    auto* row = new QHBoxLayout;
    row->addWidget(BuddyLabel("Message:", m_pMessage, this));
    row->addWidget(m_pMessage, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(m_pWithBar);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CLoadingMessageDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Check(m_pWithBar, m_bWithBar);
    dx.Text(m_pMessage, m_strMessage);
}
