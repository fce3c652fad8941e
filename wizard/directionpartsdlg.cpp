#include "wizard/directionpartsdlg.h"

#include "platform/ui/dialogresource.h"
#include "wizard/wizardlists.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

CDirectionPartsDlg::CDirectionPartsDlg(QWidget* parent)
    : CDataDialog(IDD, "Direction and Parts Style", 167, 71, parent)
{
    m_pDirection = MakeDropList(this, IDC_DIRECTION, WizardLists::kDirections);
    m_pPartsStyle = MakeDropList(this, IDC_PARTS_STYLE, WizardLists::kPartsStyles);
    auto* fields = new QFormLayout;
    fields->addRow(BuddyLabel("Animate Direction:", m_pDirection, this), m_pDirection);
    fields->addRow(BuddyLabel("Parts Style:", m_pPartsStyle, this), m_pPartsStyle);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CDirectionPartsDlg::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pDirection, m_nDirection);
    dx.ComboIndex(m_pPartsStyle, m_nPartsStyle);
}
