#include "model/glintraappletparams.h"

#include "platform/base/numbers.h"

#include <utility>

CGlintraAppletParams::CGlintraAppletParams()
{
    m_aBackgrounds.push_back(std::make_unique<CBannerBackground>());
    m_aTexts.push_back(std::make_unique<CBannerText>());
}

CGlintraAppletParams::CGlintraAppletParams(const CGlintraAppletParams& other)
{
    CopyFrom(other);
}

CGlintraAppletParams& CGlintraAppletParams::operator=(const CGlintraAppletParams& other)
{
    CopyFrom(other);
    return *this;
}

CGlintraAppletParams::~CGlintraAppletParams() = default;

void CGlintraAppletParams::CopyFrom(const CGlintraAppletParams& other)
{
    if (this == &other)
        return;
    m_Align = other.m_Align;
    m_ClassWebPath = other.m_ClassWebPath;
    m_strClassLocalPath = other.m_strClassLocalPath;
    m_appWidth = other.m_appWidth;
    m_appHeight = other.m_appHeight;
    m_appBorderWidth = other.m_appBorderWidth;
    m_appBorderType = other.m_appBorderType;
    m_appBKImagePath = other.m_appBKImagePath;
    m_appBKImageWebPath = other.m_appBKImageWebPath;
    m_appBKColor = other.m_appBKColor;
    m_PgHrWidth = other.m_PgHrWidth;
    m_PgVtWidth = other.m_PgVtWidth;
    m_BackMoveSpeed = other.m_BackMoveSpeed;
    m_bWithBar = other.m_bWithBar;
    m_strLoadMessage = other.m_strLoadMessage;
    m_nTotalPages = other.m_nTotalPages;
    m_nCurPage = other.m_nCurPage;

    m_aBackgrounds.clear();
    m_aBackgrounds.reserve(other.m_aBackgrounds.size());
    for (const auto& background : other.m_aBackgrounds)
        m_aBackgrounds.push_back(std::make_unique<CBannerBackground>(*background));
    m_aTexts.clear();
    m_aTexts.reserve(other.m_aTexts.size());
    for (const auto& text : other.m_aTexts)
        m_aTexts.push_back(std::make_unique<CBannerText>(*text));
}

bool CGlintraAppletParams::operator==(const CGlintraAppletParams& other) const
{
    const bool fields = m_Align == other.m_Align && m_ClassWebPath == other.m_ClassWebPath &&
                        m_strClassLocalPath == other.m_strClassLocalPath && m_appWidth == other.m_appWidth &&
                        m_appHeight == other.m_appHeight && m_appBorderWidth == other.m_appBorderWidth &&
                        m_appBorderType == other.m_appBorderType && m_appBKImagePath == other.m_appBKImagePath &&
                        m_appBKImageWebPath == other.m_appBKImageWebPath && m_appBKColor == other.m_appBKColor &&
                        m_PgHrWidth == other.m_PgHrWidth && m_PgVtWidth == other.m_PgVtWidth &&
                        m_BackMoveSpeed == other.m_BackMoveSpeed && m_bWithBar == other.m_bWithBar &&
                        m_strLoadMessage == other.m_strLoadMessage && m_nTotalPages == other.m_nTotalPages &&
                        m_nCurPage == other.m_nCurPage && m_aBackgrounds.size() == other.m_aBackgrounds.size() &&
                        m_aTexts.size() == other.m_aTexts.size();
    if (!fields)
        return false;
    for (size_t i = 0; i < m_aBackgrounds.size(); ++i) {
        if (!(*m_aBackgrounds[i] == *other.m_aBackgrounds[i]))
            return false;
    }
    for (size_t i = 0; i < m_aTexts.size(); ++i) {
        if (!(*m_aTexts[i] == *other.m_aTexts[i]))
            return false;
    }
    return true;
}

bool CGlintraAppletParams::IsBanner(int index) const
{
    return index >= 0 && index < m_nTotalPages && size_t(index) < m_aBackgrounds.size() &&
           size_t(index) < m_aTexts.size();
}

BOOL CGlintraAppletParams::SetBannerCount(int count)
{
    if (count <= 0)
        return FALSE;
    m_aBackgrounds.clear();
    m_aTexts.clear();
    m_aBackgrounds.reserve(size_t(count));
    m_aTexts.reserve(size_t(count));
    for (int i = 1; i <= count; ++i) {
        auto background = std::make_unique<CBannerBackground>();
        background->m_BKTitle = "Background " + FormatInt(i);
        m_aBackgrounds.push_back(std::move(background));
        auto text = std::make_unique<CBannerText>();
        text->m_TextTitle = "Text " + FormatInt(i);
        m_aTexts.push_back(std::move(text));
    }
    m_nTotalPages = count;
    m_nCurPage = 0;
    return TRUE;
}

