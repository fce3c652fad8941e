#include "wizard/directiondlg.h"

#include "platform/ui/dialogresource.h"
#include "wizard/wizardlists.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int kSlidingWithTrack = 5;

} // namespace

CDirectionDlg::CDirectionDlg(QWidget* parent) : CDataDialog(IDD, "Direction", 154, 50, parent)
{
    m_pDirection = MakeDropList(this, IDC_DIRECTION, WizardLists::kDirections);
    auto* row = new QHBoxLayout;
    row->addWidget(BuddyLabel("Animate Direction:", m_pDirection, this));
    row->addWidget(m_pDirection, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CDirectionDlg::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pDirection, m_nDirection);
}

void CDirectionDlg::OnInitDialog()
{
    if (m_nAnimateType == kSlidingWithTrack) {
        // The sliding text moves vertically only. A stored horizontal
        // direction then shows no selection and is kept unless one is chosen.
        m_pDirection->removeItem(3);
        m_pDirection->removeItem(2);
    }
    UpdateData(false);
}
