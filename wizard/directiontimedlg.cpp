#include "wizard/directiontimedlg.h"

#include "platform/ui/dialogresource.h"
#include "wizard/wizardlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

CDirectionTimeDlg::CDirectionTimeDlg(QWidget* parent)
    : CDataDialog(IDD, "Direction and Showing Time", 184, 71, parent)
{
    m_pDirection = MakeDropList(this, IDC_DIRECTION, WizardLists::kDirections);
    const CSpinField time = MakeSpinField(this, IDC_TIME, IDC_TIME_SPIN, 0, 30528);
    m_pTime = time.edit;
    auto* grid = new QGridLayout;
    grid->addWidget(BuddyLabel("Animate Direction:", m_pDirection, this), 0, 0);
    grid->addWidget(m_pDirection, 0, 1, 1, 2);
    grid->addWidget(BuddyLabel("Showing Static Text:", time.field, this), 1, 0);
    grid->addWidget(time.field, 1, 1);
    grid->addWidget(new QLabel("(millisecond)", this), 1, 2);
    grid->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CDirectionTimeDlg::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pDirection, m_nDirection);
    dx.Int(m_pTime, m_nTime);
}
