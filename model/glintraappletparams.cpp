#include "model/glintraappletparams.h"

#include "platform/base/files.h"
#include "platform/base/numbers.h"

#include <algorithm>
#include <charconv>
#include <unordered_map>
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

namespace {

// The stand-in for a line break inside a banner text, so that the value stays
// on one line of the file; the applet block uses the same code.
constexpr std::string_view kLineBreakCode = "|_#`";
constexpr std::string_view kPageletVersion = "1.5";
constexpr long long kMinBannerLimit = 1024;

// A banner text on one line: every line break becomes the code. A lone
// carriage return or line feed is a line break as well; written as it is it
// would split the file's line.
std::string EncodeBannerText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += kLineBreakCode;
        } else if (text[i] == '\n') {
            out += kLineBreakCode;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string DecodeBannerText(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    size_t start = 0;
    for (size_t found; (found = value.find(kLineBreakCode, start)) != std::string_view::npos;
         start = found + kLineBreakCode.size()) {
        out.append(value.substr(start, found - start));
        out += "\r\n";
    }
    out.append(value.substr(start));
    return out;
}

// Any other text on one line: a line break there means nothing to the
// applet, so it becomes a blank.
std::string OneLine(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;  // the pair gives one blank, at its line feed
        out += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
    }
    return out;
}

// The fields of a banner, by the name its keys begin with.
enum class EBannerField {
    None, BKEnable, BKTitle, PgBKColor, PgBKImg, PgBKImgWebPath, PgBKImgPutType, PgBKType, PgConnStyle, PgDelay,
    AnimateMisc1, AnimateMisc2, AnimateSpeed, TextEnable, FontColor, FontName, FontSize, FontStyle, LeftTopX,
    LeftTopY, ShadowColor, ShowText, SpecialEffect, TargetFrame, TextAlign, TextAnimateType, TextDisPos, TextTitle,
    URL,
};

EBannerField BannerField(std::string_view name)
{
    static const std::unordered_map<std::string_view, EBannerField> fields = {
        {"m_bBKEnable-", EBannerField::BKEnable},           {"m_BKTitle-", EBannerField::BKTitle},
        {"m_PgBKColor-", EBannerField::PgBKColor},          {"m_PgBKImg-", EBannerField::PgBKImg},
        {"m_PgBKImgWebPath-", EBannerField::PgBKImgWebPath}, {"m_PgBKImgPutType-", EBannerField::PgBKImgPutType},
        {"m_PgBKType-", EBannerField::PgBKType},            {"m_PgConnStyle-", EBannerField::PgConnStyle},
        {"m_PgDelay-", EBannerField::PgDelay},              {"m_AnimateMisc1-", EBannerField::AnimateMisc1},
        {"m_AnimateMisc2-", EBannerField::AnimateMisc2},    {"m_AnimateSpeed-", EBannerField::AnimateSpeed},
        {"m_bTextEnable-", EBannerField::TextEnable},       {"m_FontColor-", EBannerField::FontColor},
        {"m_FontName-", EBannerField::FontName},            {"m_FontSize-", EBannerField::FontSize},
        {"m_FontStyle-", EBannerField::FontStyle},          {"m_LeftTopX-", EBannerField::LeftTopX},
        {"m_LeftTopY-", EBannerField::LeftTopY},            {"m_ShadowColor-", EBannerField::ShadowColor},
        {"m_ShowText-", EBannerField::ShowText},            {"m_SpecialEffect-", EBannerField::SpecialEffect},
        {"m_TargetFrame-", EBannerField::TargetFrame},      {"m_TextAlign-", EBannerField::TextAlign},
        {"m_TextAnimateType-", EBannerField::TextAnimateType}, {"m_TextDisPos-", EBannerField::TextDisPos},
        {"m_TextTitle-", EBannerField::TextTitle},          {"m_URL-", EBannerField::URL},
    };
    const auto found = fields.find(name);
    return found == fields.end() ? EBannerField::None : found->second;
}

