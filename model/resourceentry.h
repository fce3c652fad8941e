#pragma once
// One support file that the generated HTML needs beside the page.

#include <string>

struct CResourceEntry {
    std::string m_strName;       // the file name
    std::string m_strLocalPath;  // the folder that holds it here, ending in '/'
    std::string m_strWebPath;    // the prefix the page uses for it: empty or ending in "/"

    bool operator==(const CResourceEntry&) const = default;
};
