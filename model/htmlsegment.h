#pragma once
// A piece of HTML that the pagelet supplies, with the place where it goes.

#include <string>

struct CHtmlSegment {
    std::string m_strPosition;  // "style", "script" or "cursor"
    std::string m_strBody;      // the HTML, each line ending in CR LF

    bool operator==(const CHtmlSegment&) const = default;
};
