#include "model/pageletconfigfile.h"

#include "platform/base/asciicase.h"
#include "platform/base/files.h"
#include "platform/base/memory.h"
#include "platform/base/numbers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace {

constexpr std::string_view kDescriptionBegin = "========== Description Part Begin ==========";
constexpr std::string_view kDescriptionEnd = "========== Description Part End ==========";
constexpr std::string_view kParameterBegin = "========== Parameter Part Begin ==========";
constexpr std::string_view kParameterEnd = "========== Parameter Part End ==========";
constexpr std::string_view kResourceBegin = "========== Resource Part Begin ==========";
constexpr std::string_view kResourceEnd = "========== Resource Part End ==========";
constexpr std::string_view kHtmlBegin = "========== HTML Part Begin ==========";
constexpr std::string_view kHtmlEnd = "========== HTML Part End ==========";
constexpr std::string_view kSegmentEnd = "===== Segment End =====";
constexpr std::string_view kResourceNumber = "Resource Number";
constexpr std::string_view kSegmentNumber = "Segment Number";
constexpr std::string_view kSegmentPosition = "Segment Position";
constexpr std::string_view kLineEnd = "\r\n";

// Large enough that a file of a hundred megabytes takes a hundred reads and
// writes, small enough not to matter beside the tables.
constexpr size_t kChunkSize = size_t(1) << 20;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// A key line has a "=": the key is before the first one, the value after it.
bool SplitKeyLine(std::string_view line, std::string_view& key, std::string_view& value)
{
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    key = Trim(line.substr(0, equals));
    value = Trim(line.substr(equals + 1));
    return true;
}

// The counts are 16-bit in the format, so a negative one wraps around; a
// larger one is taken as it is, since a list can hold more than that.
long long CountOf(std::string_view value)
{
    const long long count = ParseLeadingInt(value);
    return count < 0 ? ((count % 65536) + 65536) % 65536 : count;
}

CResourceEntry ResourceOf(std::string_view line)
{
    const size_t first = line.find('=');
    const size_t last = line.rfind('=');
    CResourceEntry entry;
    entry.m_strName = Trim(line.substr(0, first));
    if (first == last) {
        entry.m_strLocalPath = Trim(line.substr(first + 1));
    } else {
        entry.m_strLocalPath = Trim(line.substr(first + 1, last - first - 1));
        entry.m_strWebPath = Trim(line.substr(last + 1));
    }
    return entry;
}

} // namespace

// Hands out the lines of a text one by one, from memory or streamed from a
// file. A line ends at LF, at CR LF or at a lone CR; the end is not part of
// the line. A line is valid until the next call.
class CPageletConfigFile::CLineReader {
public:
    explicit CLineReader(std::string_view text) : m_data(text.data()), m_end(text.size()), m_size(text.size()) {}
    CLineReader(std::FILE* file, size_t size)
        : m_file(file), m_buffer(std::make_unique_for_overwrite<char[]>(kChunkSize)), m_size(size) {}

    // At most how many bytes are still to come, as far as the size known at
    // the start tells.
    size_t Remaining() const
    {
        const size_t consumed = m_consumed + m_pos;
        return consumed < m_size ? m_size - consumed : 0;
    }

