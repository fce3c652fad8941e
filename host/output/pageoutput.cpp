#include "host/output/pageoutput.h"

#include "host/document/pagelet.h"
#include "platform/base/files.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr const char* kPosStyle = "style";
constexpr const char* kPosScript = "script";
constexpr const char* kPosCursor = "cursor";
// Output mode 1: the HTML refers to the support files by their web paths.
constexpr short kWebPaths = 1;

} // namespace

CHtmlSegmentTexts GatherSegments(const CPagelet& pagelet)
{
    CHtmlSegmentTexts texts;
    const short count = pagelet.GetHTMLSegmentNumber();
    for (short i = 0; i < count; ++i) {
        const std::string position = pagelet.GetHTMLPosition(i);
        if (position == kPosStyle)
            texts.style = pagelet.GetHTMLBody(i, kWebPaths);
        else if (position == kPosScript)
            texts.script = pagelet.GetHTMLBody(i, kWebPaths);
        else if (position == kPosCursor)
            texts.cursor = pagelet.GetHTMLBody(i, kWebPaths);
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

bool WriteNewPage(const CPagelet& pagelet, const std::string& pagePath)
{
    const std::string resources = ResourceConfigPath(pagePath);
    pagelet.WriteConfigFile(resources);
    DeleteFileAt(resources);
    const std::string page = ComposeNewPage(pagelet.m_strPageletName, GatherSegments(pagelet));
    return WritePageText(pagePath, page);
}

void CopySupportFilesBeside(const CPagelet& pagelet, const std::string& pagePath)
{
    const std::string resources = ResourceConfigPath(pagePath);
    pagelet.WriteConfigFileEx(resources, 1);
    DeleteFileAt(resources);
}

std::string ToCrLfLines(std::string_view raw)
{
    std::string text;
    text.reserve(raw.size() + raw.size() / 16);
    size_t start = 0;
    while (start < raw.size()) {
        size_t end = raw.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = raw.size();
        std::string_view line = raw.substr(start, end - start);
        if (!last && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        text.append(line);
        text += "\r\n";
        start = end + 1;
    }
    return text;
}

EPageRead ReadPageText(const std::string& path, std::string& text)
{
    text.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? EPageRead::NotFound : EPageRead::CannotOpen;
    // A pipe or a device would never end; a folder is no page.
    if (!S_ISREG(info.st_mode))
        return EPageRead::CannotOpen;
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return EPageRead::CannotOpen;
    std::string raw;
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        raw.append(buffer, n);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed)
        return EPageRead::ReadFailed;
    text = ToCrLfLines(raw);
    return EPageRead::Read;
}

bool WritePageText(const std::string& path, std::string_view text)
{
    return WriteFileAtomically(path, text);
}
