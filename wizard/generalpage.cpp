#include "wizard/generalpage.h"

#include "common/colorlabel.h"
#include "model/glintraappletparams.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/modulepictures.h"
#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/colorbutton.h"
#include "wizard/glintraprpsheet.h"
#include "wizard/loadingmessagedlg.h"
#include "wizard/movingspeeddlg.h"
#include "wizard/webpathfiledialog.h"
#include "wizard/wizardlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kUseImage = 4;

QPushButton* BrowseButton(QWidget* parent, int id, const char* name)
{
    auto* button = WithControlId(new QPushButton("...", parent), id);
    button->setAccessibleName(name);
    button->setFixedWidth(button->fontMetrics().horizontalAdvance("....") + 16);
    return button;
}

} // namespace

CGeneralPage::CGeneralPage(QWidget* parent) : CPropertyPage(IDD, "Set Applet General Parameters", parent)
{
    m_pSidePicture = WithControlId(new QLabel(this), IDC_SIDE_PICTURE);
    m_pSidePicture->setFixedSize(116, 245);
    m_pSidePicture->setFrameShape(QFrame::NoFrame);

    auto* group = new QGroupBox("Applet Appearance", this);
    m_pAlign = MakeDropList(group, IDC_ALIGN, WizardLists::kAlign);
    m_pBackColor = WithControlId(new CColorButton(group), IDC_BACK_COLOR);
    const CSpinField width = MakeSpinField(group, IDC_WIDTH, IDC_WIDTH_SPIN, 0, 5000);
    const CSpinField height = MakeSpinField(group, IDC_HEIGHT, IDC_HEIGHT_SPIN, 0, 5000);
    const CSpinField marginWidth = MakeSpinField(group, IDC_MARGIN_WIDTH, IDC_MARGIN_WIDTH_SPIN, 0, 500);
    const CSpinField marginHeight = MakeSpinField(group, IDC_MARGIN_HEIGHT, IDC_MARGIN_HEIGHT_SPIN, 0, 500);
    const CSpinField borderWidth = MakeSpinField(group, IDC_BORDER_WIDTH, IDC_BORDER_WIDTH_SPIN, 0, 500);
    m_pWidth = width.edit;
    m_pHeight = height.edit;
    m_pMarginWidth = marginWidth.edit;
    m_pMarginHeight = marginHeight.edit;
    m_pBorderWidth = borderWidth.edit;
    m_pBorderStyle = MakeDropList(group, IDC_BORDER_STYLE, WizardLists::kBorderStyles);
    m_pBorderImage = WithControlId(new QLineEdit(group), IDC_BORDER_IMAGE);
    m_pBorderImageBrowse = BrowseButton(group, IDC_BORDER_IMAGE_BROWSE, "Browse for the border image");
    m_pClassPath = WithControlId(new QLineEdit(group), IDC_CLASS_PATH);
    m_pClassPath->setReadOnly(true);
    m_pClassPath->setEnabled(false);
    auto* classBrowse = BrowseButton(group, IDC_CLASS_BROWSE, "Web path of the applet file");
    auto* loadingMessage = WithControlId(new QPushButton("Loading Message...", group), IDC_LOADING_MESSAGE);
    auto* movingSpeed = WithControlId(new QPushButton("Background Moving Speed", group), IDC_MOVING_SPEED);

    auto* grid = new QGridLayout(group);
    int row = 0;
    grid->addWidget(BuddyLabel("Align:", m_pAlign, group), row, 0);
    grid->addWidget(m_pAlign, row, 1);
    grid->addWidget(BuddyLabel("Background Color:", m_pBackColor, group), row, 2);
    grid->addWidget(m_pBackColor, row, 3);
    ++row;
    grid->addWidget(BuddyLabel("Applet Width:", width.field, group), row, 0);
    grid->addWidget(width.field, row, 1);
    grid->addWidget(BuddyLabel("Applet Height:", height.field, group), row, 2);
    grid->addWidget(height.field, row, 3);
    ++row;
    grid->addWidget(BuddyLabel("Margin Width:", marginWidth.field, group), row, 0);
    grid->addWidget(marginWidth.field, row, 1);
    grid->addWidget(BuddyLabel("Margin Height:", marginHeight.field, group), row, 2);
    grid->addWidget(marginHeight.field, row, 3);
    ++row;
    grid->addWidget(BuddyLabel("Border Width:", borderWidth.field, group), row, 0);
    grid->addWidget(borderWidth.field, row, 1);
    grid->addWidget(BuddyLabel("Border Style:", m_pBorderStyle, group), row, 2);
    grid->addWidget(m_pBorderStyle, row, 3);
    ++row;
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(m_pBorderImage, 1);
    imageRow->addWidget(m_pBorderImageBrowse);
    grid->addWidget(BuddyLabel("Border Image:", m_pBorderImage, group), row, 0);
    grid->addLayout(imageRow, row, 1, 1, 3);
    ++row;
    auto* classRow = new QHBoxLayout;
    classRow->addWidget(m_pClassPath, 1);
    classRow->addWidget(classBrowse);
    grid->addWidget(BuddyLabel("Applet File Path:", m_pClassPath, group), row, 0);
    grid->addLayout(classRow, row, 1, 1, 3);
    ++row;
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(loadingMessage);
    buttons->addWidget(movingSpeed);
    buttons->addStretch(1);
    grid->addLayout(buttons, row, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(Heading());
    right->addWidget(group);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_pSidePicture, 0, Qt::AlignTop);
    layout->addLayout(right, 1);

    connect(m_pBorderStyle, &QComboBox::activated, this, &CGeneralPage::OnSelectBorderStyle);
    connect(m_pBackColor, &QAbstractButton::clicked, this, &CGeneralPage::OnBackColor);
    connect(m_pBorderImageBrowse, &QPushButton::clicked, this, &CGeneralPage::OnBorderImage);
    connect(classBrowse, &QPushButton::clicked, this, &CGeneralPage::OnClassFile);
    connect(loadingMessage, &QPushButton::clicked, this, &CGeneralPage::OnLoadingMessage);
    connect(movingSpeed, &QPushButton::clicked, this, &CGeneralPage::OnMovingSpeed);
}

void CGeneralPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pSidePicture->setPixmap(ModulePicture(Sheet().Resources(), IDB_WIZARD_SIDE));
}

void CGeneralPage::OnSetActive()
{
    const CGlintraAppletParams& design = Design();
    m_nAlign = design.m_Align;
    m_pBackColor->SetColor(design.m_appBKColor);
    m_strBorderImage = design.m_appBKImagePath;
    m_nWidth = design.m_appWidth;
    m_nHeight = design.m_appHeight;
    m_nBorderWidth = design.m_appBorderWidth;
    m_nBorderStyle = design.m_appBorderType;
    m_nMarginWidth = design.m_PgHrWidth;
    m_nMarginHeight = design.m_PgVtWidth;
    m_strClassPath = design.m_strClassLocalPath + FromQt(Sheet().String(IDS_CLASS_FILE));
    EnableBorderImage(m_nBorderStyle);
    UpdateData(false);
}

void CGeneralPage::OnLeave()
{
    UpdateData(true);
    CGlintraAppletParams& design = Design();
    design.m_Align = m_nAlign;
    design.m_appBKColor = m_pBackColor->Color();
    design.m_appBKImagePath = m_strBorderImage;
    design.m_appWidth = m_nWidth;
    design.m_appHeight = m_nHeight;
    design.m_appBorderWidth = m_nBorderWidth;
    design.m_appBorderType = m_nBorderStyle;
    design.m_PgHrWidth = m_nMarginWidth;
    design.m_PgVtWidth = m_nMarginHeight;
    // Warnings only: the values are stored and the page changes anyway.
    // The border lies on both sides, as the margins do.
    const long long innerWidth = static_cast<long long>(m_nWidth) - 2LL * (m_nMarginWidth + static_cast<long long>(m_nBorderWidth));
    const long long innerHeight = static_cast<long long>(m_nHeight) - 2LL * (m_nMarginHeight + static_cast<long long>(m_nBorderWidth));
    if (innerWidth <= 0)
        AfxMessageBox("The applet width is too small,Please enlarge it!", MB_OK | MB_ICONEXCLAMATION);
    if (innerHeight <= 0)
        AfxMessageBox("The applet height is too small,Please enlarge it!", MB_OK | MB_ICONEXCLAMATION);
}

void CGeneralPage::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pAlign, m_nAlign);
    dx.Int(m_pWidth, m_nWidth);
    dx.Int(m_pHeight, m_nHeight);
    dx.Int(m_pMarginWidth, m_nMarginWidth);
    dx.Int(m_pMarginHeight, m_nMarginHeight);
    dx.Int(m_pBorderWidth, m_nBorderWidth);
    dx.ComboIndex(m_pBorderStyle, m_nBorderStyle);
    dx.Text(m_pBorderImage, m_strBorderImage);
    dx.Text(m_pClassPath, m_strClassPath);
}

void CGeneralPage::EnableBorderImage(int style)
{
    m_pBorderImage->setEnabled(style == kUseImage);
    m_pBorderImageBrowse->setEnabled(style == kUseImage);
}

void CGeneralPage::OnSelectBorderStyle(int style)
{
    // The path stays, whatever the style: it is only not used.
    EnableBorderImage(style);
}

void CGeneralPage::OnBackColor()
{
    ChooseSwatchColor(*m_pBackColor);
}

void CGeneralPage::OnBorderImage()
{
    UpdateData(true);
    CWebPathFileDialog picker(m_strBorderImage, Design().m_appBKImageWebPath, kImageFileFilter, this);
    if (UiServices().RunModal(picker) != QDialog::Accepted)
        return;
    m_strBorderImage = picker.GetPathName();
    Design().m_appBKImageWebPath = picker.GetWebPath();
    UpdateData(false);
}

void CGeneralPage::OnClassFile()
{
    // Only the web path is taken: the class file always comes from the
    // server's folder.
    CWebPathFileDialog picker(m_strClassPath, Design().m_ClassWebPath, kClassFileFilter, this);
    if (UiServices().RunModal(picker) == QDialog::Accepted)
        Design().m_ClassWebPath = picker.GetWebPath();
}

void CGeneralPage::OnLoadingMessage()
{
    CLoadingMessageDlg dialog(this);
    dialog.m_bWithBar = Design().m_bWithBar;
    dialog.m_strMessage = Design().m_strLoadMessage;
    if (UiServices().RunModal(dialog) != QDialog::Accepted)
        return;
    Design().m_bWithBar = dialog.m_bWithBar;
    Design().m_strLoadMessage = dialog.m_strMessage;
}

void CGeneralPage::OnMovingSpeed()
{
    CMovingSpeedDlg dialog(this);
    dialog.m_nPosition = Design().m_BackMoveSpeed;
    if (UiServices().RunModal(dialog) == QDialog::Accepted)
        Design().m_BackMoveSpeed = dialog.m_nPosition;
}
