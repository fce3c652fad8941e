#include "applet/applethtml.h"

#include "applet/appletcodes.h"
#include "applet/resourcelist.h"
#include "platform/base/files.h"
#include "platform/base/memory.h"
#include "platform/base/numbers.h"

#include <charconv>

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr UINT kAlignWords = 128;
constexpr UINT kFontLetters = 200;
constexpr UINT kStyleLetters = 210;

// Appends text with some characters replaced: plain runs go across in one
// piece, the replaced characters one by one.
template <class Replace>
void AppendReplacing(std::string& out, std::string_view text, std::string_view special, Replace replace)
{
    size_t start = 0;
    for (size_t found; (found = text.find_first_of(special, start)) != std::string_view::npos; start = found + 1) {
        out.append(text.substr(start, found - start));
        found = replace(out, text, found);
    }
    out.append(text.substr(start));
}

// Writes the character reference of an ampersand or a double quote.
bool AppendReference(std::string& out, char c)
{
    if (c == '&')
        out += "&#38;";
    else if (c == '"')
        out += "&#34;";
    else
        return false;
    return true;
}

// A value inside value="...": an ampersand and a double quote are written as
// character references, so a browser hands the applet exactly the value.
void AppendAttribute(std::string& out, std::string_view value)
{
    AppendReplacing(out, value, "&\"", [](std::string& o, std::string_view text, size_t at) {
        AppendReference(o, text[at]);
        return at;
    });
}

// A banner text: line breaks become the line-break code. A lone carriage
// return or line feed is a line break too; it must not reach the page as one.
void AppendBannerText(std::string& out, std::string_view text)
{
    AppendReplacing(out, text, "&\"\r\n", [](std::string& o, std::string_view t, size_t at) {
        if (AppendReference(o, t[at]))
            return at;
        o += kLineBreakCode;
        return (t[at] == '\r' && at + 1 < t.size() && t[at + 1] == '\n') ? at + 1 : at;
    });
}

// The loading message is one field of a comma-separated pair.
void AppendLoadMessage(std::string& out, std::string_view text)
{
    AppendReplacing(out, text, "&\",", [](std::string& o, std::string_view t, size_t at) {
        if (!AppendReference(o, t[at]))
            o += kCommaCode;
        return at;
    });
}

// The words of a setting from the string table, looked up once per block.
// Only 0 to 2 have words; any other value (a file can hold one) gives the
// empty word rather than some neighbouring string of the table.
class CWords {
public:
    CWords(HMODULE32 module, UINT base)
    {
        for (UINT i = 0; i < 3; ++i)
            m_words[i] = LoadModuleString(module, base + i);
    }
    const std::string& operator[](int value) const
    {
        static const std::string none;
        return value >= 0 && value <= 2 ? m_words[value] : none;
    }

private:
    std::string m_words[3];
};

// A decimal number straight onto the block, without a string of its own.
void AppendInt(std::string& out, long long value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, size_t(end - digits));
}

class CBlockWriter {
public:
    explicit CBlockWriter(std::string& out) : m_out(out) {}

    // One tab, <param name="NAME" value="
    void Begin(std::string_view name)
    {
        m_out += "\t<param name=\"";
        m_out += name;
        m_out += "\" value=\"";
    }
    void Begin(std::string_view name, int number)
    {
        m_out += "\t<param name=\"";
        m_out += name;
        AppendInt(m_out, number);
        m_out += "\" value=\"";
    }
    void End() { m_out += "\">\r\n"; }

    void Number(std::string_view name, long long value)
    {
        Begin(name);
        AppendInt(m_out, value);
        End();
    }
    void Number(std::string_view name, int k, long long value)
    {
        Begin(name, k);
        AppendInt(m_out, value);
        End();
    }
    std::string& Out() { return m_out; }

private:
    std::string& m_out;
};

} // namespace

std::string ColorToHex(COLORREF color)
{
    return FormatHexByte(GetRValue(color)) + FormatHexByte(GetGValue(color)) + FormatHexByte(GetBValue(color));
}