    bool Next(std::string_view& line)
    {
        if (m_afterCR) {
            // The CR that ended the last line was the last byte of a chunk.
            if (m_pos == m_end && !Refill())
                return false;
            m_afterCR = false;
            if (m_data[m_pos] == '\n')
                ++m_pos;
        }
        m_carry.clear();
        bool carried = false;
        for (;;) {
            if (m_pos == m_end && !Refill()) {
                // A last line without a line end is still a line.
                line = m_carry;
                return carried;
            }
            const char* begin = m_data + m_pos;
            const char* end = m_data + m_end;
            const char* stop = FindLineEnd(begin, end);
            if (stop == end) {
                m_carry.append(begin, end);
                carried = true;
                m_pos = m_end;
                continue;
            }
            m_pos = size_t(stop - m_data) + 1;
            if (*stop == '\r') {
                if (m_pos < m_end) {
                    if (m_data[m_pos] == '\n')
                        ++m_pos;
                } else {
                    m_afterCR = true;
                }
            }
            if (carried) {
                m_carry.append(begin, stop);
                line = m_carry;
            } else {
                line = std::string_view(begin, size_t(stop - begin));
            }
            return true;
        }
    }

private:
    bool Refill()
    {
        if (!m_file)
            return false;
        // A read error ends the text like the end of the file does.
        const size_t n = std::fread(m_buffer.get(), 1, kChunkSize, m_file);
        if (n == 0)
            return false;
        m_consumed += m_end;
        m_data = m_buffer.get();
        m_pos = 0;
        m_end = n;
        m_nextLF = nullptr;
        return true;
    }

    const char* FindLineEnd(const char* begin, const char* end)
    {
        // The next LF is remembered, so a text of lone CRs is not searched
        // for an LF again at every line.
        if (!m_nextLF || m_nextLF < begin) {
            const void* lf = std::memchr(begin, '\n', size_t(end - begin));
            m_nextLF = lf ? static_cast<const char*>(lf) : end;
        }
        const void* cr = std::memchr(begin, '\r', size_t(m_nextLF - begin));
        return cr ? static_cast<const char*>(cr) : m_nextLF;
    }

    std::FILE* m_file = nullptr;
    std::unique_ptr<char[]> m_buffer;
    const char* m_data = nullptr;
    size_t m_pos = 0;
    size_t m_end = 0;
    const char* m_nextLF = nullptr;
    std::string m_carry;  // a line that runs over the end of a chunk
    size_t m_size = 0;      // of the whole text, as known at the start
    size_t m_consumed = 0;  // bytes of the chunks before the current one
    bool m_afterCR = false;
};

// Collects the written text; for a file it passes it on in large pieces.
class CPageletConfigFile::CTextSink {
public:
    explicit CTextSink(std::string& text) : m_text(text) {}
    CTextSink(std::string& buffer, CAtomicFile& file) : m_text(buffer), m_file(&file) {}

    void Put(std::string_view text)
    {
        m_text.append(text);
        if (m_file && m_text.size() >= kChunkSize)
            Flush();
    }

    // The format has no way to carry a line break inside a field, so a CR or
    // LF is written as a blank and the line structure stays whole.
    void PutField(std::string_view text)
    {
        if (!std::memchr(text.data(), '\r', text.size()) && !std::memchr(text.data(), '\n', text.size()))
            return Put(text);  // the usual field, with nothing to replace
        for (;;) {
            const size_t stop = text.find_first_of(kLineEnd);
            if (stop == std::string_view::npos)
                break;
            Put(text.substr(0, stop));
            Put(" ");
            text.remove_prefix(stop + 1);
        }
        Put(text);
    }

    void PutLine(std::string_view text)
    {
        Put(text);
        Put(kLineEnd);
    }

    // A big piece goes to the file directly instead of through the buffer.
    void PutLarge(std::string_view text)
    {
        if (!m_file || text.size() < kChunkSize) {
            Put(text);
            return;
        }
        Flush();
        m_ok = m_ok && m_file->Write(text);
    }

    bool Finish()
    {
        Flush();
        return m_ok;
    }

private:
    void Flush()
    {
        if (m_file) {
            m_ok = m_ok && m_file->Write(m_text);
            m_text.clear();
        }
    }

    std::string& m_text;
    CAtomicFile* m_file = nullptr;
    bool m_ok = true;
};

