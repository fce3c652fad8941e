#include "wizard/movingspeeddlg.h"

#include "platform/ui/dialogresource.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

CMovingSpeedDlg::CMovingSpeedDlg(QWidget* parent) : CDataDialog(IDD, "Background Moving Speed", 218, 71, parent)
{
    auto* group = new QGroupBox("Speed", this);
    m_pSpeed = MakeSpeedSlider(group, IDC_SPEED);
    m_pSpeed->setAccessibleName("Background Moving Speed");
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel("Fastest", group));
    row->addWidget(m_pSpeed, 1);
    row->addWidget(new QLabel("Slowest", group));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CMovingSpeedDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Slider(m_pSpeed, m_nPosition);
}
