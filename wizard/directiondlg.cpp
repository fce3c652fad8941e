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
    UpdateData(false);
    if (m_nAnimateType == kSlidingWithTrack) {
        // Removing the two horizontal entries leaves a stored horizontal
        // direction without a selection; it is kept unless one is chosen.
        m_pDirection->removeItem(3);
        m_pDirection->removeItem(2);
    }
}