// The banner number of a key, written as the writer writes it ("%d": no
// sign, no leading zeros); -1 for anything else, which names no banner.
int BannerNumber(std::string_view digits)
{
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == '0'))
        return -1;
    int number = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

// Keys of banner i: the pattern's text followed by i in decimal.
class CBannerKeys {
public:
    explicit CBannerKeys(int index) : m_suffix(FormatInt(index)) {}
    const std::string& operator()(std::string_view pattern)
    {
        m_key.assign(pattern);
        m_key += m_suffix;
        return m_key;
    }

private:
    std::string m_suffix;
    std::string m_key;
};

class CParameterWriter {
public:
    explicit CParameterWriter(CTextTable& table) : m_table(table) {}
    void Int(std::string_view key, long long value)
    {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        m_table.Set(key, std::string_view(digits, size_t(end - digits)));
    }
    void Text(std::string_view key, std::string_view value)
    {
        if (value.find_first_of("\r\n") == std::string_view::npos)
            m_table.Set(key, value);  // the usual text, already on one line
        else
            m_table.Set(key, OneLine(value));
    }
    void Image(std::string_view key, const std::string& path)
    {
        const size_t slash = path.rfind('/');
        Text(key, slash == std::string::npos ? std::string_view(path) : std::string_view(path).substr(slash + 1));
    }

private:
    CTextTable& m_table;
};

class CParameterReader {
public:
    CParameterReader(const CTextTable& table, const std::string& imageFolder)
        : m_table(table), m_imageFolder(imageFolder) {}
    std::string_view Value(std::string_view key, std::string_view fallback) const
    {
        std::string_view value;
        return m_table.Lookup(key, value) ? value : fallback;
    }
    int Int(std::string_view key, int fallback) const
    {
        std::string_view value;
        return m_table.Lookup(key, value) ? ParseLeadingInt(value) : fallback;
    }
    // Any number but 0 counts as set.
    BOOL Flag(std::string_view key, BOOL fallback) const { return Int(key, fallback) != 0 ? TRUE : FALSE; }
    COLORREF Color(std::string_view key, COLORREF fallback) const
    {
        return static_cast<COLORREF>(Int(key, static_cast<int>(fallback)));
    }
    std::string Text(std::string_view key, std::string_view fallback) const
    {
        return std::string(Value(key, fallback));
    }
    std::string Image(std::string_view key) const { return ImageIn(Value(key, "")); }

    std::string ImageIn(std::string_view name) const
    {
        return name.empty() ? std::string() : m_imageFolder + std::string(name);
    }

