#include "wizard/textpage.h"

#include "common/colorlabel.h"
#include "model/glintraappletparams.h"
#include "platform/ui/dialogresource.h"
#include "platform/ui/qtconversions.h"
#include "platform/ui/uiservices.h"
#include "wizard/directiondlg.h"
#include "wizard/directionpartsdlg.h"
#include "wizard/directiontimedlg.h"
#include "wizard/textfontdlg.h"
#include "wizard/timedlg.h"
#include "wizard/wizardlists.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr CStyleDefaults kStyleDefaults[] = {
    {0, 0, 0},      // No Text Displaying
    {0, 0, 25},     // Horizontal Scrolling
    {2000, 0, 25},  // Vertical Scrolling
    {0, 0, 20},     // Typing
    {0, 0, 15},     // Letter Raindroping
    {0, 0, 15},     // Sliping Text with Track
    {0, 0, 0},      // Static Text
    {0, 0, 40},     // Fade in Text wholly
    {0, 0, 20},     // Fade in Text with Direction
    {2000, 0, 20},  // Smashing Text,Border Left
    {2000, 0, 50},  // Smashing whole Text
    {0, 0, 10},     // Carving Text from Background
    {2, 1, 5},      // Moving two parts form two sides
    {0, 2000, 5},   // Moving Banner
    {2000, 0, 50},  // drunk
};

} // namespace

const CStyleDefaults* StyleDefaults(int style)
{
    return style >= 0 && size_t(style) < std::size(kStyleDefaults) ? &kStyleDefaults[style] : nullptr;
}

bool StyleHasSpecialParams(int style)
{
    // A value no style has (read from someone's file) has no dialog either.
    switch (style) {
    case 2:
    case 5:
    case 8:
    case 9:
    case 10:
    case 12:
    case 13:
    case 14:
        return true;
    default:
        return false;
    }
}

CTextPage::CTextPage(QWidget* parent) : CBannerListPage(IDD, "Set Glintra's Foreground Texts Style", parent)
{
    auto* fields = new QWidget(this);
    m_pStyle = MakeDropList(fields, IDC_STYLE, WizardLists::kAnimateStyles);
    m_pSpecialParams = WithControlId(new QPushButton("Special Params...", fields), IDC_SPECIAL_PARAMS);
    m_pFont = WithControlId(new QPushButton("Font...", fields), IDC_FONT);
    m_pText = WithControlId(new QPlainTextEdit(fields), IDC_TEXT);
    m_pText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_pText->setTabChangesFocus(true);
    m_pText->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pLink = WithControlId(new QLineEdit(fields), IDC_LINK);
    m_pTargetFrame = MakeDropList(fields, IDC_TARGET_FRAME, WizardLists::kTargetFrames);
    m_pTargetFrame->setEditable(true);
    m_pTargetFrame->setInsertPolicy(QComboBox::NoInsert);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pSpecialParams);
    buttons->addWidget(m_pFont);
    buttons->addStretch(1);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(BuddyLabel("Animate Style:", m_pStyle, fields), 0, 0);
    grid->addWidget(m_pStyle, 0, 1);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(BuddyLabel("Text:(Less than 10K)", m_pText, fields), 2, 0, 1, 2);
    grid->addWidget(m_pText, 3, 0, 1, 2);
    grid->addWidget(BuddyLabel("Link to:", m_pLink, fields), 4, 0);
    grid->addWidget(m_pLink, 4, 1);
    grid->addWidget(BuddyLabel("Target Frame:", m_pTargetFrame, fields), 5, 0);
    grid->addWidget(m_pTargetFrame, 5, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);

    LayOut(fields);

    connect(m_pStyle, &QComboBox::activated, this, &CTextPage::OnSelectStyle);
    connect(m_pSpecialParams, &QPushButton::clicked, this, &CTextPage::OnSpecialParams);
    connect(m_pFont, &QPushButton::clicked, this, &CTextPage::OnFont);
}

std::string CTextPage::RecordTitle(int index) const
{
    const auto& records = Design().m_aTexts;
    return size_t(index) < records.size() ? records[size_t(index)]->m_TextTitle : std::string();
}

bool CTextPage::RecordEnabled(int index) const
{
    const auto& records = Design().m_aTexts;
    return size_t(index) < records.size() && records[size_t(index)]->m_bTextEnable != FALSE;
}

void CTextPage::LoadRecord()
{
    Design().GetText(Design().m_nCurPage, m_text);
    m_nStyle = m_text.m_TextAnimateType;
    m_strText = m_text.m_ShowText;
    m_strLink = m_text.m_URL;
    m_strTargetFrame = m_text.m_TargetFrame;
    m_strTitle = m_text.m_TextTitle;
}

void CTextPage::StoreRecord()
{
    // Font, placement and the style's parameters go along as the detail
    // dialogs left them.
    m_text.m_TextAnimateType = m_nStyle;
    m_text.m_ShowText = m_strText;
    m_text.m_URL = m_strLink;
    m_text.m_TargetFrame = m_strTargetFrame;
    m_text.m_TextTitle = m_strTitle;
    Design().SetText(Design().m_nCurPage, m_text);
}

