#include "host/output/pageoutput.h"

#include "applet/appletcodes.h"
#include "host/document/pagelet.h"
#include "platform/base/files.h"

namespace {

constexpr const char* kPosStyle = "style";
constexpr const char* kPosScript = "script";
constexpr const char* kPosCursor = "cursor";

} // namespace

CHtmlSegmentTexts GatherSegments(const CPagelet& pagelet, const CPublishOptions& options)
{
    const short mode = PublishedOutputMode(options);
    CHtmlSegmentTexts texts;
    const short count = pagelet.GetHTMLSegmentNumber();
    for (short i = 0; i < count; ++i) {
        const std::string position = pagelet.GetHTMLPosition(i);
        if (position == kPosStyle)
            texts.style = pagelet.GetHTMLBody(i, mode);
        else if (position == kPosScript)
            texts.script = pagelet.GetHTMLBody(i, mode);
        else if (position == kPosCursor)
            texts.cursor = pagelet.GetHTMLBody(i, mode);
    }
    return texts;
}

std::string PageTitle(const std::string& pagePath)
{
    const std::string name = PathFileName(pagePath);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ResourceConfigPath(const std::string& pagePath)
{
    return PathFolder(pagePath) + "/" + PageTitle(pagePath) + ".respgt";
}

std::string ComposeNewPage(const std::string& pageletName, const CHtmlSegmentTexts& segments)
{
    std::string page = "<HTML>\r\n<HEAD>\r\n<TITLE>";
    page += pageletName;
    page += "</TITLE>\r\n";
    page += segments.style;
    page += "\r\n";
    page += segments.script;
    page += "\r\n</HEAD>\r\n";
    page += "<BODY>\r\n";
    page += segments.cursor;
    page += "\r\n</BODY>\r\n";
    page += "</HTML>";
    return page;
}

std::string InsertionBlock(const std::string& html)
{
    return "<!--Insert By Norvane Glintra-->\r\n" + html + "\r\n<!--End of Glintra-->\r\n";
}

bool WriteNewPage(const CPagelet& pagelet, const std::string& pagePath, const CPublishOptions& options)
{
    const std::string resources = ResourceConfigPath(pagePath);
    pagelet.WriteConfigFile(resources);
    DeleteFileAt(resources);
    const std::string page = ComposeNewPage(pagelet.m_strPageletName, GatherSegments(pagelet, options));
    return WritePageText(pagePath, page);
}

void CopySupportFilesBeside(const CPagelet& pagelet, const std::string& pagePath)
{
    const std::string resources = ResourceConfigPath(pagePath);
    pagelet.WriteConfigFileEx(resources, 1);
    DeleteFileAt(resources);
}

std::optional<CSupportFile> PlayerSupportFile(const CPagelet& pagelet)
{
    for (short i = 0; i < pagelet.GetResourceNumber(); ++i) {
        if (pagelet.GetResourceName(i) == kAppletClassFile)
            return CSupportFile{kPlayerScriptFile, WithTrailingSlash(pagelet.GetResourceLocalPath(i)),
                                pagelet.GetResourceWebPath(i)};
    }
    return std::nullopt;
}

std::string CopyPlayerBeside(const CPagelet& pagelet, const std::string& pagePath)
{
    const std::string target = WithTrailingSlash(PathFolder(pagePath)) + kPlayerScriptFile;
    const std::optional<CSupportFile> player = PlayerSupportFile(pagelet);
    if (!player)
        return "The banner player " + target + " could not be copied: the widget names no applet class file.";
    const std::string source = player->localFolder + player->name;
    if (!CopyFileReplacing(source, target))
        return "The banner player could not be copied from " + source + " to " + target +
               ", so browsers without Java will not play the banners on this page.";
    return {};
}
