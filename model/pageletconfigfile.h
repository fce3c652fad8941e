#pragma once
// The pagelet configuration file (.pgt) in memory: the description and
// parameter tables, the support files and the HTML segments, with the reader
// and the writer of the file.

#include "model/htmlsegment.h"
#include "model/resourceentry.h"
#include "model/texttable.h"
#include "platform/base/types.h"

#include <string>
#include <string_view>
#include <vector>

class CPageletConfigFile {
public:
    // Reads the four parts into the tables and lists without emptying them
    // first: keys are added or replaced, the lists take what the file holds.
    // FALSE only when the file cannot be opened.
    BOOL ReadFile(const std::string& path);
    // Replaces the file as a whole; on any failure the old file stays as it
    // was and the result is FALSE.
    BOOL WriteFile(const std::string& path) const;

    // The same reader and writer, on text in memory.
    void ReadText(std::string_view text);
    std::string WriteText() const;

    // A get of an absent key adds it with an empty value: the pagelet's
    // properties exist as soon as anyone asks for them.
    std::string GetDescription(const std::string& key);
    void SetDescription(const std::string& key, const std::string& value);

    void SetParameter(std::string_view key, std::string_view value);
    std::string_view LookupParameter(std::string_view key, std::string_view defaultValue) const;
    void RemoveAllParameters();

    void RemoveAllResources();
    void AddResource(const std::string& name, const std::string& localFolder, const std::string& webPath);
    int GetResourceCount() const;
    // "" when the index is out of range.
    std::string GetResourceName(int index) const;
    std::string GetResourceLocalPath(int index) const;
    std::string GetResourceWebPath(int index) const;
    // Of the first entry with exactly this name; "" when there is none.
    std::string GetResourceLocalPathByName(const std::string& name) const;
    std::string GetResourceWebPathByName(const std::string& name) const;

    void RemoveAllSegments();
    void AddSegment(std::string position, std::string body);
    int GetSegmentCount() const;
    // "" when the index is out of range.
    std::string GetSegmentPosition(int index) const;
    std::string GetSegmentBody(int index) const;

    // The same tables and lists (table order does not matter, list order does).
    bool operator==(const CPageletConfigFile& other) const = default;

    CTextTable m_mapDescription;
    CTextTable m_mapParameters;
    std::vector<CResourceEntry> m_aResources;
    std::vector<CHtmlSegment> m_aSegments;

private:
    class CLineReader;
    class CTextSink;

    void Read(CLineReader& reader);
    void ReadTablePart(CLineReader& reader, std::string_view begin, std::string_view end, CTextTable& table);
    void ReadResourcePart(CLineReader& reader);
    void ReadHtmlPart(CLineReader& reader);
    void Write(CTextSink& sink) const;

    const CResourceEntry* FindResource(const std::string& name) const;
};