void CTextPage::DoDataExchange(CDataExchange& dx)
{
    dx.ComboIndex(m_pStyle, m_nStyle);
    if (dx.Saving()) {
        dx.ComboText(m_pTargetFrame, m_strTargetFrame);
    } else {
        // The first entry that begins with the stored name, letter case
        // aside; any other name is shown as typed. No name selects nothing.
        const QString stored = ToQt(m_strTargetFrame);
        int entry = -1;
        for (int i = 0; !stored.isEmpty() && entry < 0 && i < m_pTargetFrame->count(); ++i)
            if (m_pTargetFrame->itemText(i).startsWith(stored, Qt::CaseInsensitive))
                entry = i;
        m_pTargetFrame->setCurrentIndex(entry);
        if (entry < 0)
            m_pTargetFrame->setEditText(stored);
    }
    dx.Text(m_pText, m_strText);
    dx.Text(m_pLink, m_strLink);
    CBannerListPage::DoDataExchange(dx);
}

void CTextPage::EnableTypeControls(int style)
{
    m_pSpecialParams->setEnabled(StyleHasSpecialParams(style));
    m_pFont->setEnabled(style != 0);
}

void CTextPage::OnSelectStyle(int style)
{
    if (style != m_nStyle) {
        // A new style starts from its own parameters and speed.
        m_nStyle = style;
        m_text.m_AnimateMisc1 = m_text.m_AnimateMisc2 = m_text.m_AnimateSpeed = 0;
        if (const CStyleDefaults* defaults = StyleDefaults(style)) {
            m_text.m_AnimateMisc1 = defaults->misc1;
            m_text.m_AnimateMisc2 = defaults->misc2;
            m_text.m_AnimateSpeed = defaults->speed;
        }
    }
    EnableControls(style, -1);
}

void CTextPage::OnSpecialParams()
{
    UpdateData(true);
    const auto runTime = [this](const char* description) {
        CTimeDlg dialog(this);
        dialog.m_strDescription = description;
        dialog.m_nValue = m_text.m_AnimateMisc1;
        if (UiServices().RunModal(dialog) == QDialog::Accepted)
            m_text.m_AnimateMisc1 = dialog.m_nValue;
    };
    switch (m_nStyle) {
    case 2:
        runTime("Delay of every screen:");
        break;
    case 5:
    case 8: {
        CDirectionDlg dialog(this);
        dialog.m_nAnimateType = m_nStyle;
        dialog.m_nDirection = m_text.m_AnimateMisc1;
        if (UiServices().RunModal(dialog) == QDialog::Accepted)
            m_text.m_AnimateMisc1 = dialog.m_nDirection;
        break;
    }
    case 9:
    case 10:
        runTime("Showing static text:");
        break;
    case 12: {
        CDirectionPartsDlg dialog(this);
        dialog.m_nDirection = m_text.m_AnimateMisc1;
        dialog.m_nPartsStyle = m_text.m_AnimateMisc2;
        if (UiServices().RunModal(dialog) == QDialog::Accepted) {
            m_text.m_AnimateMisc1 = dialog.m_nDirection;
            m_text.m_AnimateMisc2 = dialog.m_nPartsStyle;
        }
        break;
    }
    case 13: {
        CDirectionTimeDlg dialog(this);
        dialog.m_nDirection = m_text.m_AnimateMisc1;
        dialog.m_nTime = m_text.m_AnimateMisc2;
        if (UiServices().RunModal(dialog) == QDialog::Accepted) {
            m_text.m_AnimateMisc1 = dialog.m_nDirection;
            m_text.m_AnimateMisc2 = dialog.m_nTime;
        }
        break;
    }
    case 14:
        runTime("Text Animating time:");
        break;
    default:
        break;
    }
}

void CTextPage::OnFont()
{
    UpdateData(true);
    CTextFontDlg dialog(this);
    dialog.m_nAnimateType = m_nStyle;
    dialog.m_nFontName = m_text.m_FontName;
    dialog.m_nFontSize = m_text.m_FontSize;
    dialog.m_crFont = m_text.m_FontColor;
    dialog.m_crShadow = m_text.m_ShadowColor;
    dialog.m_nFontStyle = m_text.m_FontStyle;
    dialog.m_nEffect = m_text.m_SpecialEffect;
    // A placement outside the nine shows no selection in either list.
    const bool placed = m_text.m_TextAlign >= 0 && m_text.m_TextAlign <= 8;
    dialog.m_nHorizontal = placed ? m_text.m_TextAlign / 3 : -1;
    dialog.m_nVertical = placed ? m_text.m_TextAlign % 3 : -1;
    dialog.m_nXOffset = m_text.m_LeftTopX;
    dialog.m_nYOffset = m_text.m_LeftTopY;
    dialog.m_nSpeed = m_text.m_AnimateSpeed;
    if (UiServices().RunModal(dialog) != QDialog::Accepted)
        return;
    m_text.m_FontName = dialog.m_nFontName;
    m_text.m_FontSize = dialog.m_nFontSize;
    m_text.m_FontColor = dialog.m_crFont;
    m_text.m_ShadowColor = dialog.m_crShadow;
    m_text.m_FontStyle = dialog.m_nFontStyle;
    m_text.m_SpecialEffect = dialog.m_nEffect;
    if (dialog.m_nHorizontal >= 0 && dialog.m_nVertical >= 0)
        m_text.m_TextAlign = 3 * dialog.m_nHorizontal + dialog.m_nVertical;
    m_text.m_LeftTopX = dialog.m_nXOffset;
    m_text.m_LeftTopY = dialog.m_nYOffset;
    m_text.m_AnimateSpeed = dialog.m_nSpeed;
}