BOOL CGlintraAppletParams::InsertBannerCopy(int index)
{
    if (!IsBanner(index))
        return FALSE;
    auto background = std::make_unique<CBannerBackground>(*m_aBackgrounds[size_t(index)]);
    background->m_BKTitle += " Copy";
    auto text = std::make_unique<CBannerText>(*m_aTexts[size_t(index)]);
    text->m_TextTitle += " Copy";
    m_aBackgrounds.insert(m_aBackgrounds.begin() + index, std::move(background));
    m_aTexts.insert(m_aTexts.begin() + index, std::move(text));
    ++m_nTotalPages;
    return TRUE;
}

BOOL CGlintraAppletParams::DeleteBanner(int index)
{
    if (!IsBanner(index))
        return FALSE;
    m_aBackgrounds.erase(m_aBackgrounds.begin() + index);
    m_aTexts.erase(m_aTexts.begin() + index);
    --m_nTotalPages;
    // With the last banner gone there is no index left; 0 is where the next
    // banner will be.
    if (m_nCurPage > m_nTotalPages - 1)
        m_nCurPage = m_nTotalPages > 0 ? m_nTotalPages - 1 : 0;
    return TRUE;
}

BOOL CGlintraAppletParams::MoveBackgroundUp(int index)
{
    if (index < 1 || !IsBanner(index))
        return FALSE;
    std::swap(*m_aBackgrounds[size_t(index)], *m_aBackgrounds[size_t(index) - 1]);
    return TRUE;
}

BOOL CGlintraAppletParams::MoveTextUp(int index)
{
    if (index < 1 || !IsBanner(index))
        return FALSE;
    std::swap(*m_aTexts[size_t(index)], *m_aTexts[size_t(index) - 1]);
    return TRUE;
}

BOOL CGlintraAppletParams::MoveBackgroundDown(int index)
{
    if (!IsBanner(index) || !IsBanner(index + 1))
        return FALSE;
    std::swap(*m_aBackgrounds[size_t(index)], *m_aBackgrounds[size_t(index) + 1]);
    return TRUE;
}

BOOL CGlintraAppletParams::MoveTextDown(int index)
{
    if (!IsBanner(index) || !IsBanner(index + 1))
        return FALSE;
    std::swap(*m_aTexts[size_t(index)], *m_aTexts[size_t(index) + 1]);
    return TRUE;
}

BOOL CGlintraAppletParams::GetBackground(int index, CBannerBackground& background) const
{
    if (!IsBanner(index))
        return FALSE;
    background = *m_aBackgrounds[size_t(index)];
    return TRUE;
}

BOOL CGlintraAppletParams::GetText(int index, CBannerText& text) const
{
    if (!IsBanner(index))
        return FALSE;
    text = *m_aTexts[size_t(index)];
    return TRUE;
}

BOOL CGlintraAppletParams::SetBackground(int index, const CBannerBackground& background)
{
    if (!IsBanner(index))
        return FALSE;
    *m_aBackgrounds[size_t(index)] = background;
    return TRUE;
}

BOOL CGlintraAppletParams::SetText(int index, const CBannerText& text)
{
    if (!IsBanner(index))
        return FALSE;
    *m_aTexts[size_t(index)] = text;
    return TRUE;
}

BOOL CGlintraAppletParams::SetBackgroundEnable(int index, BOOL enable)
{
    if (!IsBanner(index))
        return FALSE;
    m_aBackgrounds[size_t(index)]->m_bBKEnable = enable;
    return TRUE;
}

BOOL CGlintraAppletParams::SetTextEnable(int index, BOOL enable)
{
    if (!IsBanner(index))
        return FALSE;
    m_aTexts[size_t(index)]->m_bTextEnable = enable;
    return TRUE;
}

BOOL CGlintraAppletParams::SetBannerTitle(int index, const std::string& title)
{
    if (!IsBanner(index))
        return FALSE;
    m_aBackgrounds[size_t(index)]->m_BKTitle = title;
    m_aTexts[size_t(index)]->m_TextTitle = title;
    return TRUE;
}
