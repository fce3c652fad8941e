#include "wizard/backgroundpage.h"

#include "common/colorlabel.h"
#include "model/glintraappletparams.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/uiservices.h"
#include "wizard/backgroundimagedlg.h"
#include "wizard/colorbutton.h"
#include "wizard/wizardlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kImageFill = 0;

} // namespace

CBackgroundPage::CBackgroundPage(QWidget* parent) : CBannerListPage(IDD, "Set Glintra's Backgrounds Style", parent)
{
    auto* fields = new QWidget(this);
    m_pFillType = MakeDropList(fields, IDC_FILL_TYPE, WizardLists::kFillTypes);
    m_pFillColor = WithControlId(new CColorButton(fields), IDC_FILL_COLOR);
    m_pImage = WithControlId(new QPushButton("Image...", fields), IDC_IMAGE);
    m_pShowStyle = MakeDropList(fields, IDC_SHOW_STYLE, WizardLists::kShowStyles);
    const CSpinField delay = MakeSpinField(fields, IDC_DELAY, IDC_DELAY_SPIN, 0, 30528);
    m_pDelay = delay.edit;
    m_pDelay->setAccessibleName("Delay (milisecond) to Display Next");

    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(BuddyLabel("Filled with:", m_pFillType, fields), 0, 0);
    grid->addWidget(m_pFillType, 0, 1, 1, 3);
    grid->addWidget(BuddyLabel("Filled Color:", m_pFillColor, fields), 1, 0);
    grid->addWidget(m_pFillColor, 1, 1);
    grid->addWidget(BuddyLabel("Filled Image:", m_pImage, fields), 2, 0);
    grid->addWidget(m_pImage, 2, 1);
    grid->addWidget(BuddyLabel("Show Style:", m_pShowStyle, fields), 3, 0);
    grid->addWidget(m_pShowStyle, 3, 1, 1, 3);
    grid->addWidget(BuddyLabel("Delay", delay.field, fields), 4, 0);
    grid->addWidget(delay.field, 4, 1);
    grid->addWidget(new QLabel("(milisecond) to Display Next", fields), 4, 2, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);

    LayOut(fields);

    connect(m_pFillType, &QComboBox::activated, this, &CBackgroundPage::OnSelectFillType);
    connect(m_pFillColor, &QAbstractButton::clicked, this, &CBackgroundPage::OnFillColor);
    connect(m_pImage, &QPushButton::clicked, this, &CBackgroundPage::OnImage);
}

std::string CBackgroundPage::RecordTitle(int index) const
{
    const auto& records = Design().m_aBackgrounds;
    return size_t(index) < records.size() ? records[size_t(index)]->m_BKTitle : std::string();
}

bool CBackgroundPage::RecordEnabled(int index) const
{
    const auto& records = Design().m_aBackgrounds;
    return size_t(index) < records.size() && records[size_t(index)]->m_bBKEnable != FALSE;
}

void CBackgroundPage::LoadRecord()
{
    Design().GetBackground(Design().m_nCurPage, m_background);
    m_nFillType = m_background.m_PgBKType;
    m_pFillColor->SetColor(m_background.m_PgBKColor);
    m_nDelay = m_background.m_PgDelay;
    m_nShowStyle = m_background.m_PgConnStyle;
    m_strTitle = m_background.m_BKTitle;
}

void CBackgroundPage::StoreRecord()
{
    // The picture fields go along as the image dialog left them.
    m_background.m_PgBKType = m_nFillType;
    m_background.m_PgBKColor = m_pFillColor->Color();
    m_background.m_PgDelay = m_nDelay;
    m_background.m_PgConnStyle = m_nShowStyle;
    m_background.m_BKTitle = m_strTitle;
    Design().SetBackground(Design().m_nCurPage, m_background);
}

void CBackgroundPage::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pFillType, m_nFillType);
    dx.ComboIndex(m_pShowStyle, m_nShowStyle);
    dx.Int(m_pDelay, m_nDelay);
    CBannerListPage::DoDataExchange(dx);
}

void CBackgroundPage::EnableTypeControls(int type)
{
    m_pImage->setEnabled(type == kImageFill);
}

void CBackgroundPage::OnSelectFillType(int type)
{
    // Nothing is stored yet, and a chosen picture stays in the record.
    EnableControls(type, -1);
}

void CBackgroundPage::OnFillColor()
{
    ChooseSwatchColor(*m_pFillColor);
}

void CBackgroundPage::OnImage()
{
    CBackgroundImageDlg dialog(this);
    dialog.m_strImage = m_background.m_PgBKImg;
    dialog.m_strWebPath = m_background.m_PgBKImgWebPath;
    dialog.m_nPutType = m_background.m_PgBKImgPutType;
    if (UiServices().RunModal(dialog) != QDialog::Accepted)
        return;
    m_background.m_PgBKImg = dialog.m_strImage;
    m_background.m_PgBKImgWebPath = dialog.m_strWebPath;
    m_background.m_PgBKImgPutType = dialog.m_nPutType;
}