    // Sets one field of a banner from its stored value.
    void SetField(CBannerBackground& b, CBannerText& t, EBannerField field, std::string_view value) const
    {
        auto number = [&] { return ParseLeadingInt(value); };
        auto flag = [&] { return ParseLeadingInt(value) != 0 ? TRUE : FALSE; };
        switch (field) {
        case EBannerField::None: break;
        case EBannerField::BKEnable: b.m_bBKEnable = flag(); break;
        case EBannerField::BKTitle: b.m_BKTitle.assign(value); break;
        case EBannerField::PgBKColor: b.m_PgBKColor = COLORREF(number()); break;
        case EBannerField::PgBKImg: b.m_PgBKImg = ImageIn(value); break;
        case EBannerField::PgBKImgWebPath: b.m_PgBKImgWebPath.assign(value); break;
        case EBannerField::PgBKImgPutType: b.m_PgBKImgPutType = number(); break;
        case EBannerField::PgBKType: b.m_PgBKType = number(); break;
        case EBannerField::PgConnStyle: b.m_PgConnStyle = number(); break;
        case EBannerField::PgDelay: b.m_PgDelay = number(); break;
        case EBannerField::AnimateMisc1: t.m_AnimateMisc1 = number(); break;
        case EBannerField::AnimateMisc2: t.m_AnimateMisc2 = number(); break;
        case EBannerField::AnimateSpeed: t.m_AnimateSpeed = number(); break;
        case EBannerField::TextEnable: t.m_bTextEnable = flag(); break;
        case EBannerField::FontColor: t.m_FontColor = COLORREF(number()); break;
        case EBannerField::FontName: t.m_FontName = number(); break;
        case EBannerField::FontSize: t.m_FontSize = number(); break;
        case EBannerField::FontStyle: t.m_FontStyle = number(); break;
        case EBannerField::LeftTopX: t.m_LeftTopX = number(); break;
        case EBannerField::LeftTopY: t.m_LeftTopY = number(); break;
        case EBannerField::ShadowColor: t.m_ShadowColor = COLORREF(number()); break;
        case EBannerField::ShowText: t.m_ShowText = DecodeBannerText(value); break;
        case EBannerField::SpecialEffect: t.m_SpecialEffect = number(); break;
        case EBannerField::TargetFrame: t.m_TargetFrame.assign(value); break;
        case EBannerField::TextAlign: t.m_TextAlign = number(); break;
        case EBannerField::TextAnimateType: t.m_TextAnimateType = number(); break;
        case EBannerField::TextDisPos: t.m_TextDisPos = number(); break;
        case EBannerField::TextTitle: t.m_TextTitle.assign(value); break;
        case EBannerField::URL: t.m_URL.assign(value); break;
        }
    }

private:
    const CTextTable& m_table;
    const std::string& m_imageFolder;
};

} // namespace

void CGlintraAppletParams::WriteParameters(CTextTable& table) const
{
    CParameterWriter w(table);
    table.ReserveEntries(table.GetCount() + 16 + 28 * m_aBackgrounds.size());
    table.Set("Version", kPageletVersion);
    w.Int("m_Align", m_Align);
    w.Int("m_appBKColor", m_appBKColor);
    w.Int("m_bWithBar", m_bWithBar);
    w.Text("m_strLoadMessage", m_strLoadMessage);
    w.Image("m_appBKImagePath", m_appBKImagePath);
    w.Text("m_appBKImageWebPath", m_appBKImageWebPath);
    w.Int("m_appBorderType", m_appBorderType);
    w.Int("m_appBorderWidth", m_appBorderWidth);
    w.Int("m_appHeight", m_appHeight);
    w.Int("m_appWidth", m_appWidth);
    w.Int("m_BackMoveSpeed", m_BackMoveSpeed);
    w.Text("m_ClassWebPath", m_ClassWebPath);
    w.Int("m_PgHrWidth", m_PgHrWidth);
    w.Int("m_PgVtWidth", m_PgVtWidth);
    w.Int("m_nTotalPages", m_nTotalPages);

    const size_t banners = std::min(m_aBackgrounds.size(), m_aTexts.size());
    for (size_t i = 0; i < banners && i < size_t(std::max(m_nTotalPages, 0)); ++i) {
        const CBannerBackground& b = *m_aBackgrounds[i];
        const CBannerText& t = *m_aTexts[i];
        CBannerKeys key{int(i)};
        w.Int(key("m_bBKEnable-"), b.m_bBKEnable);
        w.Text(key("m_BKTitle-"), b.m_BKTitle);
        w.Int(key("m_PgBKColor-"), b.m_PgBKColor);
        w.Image(key("m_PgBKImg-"), b.m_PgBKImg);
        w.Text(key("m_PgBKImgWebPath-"), b.m_PgBKImgWebPath);
        w.Int(key("m_PgBKImgPutType-"), b.m_PgBKImgPutType);
        w.Int(key("m_PgBKType-"), b.m_PgBKType);
        w.Int(key("m_PgConnStyle-"), b.m_PgConnStyle);
        w.Int(key("m_PgDelay-"), b.m_PgDelay);
        w.Int(key("m_AnimateMisc1-"), t.m_AnimateMisc1);
        w.Int(key("m_AnimateMisc2-"), t.m_AnimateMisc2);
        w.Int(key("m_AnimateSpeed-"), t.m_AnimateSpeed);
        w.Int(key("m_bTextEnable-"), t.m_bTextEnable);
        w.Int(key("m_FontColor-"), t.m_FontColor);
        w.Int(key("m_FontName-"), t.m_FontName);
        w.Int(key("m_FontSize-"), t.m_FontSize);
        w.Int(key("m_FontStyle-"), t.m_FontStyle);
        w.Int(key("m_LeftTopX-"), t.m_LeftTopX);
        w.Int(key("m_LeftTopY-"), t.m_LeftTopY);
        w.Int(key("m_ShadowColor-"), t.m_ShadowColor);
        table.Set(key("m_ShowText-"), EncodeBannerText(t.m_ShowText));
        w.Int(key("m_SpecialEffect-"), t.m_SpecialEffect);
        w.Text(key("m_TargetFrame-"), t.m_TargetFrame);
        w.Int(key("m_TextAlign-"), t.m_TextAlign);
        w.Int(key("m_TextAnimateType-"), t.m_TextAnimateType);
        w.Int(key("m_TextDisPos-"), t.m_TextDisPos);
        w.Text(key("m_TextTitle-"), t.m_TextTitle);
        w.Text(key("m_URL-"), t.m_URL);
    }
}

