#pragma once
// Which files exist, asked once per path: designs use a few pictures many
// times, and one pass over a large design would otherwise ask the file
// system tens of thousands of times.

#include "platform/base/files.h"

#include <string>
#include <unordered_map>

class CExistingFiles {
public:
    bool Exists(const std::string& path)
    {
        const auto [known, added] = m_known.try_emplace(path, false);
        if (added)
            known->second = FileExists(path);
        return known->second;
    }
    // What this pass itself put there.
    void Made(const std::string& path) { m_known[path] = true; }

private:
    std::unordered_map<std::string, bool> m_known;
};
