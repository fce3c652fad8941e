#include "host/shell/recentfilelist.h"

#include "platform/registry/profile.h"

#include <algorithm>

CRecentFileList::CRecentFileList(std::string section, std::string entryFormat, size_t size)
    : m_strSection(std::move(section)), m_strEntryFormat(std::move(entryFormat)), m_nSize(size)
{
}

std::string CRecentFileList::EntryName(size_t index) const
{
    std::string name = m_strEntryFormat;
    const size_t at = name.find("%d");
    if (at != std::string::npos)
        name.replace(at, 2, std::to_string(index + 1));
    return name;
}

void CRecentFileList::Add(const std::string& path)
{
    if (path.empty() || m_nSize == 0)
        return;
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > m_nSize)
        m_files.resize(m_nSize);
}

void CRecentFileList::Remove(size_t index)
{
    if (index < m_files.size())
        m_files.erase(m_files.begin() + std::ptrdiff_t(index));
}

void CRecentFileList::ReadList(const CProfile& profile)
{
    m_files.clear();
    for (size_t i = 0; i < m_nSize; ++i) {
        const std::string path = profile.GetProfileString(m_strSection, EntryName(i));
        if (!path.empty() && std::find(m_files.begin(), m_files.end(), path) == m_files.end())
            m_files.push_back(path);
    }
}

void CRecentFileList::WriteList(CProfile& profile) const
{
    for (size_t i = 0; i < m_nSize; ++i) {
        if (i < m_files.size())
            profile.WriteProfileString(m_strSection, EntryName(i), m_files[i]);
        else
            profile.DeleteProfileEntry(m_strSection, EntryName(i));
    }
}

std::string CRecentFileList::MenuText(size_t index, const std::string& currentFolder) const
{
    if (index >= m_files.size())
        return {};
    std::string shown = m_files[index];
    std::string folder = currentFolder;
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    if (!folder.empty() && shown.size() > folder.size() && shown.compare(0, folder.size(), folder) == 0 &&
        shown.find('/', folder.size()) == std::string::npos)
        shown = shown.substr(folder.size());
    // A '&' in a file name is shown, not taken as the mnemonic.
    std::string escaped;
    for (char c : shown) {
        if (c == '&')
            escaped += '&';
        escaped += c;
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}