BOOL CPageletConfigFile::ReadFile(const std::string& path)
{
    // Only a regular file is read: a folder opens on this system, and a pipe
    // or a device could keep the reader waiting for ever.
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return FALSE;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return FALSE;
    if (::fstat(fileno(file), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(file);
        return FALSE;
    }
    CLineReader reader(file, size_t(st.st_size));
    Read(reader);
    std::fclose(file);
    return TRUE;
}

void CPageletConfigFile::ReadText(std::string_view text)
{
    CLineReader reader(text);
    Read(reader);
}

void CPageletConfigFile::Read(CLineReader& reader)
{
    // Each part goes on from the line where the one before it stopped; a
    // missing begin marker uses up the rest of the text, so the later parts
    // read as absent.
    ReadTablePart(reader, kDescriptionBegin, kDescriptionEnd, m_mapDescription);
    ReadTablePart(reader, kParameterBegin, kParameterEnd, m_mapParameters);
    ReadResourcePart(reader);
    ReadHtmlPart(reader);
}

namespace {

template <class Reader>
bool SkipTo(Reader& reader, std::string_view marker)
{
    std::string_view line;
    while (reader.Next(line)) {
        if (EqualsNoCase(line, marker))
            return true;
    }
    return false;
}

// Reads on to the key line of the count. Stops at the part's end marker,
// which leaves the count at 0; atEnd tells that the marker is used up.
template <class Reader>
long long ReadCount(Reader& reader, std::string_view countKey, std::string_view endMarker, bool& atEnd)
{
    std::string_view line, key, value;
    while (reader.Next(line)) {
        if (EqualsNoCase(line, endMarker)) {
            atEnd = true;
            return 0;
        }
        if (SplitKeyLine(line, key, value) && EqualsNoCase(key, countKey))
            return CountOf(value);
    }
    return 0;
}

} // namespace

void CPageletConfigFile::ReadTablePart(CLineReader& reader, std::string_view begin, std::string_view end,
                                       CTextTable& table)
{
    if (!SkipTo(reader, begin))
        return;
    // No key line is shorter than " = " and its line end; most of a large
    // design's file is this part, so its entries get room at once.
    if (&table == &m_mapParameters)
        table.ReserveEntries(table.GetCount() + std::min<size_t>(reader.Remaining() / 5, size_t(1) << 28));
    std::string_view line, key, value;
    while (reader.Next(line)) {
        if (EqualsNoCase(line, end))
            return;
        if (SplitKeyLine(line, key, value))
            table.Set(key, value);
    }
}

void CPageletConfigFile::ReadResourcePart(CLineReader& reader)
{
    if (!SkipTo(reader, kResourceBegin))
        return;
    bool atEnd = false;
    const long long count = ReadCount(reader, kResourceNumber, kResourceEnd, atEnd);
    if (count > 0) {
        // The list grows by the lines actually there, never by the count
        // alone, and ends up with exactly the entries read.
        size_t read = 0;
        std::string_view line;
        while (!atEnd && (long long)read < count && reader.Next(line)) {
            if (EqualsNoCase(line, kResourceEnd)) {
                atEnd = true;
            } else if (line.find('=') != std::string_view::npos) {
                if (read < m_aResources.size())
                    m_aResources[read] = ResourceOf(line);
                else
                    m_aResources.push_back(ResourceOf(line));
                ++read;
            }
        }
        m_aResources.resize(std::min(read, m_aResources.size()));
    }
    if (!atEnd)
        SkipTo(reader, kResourceEnd);
}

void CPageletConfigFile::ReadHtmlPart(CLineReader& reader)
{
    if (!SkipTo(reader, kHtmlBegin))
        return;
    bool atEnd = false;
    const long long count = ReadCount(reader, kSegmentNumber, kHtmlEnd, atEnd);
    if (count > 0) {
        size_t read = 0;
        std::string_view line, key, value;
        while (!atEnd && (long long)read < count) {
            bool found = false;
            while (reader.Next(line)) {
                if (EqualsNoCase(line, kHtmlEnd)) {
                    atEnd = true;
                    break;
                }
                if (SplitKeyLine(line, key, value) && EqualsNoCase(key, kSegmentPosition)) {
                    found = true;
                    break;
                }
            }
            if (!found)
                break;
            if (read == m_aSegments.size())
                m_aSegments.emplace_back();
            CHtmlSegment& segment = m_aSegments[read++];
            segment.m_strPosition = value;
            // The body runs to its end marker, or to the end of the text.
            segment.m_strBody.clear();
            // A body is most of what is left of the file: room is made for
            // that at once instead of copying a large block again and again.
            // Line ends may grow from LF to CR LF, which is the slack.
            const size_t room = std::min<size_t>(reader.Remaining() + reader.Remaining() / 8 + 64, size_t(1) << 32);
            segment.m_strBody.reserve(room);
            AdviseLargeBuffer(segment.m_strBody.data(), segment.m_strBody.capacity());
            while (reader.Next(line) && !EqualsNoCase(line, kSegmentEnd)) {
                segment.m_strBody.append(line);
                segment.m_strBody.append(kLineEnd);
            }
            if (segment.m_strBody.capacity() > 2 * segment.m_strBody.size() + 4096)
                segment.m_strBody.shrink_to_fit();  // a short body of a long file
        }
        m_aSegments.resize(std::min(read, m_aSegments.size()));
    }
    if (!atEnd)
        SkipTo(reader, kHtmlEnd);
}

BOOL CPageletConfigFile::WriteFile(const std::string& path) const
{
    CAtomicFile file;
    if (!file.Open(path))
        return FALSE;
    std::string buffer;
    buffer.reserve(kChunkSize * 2);
    CTextSink sink(buffer, file);
    Write(sink);
    if (!sink.Finish())
        return FALSE;  // the temporary goes with the file object
    return file.Commit() ? TRUE : FALSE;
}

std::string CPageletConfigFile::WriteText() const
{
    std::string text;
    CTextSink sink(text);
    Write(sink);
    sink.Finish();
    return text;
}

void CPageletConfigFile::Write(CTextSink& sink) const
{
    const auto writeTable = [&sink](const CTextTable& table) {
        table.ForEach([&sink](std::string_view key, std::string_view value) {
            sink.PutField(key);
            sink.Put(" = ");
            sink.PutField(value);
            sink.Put(kLineEnd);
        });
    };
    const auto writeEnd = [&sink](std::string_view marker) {
        sink.PutLine(marker);
        sink.Put(kLineEnd);
    };

    sink.PutLine(kDescriptionBegin);
    writeTable(m_mapDescription);
    writeEnd(kDescriptionEnd);

    sink.PutLine(kParameterBegin);
    writeTable(m_mapParameters);
    writeEnd(kParameterEnd);

    sink.PutLine(kResourceBegin);
    sink.Put("Resource Number = ");
    sink.PutLine(FormatInt((long long)m_aResources.size()));
    for (const CResourceEntry& entry : m_aResources) {
        // An entry with an empty name and web path and a folder of equals
        // signs could spell the end marker, which is never read as an entry;
        // a leading blank, which the reader trims, keeps it an entry.
        if (entry.m_strName.size() + entry.m_strLocalPath.size() + entry.m_strWebPath.size() + 2 ==
            kResourceEnd.size()) {
            std::string line = entry.m_strName + "=" + entry.m_strLocalPath + "=" + entry.m_strWebPath;
            for (char& c : line) {
                if (c == '\r' || c == '\n')
                    c = ' ';
            }
            if (EqualsNoCase(line, kResourceEnd))
                sink.Put(" ");
        }
        sink.PutField(entry.m_strName);
        sink.Put("=");
        sink.PutField(entry.m_strLocalPath);
        sink.Put("=");
        sink.PutField(entry.m_strWebPath);
        sink.Put(kLineEnd);
    }
    writeEnd(kResourceEnd);

    sink.PutLine(kHtmlBegin);
    sink.Put("Segment Number = ");
    sink.PutLine(FormatInt((long long)m_aSegments.size()));
    for (const CHtmlSegment& segment : m_aSegments) {
        sink.Put("Segment Position = ");
        sink.PutField(segment.m_strPosition);
        sink.Put(kLineEnd);
        sink.PutLarge(segment.m_strBody);
        // The end marker must stay a line of its own.
        if (!segment.m_strBody.empty() && !segment.m_strBody.ends_with(kLineEnd))
            sink.Put(kLineEnd);
        sink.PutLine(kSegmentEnd);
    }
    writeEnd(kHtmlEnd);
}

std::string CPageletConfigFile::GetDescription(const std::string& key)
{
    std::string_view value;
    if (m_mapDescription.Lookup(key, value))
        return std::string(value);
    m_mapDescription.Set(key, std::string_view());
    return std::string();
}

void CPageletConfigFile::SetDescription(const std::string& key, const std::string& value)
{
    m_mapDescription.Set(key, value);
}

void CPageletConfigFile::SetParameter(std::string_view key, std::string_view value)
{
    m_mapParameters.Set(key, value);
}

std::string_view CPageletConfigFile::LookupParameter(std::string_view key, std::string_view defaultValue) const
{
    std::string_view value;
    return m_mapParameters.Lookup(key, value) ? value : defaultValue;
}

void CPageletConfigFile::RemoveAllParameters()
{
    // The table is refilled at once, to about the same size.
    m_mapParameters.Clear();
}

void CPageletConfigFile::RemoveAllResources()
{
    m_aResources.clear();
}

void CPageletConfigFile::AddResource(const std::string& name, const std::string& localFolder,
                                     const std::string& webPath)
{
    m_aResources.push_back(CResourceEntry{name, localFolder, webPath});
}

int CPageletConfigFile::GetResourceCount() const
{
    return int(m_aResources.size());
}

std::string CPageletConfigFile::GetResourceName(int index) const
{
    return index >= 0 && size_t(index) < m_aResources.size() ? m_aResources[size_t(index)].m_strName : std::string();
}

std::string CPageletConfigFile::GetResourceLocalPath(int index) const
{
    return index >= 0 && size_t(index) < m_aResources.size() ? m_aResources[size_t(index)].m_strLocalPath
                                                             : std::string();
}

std::string CPageletConfigFile::GetResourceWebPath(int index) const
{
    return index >= 0 && size_t(index) < m_aResources.size() ? m_aResources[size_t(index)].m_strWebPath
                                                             : std::string();
}

const CResourceEntry* CPageletConfigFile::FindResource(const std::string& name) const
{
    for (const CResourceEntry& entry : m_aResources) {
        if (entry.m_strName == name)
            return &entry;
    }
    return nullptr;
}

std::string CPageletConfigFile::GetResourceLocalPathByName(const std::string& name) const
{
    const CResourceEntry* entry = FindResource(name);
    return entry ? entry->m_strLocalPath : std::string();
}

std::string CPageletConfigFile::GetResourceWebPathByName(const std::string& name) const
{
    const CResourceEntry* entry = FindResource(name);
    return entry ? entry->m_strWebPath : std::string();
}

void CPageletConfigFile::RemoveAllSegments()
{
    m_aSegments.clear();
}

void CPageletConfigFile::AddSegment(std::string position, std::string body)
{
    // Taken over, not copied: a large design's block is tens of megabytes.
    m_aSegments.push_back(CHtmlSegment{std::move(position), std::move(body)});
}

int CPageletConfigFile::GetSegmentCount() const
{
    return int(m_aSegments.size());
}

std::string CPageletConfigFile::GetSegmentPosition(int index) const
{
    return index >= 0 && size_t(index) < m_aSegments.size() ? m_aSegments[size_t(index)].m_strPosition
                                                            : std::string();
}

std::string CPageletConfigFile::GetSegmentBody(int index) const
{
    return index >= 0 && size_t(index) < m_aSegments.size() ? m_aSegments[size_t(index)].m_strBody : std::string();
}