std::string GenerateAppletHTML(CGlintraAppletParams& params, CPageletConfigFile& config, SHORT outputMode,
                               HMODULE32 module)
{
    BuildResourceList(params, config);

    // Reading PreviewPath adds the key when it is absent, as every property read does.
    const std::string previewPath = config.GetDescription("PreviewPath");
    const bool webPaths = outputMode == kOutputWebPaths || outputMode == kOutputWebPathsWithPlayer;
    const bool player = outputMode == kOutputBesideFileWithPlayer || outputMode == kOutputWebPathsWithPlayer;
    const std::string& codebase = webPaths ? params.m_ClassWebPath : previewPath;
    auto imagePrefix = [&](const std::string& webPath) -> const std::string& {
        return webPaths ? webPath : previewPath;
    };

    const CWords alignWords(module, kAlignWords), fontLetters(module, kFontLetters), styleLetters(module, kStyleLetters);
    std::string out;
    out.reserve(1024 + size_t(params.m_nTotalPages) * 512);
    AdviseLargeBuffer(out.data(), out.capacity());
    CBlockWriter w(out);

    out += "<p align=\"";
    out += alignWords[params.m_Align];
    out += "\">";
    out += kLineEnd;

    out += "<applet ";
    if (!codebase.empty()) {
        out += "codebase=\"";
        AppendAttribute(out, codebase);
        out += "\"";
    }
    out += " code=\"";
    out += kAppletClassFile;
    out += "\" align=\"baseline\" width=\"";
    AppendInt(out, params.m_appWidth);
    out += "\" height=\"";
    AppendInt(out, params.m_appHeight);
    out += "\">";
    out += kLineEnd;

    w.Begin("ProgressBar");
    AppendInt(out, params.m_bWithBar);
    out += ',';
    AppendLoadMessage(out, params.m_strLoadMessage);
    w.End();

    w.Begin("ApMargin");
    AppendInt(out, params.m_PgHrWidth);
    out += ',';
    AppendInt(out, params.m_PgVtWidth);
    w.End();
    w.Number("ApBorderWidth", params.m_appBorderWidth);
    w.Number("ApBorderType", params.m_appBorderType);

    // Written whatever the border style, so the applet can switch to it.
    w.Begin("ApBKImg");
    if (!params.m_appBKImagePath.empty()) {
        AppendAttribute(out, imagePrefix(params.m_appBKImageWebPath));
        AppendAttribute(out, PathFileName(params.m_appBKImagePath));
    }
    w.End();

    w.Begin("ApBKColor");
    out += ColorToHex(params.m_appBKColor);
    w.End();
    w.Number("BackMoveSpeed", params.m_BackMoveSpeed);
    w.Begin("Notice");
    AppendAttribute(out, kAppletNotice);
    w.End();

    // Disabled banners leave no trace; the shown ones are numbered without gaps.
    int shown = 0;
    for (const auto& background : params.m_aBackgrounds) {
        const CBannerBackground& b = *background;
        if (!b.m_bBKEnable)
            continue;
        w.Begin("PgBKStyle-", shown);
        AppendInt(out, b.m_PgBKType);
        out += ',';
        out += ColorToHex(b.m_PgBKColor);
        out += ',';
        if (b.m_PgBKType == 0 && !b.m_PgBKImg.empty()) {
            AppendAttribute(out, imagePrefix(b.m_PgBKImgWebPath));
            AppendAttribute(out, PathFileName(b.m_PgBKImg));
        }
        out += ',';
        AppendInt(out, b.m_PgBKImgPutType);
        w.End();
        w.Number("PgConnStyle-", shown, b.m_PgConnStyle);
        w.Number("PgDelay-", shown, b.m_PgDelay);
        ++shown;
    }

    w.Number("PgTotal", shown);

    int texts = 0;
    for (const auto& text : params.m_aTexts) {
        if (texts >= shown)
            break;
        const CBannerText& t = *text;
        if (!t.m_bTextEnable)
            continue;
        w.Begin("PgURL-", texts);
        AppendAttribute(out, t.m_URL);
        w.End();
        w.Begin("UrlTarget-", texts);
        AppendAttribute(out, t.m_TargetFrame);
        w.End();
        w.Begin("FontStyle-", texts);
        AppendInt(out, t.m_FontSize);
        out += ',';
        out += fontLetters[t.m_FontName];
        out += ',';
        out += ColorToHex(t.m_FontColor);
        out += ',';
        out += styleLetters[t.m_FontStyle];
        for (int value : {t.m_TextAlign, t.m_LeftTopX, t.m_LeftTopY, t.m_SpecialEffect}) {
            out += ',';
            AppendInt(out, value);
        }
        out += ',';
        out += ColorToHex(t.m_ShadowColor);
        w.End();
        w.Begin("PgText-", texts);
        AppendBannerText(out, t.m_ShowText);
        w.End();
        w.Number("PgTextSpeed-", texts, t.m_AnimateSpeed);
        w.Begin("PgTextAnimate-", texts);
        AppendInt(out, t.m_TextAnimateType);
        out += ',';
        AppendInt(out, t.m_AnimateMisc1);
        out += ',';
        AppendInt(out, t.m_AnimateMisc2);
        w.End();
        ++texts;
    }

    out += "</applet>";
    out += kLineEnd;
    out += "</P>";
    out += kLineEnd;

    if (player) {
        // After the paragraph, so the paragraph holds the applet alone and
        // the player's canvas takes its place there.
        out += "<script src=\"";
        AppendAttribute(out, codebase);
        if (!codebase.empty() && codebase.back() != '/')
            out += '/';
        out += kPlayerScriptFile;
        out += "\" defer></script>";
        out += kLineEnd;
    }
    return out;
}
