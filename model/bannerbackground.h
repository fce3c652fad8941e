#pragma once
// The background of one banner: how it is filled, how it replaces the banner
// before it and how long it stays.

#include "platform/base/types.h"

#include <string>

class CBannerBackground {
public:
    CBannerBackground();

    bool operator==(const CBannerBackground&) const = default;

    int m_PgConnStyle = 0;          // transition from the previous banner, 0 to 12
    int m_PgDelay = 2000;           // milliseconds shown
    int m_PgBKType = 1;             // fill type, 0 to 19: 0 image, 1 solid colour, ...
    COLORREF m_PgBKColor = 0;
    std::string m_PgBKImg;          // local path of the image of fill type 0
    std::string m_PgBKImgWebPath;   // web path of that image
    int m_PgBKImgPutType = 0;       // 0 centre, 1 tile
    std::string m_BKTitle = "Banner";
    BOOL m_bBKEnable = TRUE;
};
