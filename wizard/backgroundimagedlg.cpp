#include "wizard/backgroundimagedlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/uiservices.h"
#include "wizard/webpathfiledialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CBackgroundImageDlg::CBackgroundImageDlg(QWidget* parent) : CDataDialog(IDD, "Background Image", 156, 95, parent)
{
    m_pImage = WithControlId(new QLineEdit(this), IDC_IMAGE);
    auto* imageLabel = new QLabel("Image:", this);
    imageLabel->setBuddy(m_pImage);
    auto* browse = WithControlId(new QPushButton("...", this), IDC_BROWSE);
    browse->setAccessibleName("Browse for the image");
    browse->setFixedWidth(browse->fontMetrics().horizontalAdvance("....") + 16);
    connect(browse, &QPushButton::clicked, this, &CBackgroundImageDlg::OnBrowse);

    auto* display = new QGroupBox("Display", this);
    auto* center = WithControlId(new QRadioButton("Center", display), IDC_CENTER);
    auto* tile = WithControlId(new QRadioButton("Tile", display), IDC_TILE);
    m_pPutType = new QButtonGroup(this);
    m_pPutType->addButton(center, 0);
    m_pPutType->addButton(tile, 1);
    auto* displayLayout = new QHBoxLayout(display);
    displayLayout->addWidget(center);
    displayLayout->addWidget(tile);
    displayLayout->addStretch(1);

    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(imageLabel);
    imageRow->addWidget(m_pImage, 1);
    imageRow->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(imageRow);
    layout->addWidget(display);
    layout->addStretch(1);
    layout->addWidget(OkCancelButtons(this));
}

void CBackgroundImageDlg::DoDataExchange(CDataExchange& dx)
{
    dx.Radio(m_pPutType, m_nPutType);
    dx.Text(m_pImage, m_strImage);
}

void CBackgroundImageDlg::OnBrowse()
{
    // The picker starts from the path as it was last taken from the field.
    CWebPathFileDialog picker(m_strImage, m_strWebPath, kImageFileFilter, this);
    if (UiServices().RunModal(picker) != QDialog::Accepted)
        return;
    m_strImage = picker.GetPathName();
    m_strWebPath = picker.GetWebPath();
    // Only the picture's field shows the choice: a placement chosen since
    // the dialog opened stays as it is.
    CDataExchange load(false);
    load.Text(m_pImage, m_strImage);
}
