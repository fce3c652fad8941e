#pragma once
// The most recently used widget files, most recent first, kept in the
// settings section "Recent File List" as "File1", "File2", ...

#include <string>
#include <vector>

class CProfile;

class CRecentFileList {
public:
    CRecentFileList(std::string section, std::string entryFormat, size_t size);

    // A file opened or saved comes first; an entry for the same file moves.
    void Add(const std::string& path);
    void Remove(size_t index);
    const std::vector<std::string>& Files() const { return m_files; }
    size_t Size() const { return m_nSize; }

    void ReadList(const CProfile& profile);
    // Writes every slot: the files, then the empty ones are removed.
    void WriteList(CProfile& profile) const;

    // The menu text of entry index: "&1 name", the path shortened to the
    // file name when it lies in the current folder.
    std::string MenuText(size_t index, const std::string& currentFolder) const;

private:
    std::string EntryName(size_t index) const;

    std::string m_strSection;
    std::string m_strEntryFormat;
    size_t m_nSize;
    std::vector<std::string> m_files;
};
