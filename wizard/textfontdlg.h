#pragma once
// "Font" (dialog 139): a banner text's font, colours, special effect,
// placement in the applet rectangle, offsets and animation speed.

#include "platform/base/types.h"
#include "wizard/datadialog.h"

class CColorButton;
class QButtonGroup;
class QComboBox;
class QSlider;

class CTextFontDlg : public CDataDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 139;
    static constexpr int IDC_FONT_NAME = 1033;
    static constexpr int IDC_FONT_COLOR = 1015;
    static constexpr int IDC_SHADOW_COLOR = 1016;
    static constexpr int IDC_FONT_SIZE = 1072;
    static constexpr int IDC_FONT_SIZE_SPIN = 1073;
    static constexpr int IDC_PLAIN = 1049;
    static constexpr int IDC_BOLD = 1050;
    static constexpr int IDC_ITALIC = 1051;
    static constexpr int IDC_EFFECT = 1043;
    static constexpr int IDC_HORIZONTAL = 1044;
    static constexpr int IDC_VERTICAL = 1045;
    static constexpr int IDC_X_OFFSET = 1059;
    static constexpr int IDC_Y_OFFSET = 1060;
    static constexpr int IDC_X_OFFSET_SPIN = 1061;
    static constexpr int IDC_Y_OFFSET_SPIN = 1062;
    static constexpr int IDC_SPEED = 1048;
    static constexpr int IDHELP = 9;

    explicit CTextFontDlg(QWidget* parent = nullptr);

    int m_nSpeed = 0;
    int m_nAnimateType = 0;    // decides the effects offered
    int m_nFontSize = 0;
    COLORREF m_crFont = 0;
    COLORREF m_crShadow = 0;
    int m_nHorizontal = -1;    // 0 middle, 1 left, 2 right
    int m_nEffect = -1;
    int m_nVertical = -1;      // 0 middle, 1 top, 2 bottom
    int m_nFontStyle = -1;     // 0 plain, 1 bold, 2 italic
    int m_nXOffset = 0;
    int m_nYOffset = 0;
    int m_nFontName = -1;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    void OnInitDialog() override;

private:
    QComboBox* m_pFontName = nullptr;
    CColorButton* m_pFontColor = nullptr;
    CColorButton* m_pShadowColor = nullptr;
    CIntegerEdit* m_pFontSize = nullptr;
    QButtonGroup* m_pFontStyle = nullptr;
    QComboBox* m_pEffect = nullptr;
    QComboBox* m_pHorizontal = nullptr;
    QComboBox* m_pVertical = nullptr;
    CIntegerEdit* m_pXOffset = nullptr;
    CIntegerEdit* m_pYOffset = nullptr;
    QSlider* m_pSpeed = nullptr;
};

// Whether an animation style shows its text with the special effects; the
// scrolling, typing and drunk styles draw plain text only.
bool StyleOffersEffects(int animateType);
