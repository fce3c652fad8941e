// Whatever the help index holds, reading it neither crashes nor lets a
// page name out of the help folder.
#include "host/help/helpindex.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const CHelpIndex index = CHelpIndex::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const CHelpPage& page : index.Contents())
        if (!IsHelpPageName(page.file) || page.title.empty())
            std::abort();
    for (const CHelpKeyword& keyword : index.Keywords())
        if (!IsHelpPageName(keyword.file) || keyword.keyword.empty())
            std::abort();
    for (std::uint32_t topic : {0u, 43u, 98329u, 0xFFFFFFFFu}) {
        const std::string page = index.PageOfTopic(topic);
        if (!page.empty() && !IsHelpPageName(page))
            std::abort();
    }
    if (size > 0) {
        const std::string_view text(reinterpret_cast<const char*>(data), size < 8 ? size : 8);
        index.FindKeywords(text);
    }
    return 0;
}
