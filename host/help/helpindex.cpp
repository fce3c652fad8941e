#include "host/help/helpindex.h"

#include "platform/base/asciicase.h"

#include <charconv>

namespace {

std::vector<std::string_view> SplitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            break;
        start = tab + 1;
    }
    return fields;
}

} // namespace

bool IsHelpPageName(std::string_view file)
{
    constexpr std::string_view kSuffix = ".html";
    if (file.size() <= kSuffix.size() || file.substr(file.size() - kSuffix.size()) != kSuffix)
        return false;
    if (file.find('/') != std::string_view::npos || file.find('\\') != std::string_view::npos ||
        file.find("..") != std::string_view::npos || file.front() == '.')
        return false;
    for (char c : file)
        if (static_cast<unsigned char>(c) < 0x20)
            return false;
    return true;
}

CHelpIndex CHelpIndex::Parse(std::string_view text)
{
    CHelpIndex index;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::vector<std::string_view> fields = SplitTabs(line);
        if (fields.size() != 3)
            continue;
        if (fields[0] == "page" && IsHelpPageName(fields[1]) && !fields[2].empty()) {
            index.m_contents.push_back({std::string(fields[1]), std::string(fields[2])});
        } else if (fields[0] == "topic" && IsHelpPageName(fields[2])) {
            std::uint32_t number = 0;
            const auto [end, error] = std::from_chars(fields[1].data(), fields[1].data() + fields[1].size(), number);
            if (error == std::errc() && end == fields[1].data() + fields[1].size() && !fields[1].empty())
                index.m_topics[number] = std::string(fields[2]);
        } else if (fields[0] == "keyword" && !fields[1].empty() && IsHelpPageName(fields[2])) {
            index.m_keywords.push_back({std::string(fields[1]), std::string(fields[2])});
        }
    }
    return index;
}

std::string CHelpIndex::PageOfTopic(std::uint32_t topic) const
{
    const auto found = m_topics.find(topic);
    return found == m_topics.end() ? std::string() : found->second;
}

std::string CHelpIndex::TitleOf(const std::string& file) const
{
    for (const CHelpPage& page : m_contents)
        if (page.file == file)
            return page.title;
    return file;
}

std::vector<CHelpKeyword> CHelpIndex::FindKeywords(std::string_view text) const
{
    const std::string wanted = FoldAscii(text);
    std::vector<CHelpKeyword> found;
    for (const CHelpKeyword& entry : m_keywords)
        if (FoldAscii(entry.keyword).find(wanted) != std::string::npos)
            found.push_back(entry);
    return found;
}
