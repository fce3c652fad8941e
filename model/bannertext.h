#pragma once
// The foreground text of one banner: the text, its font and colours, its
// placement and animation, and the link it carries.

#include "platform/base/types.h"

#include <string>

class CBannerText {
public:
    CBannerText();

    bool operator==(const CBannerText&) const = default;

    std::string m_ShowText = "Enter Message Here";  // lines separated by CR LF
    std::string m_URL;
    std::string m_TargetFrame;
    int m_FontSize = 18;
    int m_FontName = 0;              // 0 TimesRoman, 1 Helvetica, 2 Courier
    COLORREF m_FontColor = 16777215;
    COLORREF m_ShadowColor = 0;
    int m_FontStyle = 0;             // 0 plain, 1 bold, 2 italic
    int m_TextDisPos = 0;            // carried and stored only
    int m_TextAlign = 0;             // horizontal * 3 + vertical
    int m_LeftTopX = 0;
    int m_LeftTopY = 0;
    int m_SpecialEffect = 0;         // 0 normal ... 4 with shadow
    int m_TextAnimateType = 6;       // animation style 0 to 14; 6 static
    int m_AnimateMisc1 = 0;
    int m_AnimateMisc2 = 0;
    int m_AnimateSpeed = 0;
    std::string m_TextTitle = "Banner";
    BOOL m_bTextEnable = TRUE;
};
