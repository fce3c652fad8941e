#include "wizard/textfontdlg.h"

#include "platform/ui/dialogresource.h"
#include "platform/ui/uiservices.h"
#include "wizard/colorbutton.h"
#include "wizard/wizardlists.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

bool StyleOffersEffects(int animateType)
{
    return animateType != 1 && animateType != 2 && animateType != 3 && animateType != 14;
}

CTextFontDlg::CTextFontDlg(QWidget* parent) : CDataDialog(IDD, "Font", 216, 218, parent)
{
    // Text Font: name, colour, size and style.
    auto* font = new QGroupBox("Text Font", this);
    m_pFontName = MakeDropList(font, IDC_FONT_NAME, WizardLists::kFontNames);
    m_pFontColor = WithControlId(new CColorButton(font), IDC_FONT_COLOR);
    const CSpinField size = MakeSpinField(font, IDC_FONT_SIZE, IDC_FONT_SIZE_SPIN, 0, 5000);
    m_pFontSize = size.edit;
    auto* styles = new QWidget(font);
    m_pFontStyle = new QButtonGroup(this);
    auto* styleRow = new QHBoxLayout(styles);
    styleRow->setContentsMargins(0, 0, 0, 0);
    int styleId = 0;
    for (const auto& [id, text] : {std::pair{IDC_PLAIN, "Plain"}, {IDC_BOLD, "Bold"}, {IDC_ITALIC, "Italic"}}) {
        auto* radio = WithControlId(new QRadioButton(text, styles), id);
        m_pFontStyle->addButton(radio, styleId++);
        styleRow->addWidget(radio);
    }
    styleRow->addStretch(1);
    auto* fontGrid = new QGridLayout(font);
    fontGrid->addWidget(BuddyLabel("Font Name:", m_pFontName, font), 0, 0);
    fontGrid->addWidget(m_pFontName, 0, 1);
    fontGrid->addWidget(BuddyLabel("Font Color:", m_pFontColor, font), 0, 2);
    fontGrid->addWidget(m_pFontColor, 0, 3);
    fontGrid->addWidget(BuddyLabel("Font Size:", size.field, font), 1, 0);
    fontGrid->addWidget(size.field, 1, 1);
    fontGrid->addWidget(new QLabel("Font Style:", font), 2, 0);
    fontGrid->addWidget(styles, 2, 1, 1, 3);
    fontGrid->setColumnStretch(1, 1);

    // Text Special Effects: the effect and the shadow's colour.
    auto* effects = new QGroupBox("Text Special Effects", this);
    m_pEffect = MakeDropList(effects, IDC_EFFECT, WizardLists::kEffects);
    m_pShadowColor = WithControlId(new CColorButton(effects), IDC_SHADOW_COLOR);
    auto* effectGrid = new QGridLayout(effects);
    effectGrid->addWidget(BuddyLabel("Effects:", m_pEffect, effects), 0, 0);
    effectGrid->addWidget(m_pEffect, 0, 1);
    effectGrid->addWidget(BuddyLabel("Shadow Color:", m_pShadowColor, effects), 0, 2);
    effectGrid->addWidget(m_pShadowColor, 0, 3);
    effectGrid->setColumnStretch(1, 1);

    // Text Display at: the place in the applet rectangle and the offsets.
    auto* place = new QGroupBox("Text Display at:", this);
    m_pHorizontal = MakeDropList(place, IDC_HORIZONTAL, WizardLists::kHorizontal);
    m_pVertical = MakeDropList(place, IDC_VERTICAL, WizardLists::kVertical);
    const CSpinField x = MakeSpinField(place, IDC_X_OFFSET, IDC_X_OFFSET_SPIN, -5000, 5000);
    const CSpinField y = MakeSpinField(place, IDC_Y_OFFSET, IDC_Y_OFFSET_SPIN, -5000, 5000);
    m_pXOffset = x.edit;
    m_pYOffset = y.edit;
    auto* placeGrid = new QGridLayout(place);
    placeGrid->addWidget(new QLabel("Put Text in Applet Rectangle:", place), 0, 0, 1, 2);
    placeGrid->addWidget(BuddyLabel("Horizontal:", m_pHorizontal, place), 1, 0);
    placeGrid->addWidget(m_pHorizontal, 1, 1);
    placeGrid->addWidget(BuddyLabel("Vertical:", m_pVertical, place), 2, 0);
    placeGrid->addWidget(m_pVertical, 2, 1);
    placeGrid->addWidget(new QLabel("Offset from Specified Location:", place), 0, 2, 1, 2);
    placeGrid->addWidget(BuddyLabel("x Offset:", x.field, place), 1, 2);
    placeGrid->addWidget(x.field, 1, 3);
    placeGrid->addWidget(BuddyLabel("y Offset:", y.field, place), 2, 2);
    placeGrid->addWidget(y.field, 2, 3);
    placeGrid->setColumnStretch(1, 1);
    placeGrid->setColumnStretch(3, 1);

    // Text Animate Speed: Fastest at the left end, Slowest at the right.
    auto* speed = new QGroupBox("Text Animate Speed", this);
    m_pSpeed = MakeSpeedSlider(speed, IDC_SPEED);
    m_pSpeed->setAccessibleName("Text Animate Speed");
    auto* speedRow = new QHBoxLayout(speed);
    speedRow->addWidget(new QLabel("Fastest", speed));
    speedRow->addWidget(m_pSpeed, 1);
    speedRow->addWidget(new QLabel("Slowest", speed));

    QDialogButtonBox* buttons = OkCancelButtons(this);
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setObjectName(ControlIdName(IDHELP));
    connect(help, &QPushButton::clicked, this, [] { UiServices().ShowHelp(EHelpCommand::Context, 0x20000 + IDD); });

    connect(m_pFontColor, &QAbstractButton::clicked, this, [this] { ChooseSwatchColor(*m_pFontColor); });
    connect(m_pShadowColor, &QAbstractButton::clicked, this, [this] { ChooseSwatchColor(*m_pShadowColor); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(font);
    layout->addWidget(effects);
    layout->addWidget(place);
    layout->addWidget(speed);
    layout->addStretch(1);
    layout->addWidget(buttons);

    setTabOrder(m_pFontName, m_pFontColor);
    setTabOrder(m_pFontColor, m_pFontSize);
}

void CTextFontDlg::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pFontName, m_nFontName);
    dx.Int(m_pFontSize, m_nFontSize);
    dx.Radio(m_pFontStyle, m_nFontStyle);
    dx.ComboIndex(m_pEffect, m_nEffect);
    dx.ComboIndex(m_pHorizontal, m_nHorizontal);
    dx.ComboIndex(m_pVertical, m_nVertical);
    dx.Int(m_pXOffset, m_nXOffset);
    dx.Int(m_pYOffset, m_nYOffset);
    dx.Slider(m_pSpeed, m_nSpeed);
    // The swatches hold their colours themselves.
    if (dx.Validating())
        return;
    if (dx.Saving()) {
        m_crFont = m_pFontColor->Color();
        m_crShadow = m_pShadowColor->Color();
    } else {
        m_pFontColor->SetColor(m_crFont);
        m_pShadowColor->SetColor(m_crShadow);
    }
}

void CTextFontDlg::OnInitDialog()
{
    UpdateData(false);
    if (!StyleOffersEffects(m_nAnimateType)) {
        // These styles draw plain text: only "Normal" is left, and it is
        // what OK gives; Cancel keeps the effect the banner had.
        for (int entry = 4; entry >= 1; --entry)
            m_pEffect->removeItem(entry);
        m_pEffect->setCurrentIndex(0);
    }
}
