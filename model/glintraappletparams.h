#pragma once
// The banner design: the applet's general settings and the ordered list of
// banners, each a background record and a text record at the same index.

#include "model/bannerbackground.h"
#include "model/bannertext.h"
#include "model/texttable.h"
#include "platform/base/types.h"

#include <memory>
#include <string>
#include <vector>

class CGlintraAppletParams {
public:
    // The default design with one default banner.
    CGlintraAppletParams();
    CGlintraAppletParams(const CGlintraAppletParams& other);
    CGlintraAppletParams& operator=(const CGlintraAppletParams& other);
    ~CGlintraAppletParams();

    // Every field, the current banner included; the banners become copies of
    // the other design's.
    void CopyFrom(const CGlintraAppletParams& other);

    // Every field and every banner record equal.
    bool operator==(const CGlintraAppletParams& other) const;

    // Operations on banners by 0-based index. Each returns FALSE and changes
    // nothing when its index is out of range.

    // count default banners titled "Background %d" / "Text %d" from 1;
    // the first becomes current. FALSE for a count below 1.
    BOOL SetBannerCount(int count);
    // A copy of the banner, its titles followed by " Copy", goes in front of
    // it; the current index stays, so a current original leaves its copy current.
    BOOL InsertBannerCopy(int index);
    // The current index stays in range.
    BOOL DeleteBanner(int index);
    BOOL MoveBackgroundUp(int index);
    BOOL MoveTextUp(int index);
    BOOL MoveBackgroundDown(int index);
    BOOL MoveTextDown(int index);
    BOOL GetBackground(int index, CBannerBackground& background) const;
    BOOL GetText(int index, CBannerText& text) const;
    BOOL SetBackground(int index, const CBannerBackground& background);
    BOOL SetText(int index, const CBannerText& text);
    BOOL SetBackgroundEnable(int index, BOOL enable);
    BOOL SetTextEnable(int index, BOOL enable);
    BOOL SetBannerTitle(int index, const std::string& title);

    // The parameter store: the design as text keys and values. Writing sets
    // every key (the caller empties the table first); reading sets the
    // design from the table, with a default for every missing key, and puts
    // imageFolder (ending in '/') in front of each stored image name.
    void WriteParameters(CTextTable& table) const;
    BOOL ReadParameters(const CTextTable& table, const std::string& imageFolder);

    int m_Align = 0;                  // 0 Center, 1 Left, 2 Right
    std::string m_ClassWebPath;
    std::string m_strClassLocalPath;  // folder of the applet class file, ending in '/'; never stored
    int m_appWidth = 200;
    int m_appHeight = 100;
    int m_appBorderWidth = 0;
    int m_appBorderType = 0;          // 0 none ... 4 use image
    std::string m_appBKImagePath;     // local path of the border image
    std::string m_appBKImageWebPath;
    COLORREF m_appBKColor = 0;
    int m_PgHrWidth = 0;              // margin left and right
    int m_PgVtWidth = 0;              // margin top and bottom
    int m_BackMoveSpeed = 0;
    BOOL m_bWithBar = TRUE;
    std::string m_strLoadMessage = "Loading Image...";
    int m_nTotalPages = 1;
    int m_nCurPage = 0;               // the banner the wizard shows; never stored
    std::vector<std::unique_ptr<CBannerBackground>> m_aBackgrounds;
    std::vector<std::unique_ptr<CBannerText>> m_aTexts;

private:
    // The index names a banner. The lists are checked too, so a count that
    // was set by hand cannot lead outside them.
    bool IsBanner(int index) const;
};
