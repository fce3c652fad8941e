#pragma once
// Letter case of ASCII text, as file names, registry keys, member names and
// file markers compare it: only A to Z fold, every other byte stays.

#include <string>
#include <string_view>

inline char FoldAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

inline std::string FoldAscii(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = FoldAscii(c);
    return folded;
}

inline bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}