BOOL CGlintraAppletParams::ReadParameters(const CTextTable& table, const std::string& imageFolder)
{
    const CParameterReader r(table, imageFolder);
    m_Align = r.Int("m_Align", 0);
    m_appBKColor = r.Color("m_appBKColor", 0);
    m_bWithBar = r.Flag("m_bWithBar", TRUE);
    m_strLoadMessage = r.Text("m_strLoadMessage", "Loading Image...");
    m_appBKImagePath = r.Image("m_appBKImagePath");
    m_appBKImageWebPath = r.Text("m_appBKImageWebPath", "");
    m_appBorderType = r.Int("m_appBorderType", 0);
    m_appBorderWidth = r.Int("m_appBorderWidth", 0);
    m_appHeight = r.Int("m_appHeight", 100);
    m_appWidth = r.Int("m_appWidth", 200);
    m_BackMoveSpeed = r.Int("m_BackMoveSpeed", 0);
    m_ClassWebPath = r.Text("m_ClassWebPath", "");
    m_PgHrWidth = r.Int("m_PgHrWidth", 0);
    m_PgVtWidth = r.Int("m_PgVtWidth", 0);
    // A count below 1 means one banner. A count far above what the table
    // describes cannot come from a saved design; it is bounded by the
    // table's size so that a damaged file cannot demand more memory than
    // it fills (banners it names without keys still come as defaults).
    const int banners = static_cast<int>(std::min<long long>(std::max(r.Int("m_nTotalPages", 1), 1),
                                                             std::max<long long>(kMinBannerLimit, table.GetCount())));

    SetBannerCount(banners);
    // What a missing key of a banner reads as, where it is not what a new
    // banner has.
    for (int i = 0; i < banners; ++i) {
        const std::string title = "Banner " + FormatInt(i + 1);
        m_aBackgrounds[size_t(i)]->m_BKTitle = title;
        m_aTexts[size_t(i)]->m_TextTitle = title;
        m_aTexts[size_t(i)]->m_FontSize = 14;
    }
    // One pass over the table sets what it holds: a banner key is its field
    // name, a hyphen and the banner's number in decimal.
    table.ForEach([&](std::string_view key, std::string_view value) {
        const size_t dash = key.rfind('-');
        if (dash == std::string_view::npos)
            return;
        const int index = BannerNumber(key.substr(dash + 1));
        if (index < 0 || index >= banners)
            return;  // not a banner key, or one of a banner the design does not have
        const EBannerField field = BannerField(key.substr(0, dash + 1));
        if (field != EBannerField::None)
            r.SetField(*m_aBackgrounds[size_t(index)], *m_aTexts[size_t(index)], field, value);
    });
    return TRUE;
}
