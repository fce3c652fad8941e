#pragma once
// The index of the program's help pages, read from help.idx in the help
// folder. One entry per line, fields separated by a tab; '#' starts a
// comment line:
//
//     page    <file>    <title>       the contents, in order
//     topic   <number>  <file>        the page of a help topic number
//     keyword <word>    <file>        an entry of the keyword search
//
// Lines that do not fit are skipped, so a damaged index still gives what
// it can.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct CHelpPage {
    std::string file;
    std::string title;
};

struct CHelpKeyword {
    std::string keyword;
    std::string file;
};

class CHelpIndex {
public:
    static CHelpIndex Parse(std::string_view text);

    const std::vector<CHelpPage>& Contents() const { return m_contents; }
    const std::vector<CHelpKeyword>& Keywords() const { return m_keywords; }
    // The page of a topic; empty when the index does not know it.
    std::string PageOfTopic(std::uint32_t topic) const;
    // The title of a page, or the file name when the contents lack it.
    std::string TitleOf(const std::string& file) const;
    // Keywords containing the text, without regard to letter case (ASCII),
    // in index order; every keyword for an empty text.
    std::vector<CHelpKeyword> FindKeywords(std::string_view text) const;
    bool Empty() const { return m_contents.empty(); }

private:
    std::vector<CHelpPage> m_contents;
    std::vector<CHelpKeyword> m_keywords;
    std::map<std::uint32_t, std::string> m_topics;
};

// A page file name the help window may open: a plain name inside the help
// folder, no path separators, no "..", ending in ".html".
bool IsHelpPageName(std::string_view file);
