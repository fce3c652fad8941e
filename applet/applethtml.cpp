#include "applet/applethtml.h"

#include "applet/appletcodes.h"
#include "applet/resourcelist.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr UINT kAlignWords = 128;
constexpr UINT kFontLetters = 200;
constexpr UINT kStyleLetters = 210;

// A value inside value="...": an ampersand and a double quote are written as
// character references, so a browser hands the applet exactly the value.
void AppendAttribute(std::string& out, std::string_view value)
{
    for (char c : value) {
        if (c == '&')
            out += "&#38;";
        else if (c == '"')
            out += "&#34;";
        else
            out += c;
    }
}

// A banner text: line breaks become the line-break code. A lone carriage
// return or line feed is a line break too; it must not reach the page as one.
void AppendBannerText(std::string& out, std::string_view text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += kLineBreakCode;
        } else if (c == '\n') {
            out += kLineBreakCode;
        } else if (c == '&') {
            out += "&#38;";
        } else if (c == '"') {
            out += "&#34;";
        } else {
            out += c;
        }
    }
}

// The loading message is one field of a comma-separated pair.
void AppendLoadMessage(std::string& out, std::string_view text)
{
    for (char c : text) {
        if (c == ',')
            out += kCommaCode;
        else if (c == '&')
            out += "&#38;";
        else if (c == '"')
            out += "&#34;";
        else
            out += c;
    }
}

// The word of a setting from the string table. Only 0 to 2 have words; any
// other value (a file can hold one) gives the empty word rather than some
// neighbouring string of the table.
std::string WordOf(HMODULE32 module, UINT base, int value)
{
    return value >= 0 && value <= 2 ? LoadModuleString(module, base + UINT(value)) : std::string();
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
        m_out += FormatInt(number);
        m_out += "\" value=\"";
    }
    void End() { m_out += "\">\r\n"; }

    void Number(std::string_view name, long long value)
    {
        Begin(name);
        m_out += FormatInt(value);
        End();
    }
    void Number(std::string_view name, int k, long long value)
    {
        Begin(name, k);
        m_out += FormatInt(value);
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
    const bool webPaths = outputMode == kOutputWebPaths;
    const std::string& codebase = webPaths ? params.m_ClassWebPath : previewPath;
    auto imagePrefix = [&](const std::string& webPath) -> const std::string& {
        return webPaths ? webPath : previewPath;
    };

    std::string out;
    out.reserve(1024 + size_t(params.m_nTotalPages) * 512);
    CBlockWriter w(out);

    out += "<p align=\"";
    out += WordOf(module, kAlignWords, params.m_Align);
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
    out += FormatInt(params.m_appWidth);
    out += "\" height=\"";
    out += FormatInt(params.m_appHeight);
    out += "\">";
    out += kLineEnd;

    w.Begin("ProgressBar");
    out += FormatInt(params.m_bWithBar);
    out += ',';
    AppendLoadMessage(out, params.m_strLoadMessage);
    w.End();

    w.Begin("ApMargin");
    out += FormatInt(params.m_PgHrWidth) + "," + FormatInt(params.m_PgVtWidth);
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
        out += FormatInt(b.m_PgBKType);
        out += ',';
        out += ColorToHex(b.m_PgBKColor);
        out += ',';
        if (b.m_PgBKType == 0 && !b.m_PgBKImg.empty()) {
            AppendAttribute(out, imagePrefix(b.m_PgBKImgWebPath));
            AppendAttribute(out, PathFileName(b.m_PgBKImg));
        }
        out += ',';
        out += FormatInt(b.m_PgBKImgPutType);
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
        out += FormatInt(t.m_FontSize);
        out += ',';
        out += WordOf(module, kFontLetters, t.m_FontName);
        out += ',';
        out += ColorToHex(t.m_FontColor);
        out += ',';
        out += WordOf(module, kStyleLetters, t.m_FontStyle);
        for (int value : {t.m_TextAlign, t.m_LeftTopX, t.m_LeftTopY, t.m_SpecialEffect}) {
            out += ',';
            out += FormatInt(value);
        }
        out += ',';
        out += ColorToHex(t.m_ShadowColor);
        w.End();
        w.Begin("PgText-", texts);
        AppendBannerText(out, t.m_ShowText);
        w.End();
        w.Number("PgTextSpeed-", texts, t.m_AnimateSpeed);
        w.Begin("PgTextAnimate-", texts);
        out += FormatInt(t.m_TextAnimateType) + "," + FormatInt(t.m_AnimateMisc1) + "," + FormatInt(t.m_AnimateMisc2);
        w.End();
        ++texts;
    }

    out += "</applet>";
    out += kLineEnd;
    out += "</P>";
    out += kLineEnd;
    return out;
}
