#include "platform/registry/registryhive.h"

#include "platform/base/numbers.h"

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr size_t kHexLineWidth = 76;  // wrap hex lists about where regedit does

bool IsControl(unsigned char c)
{
    return c < 0x20 || c == 0x7F;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimLeft(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return text.substr(i);
}

std::string_view TrimRight(std::string_view text)
{
    size_t n = text.size();
    while (n > 0 && IsBlank(text[n - 1]))
        --n;
    return text.substr(0, n);
}

std::string_view Trim(std::string_view text)
{
    return TrimRight(TrimLeft(text));
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A DWORD of one to eight hexadecimal digits.
bool ParseHexDword(std::string_view text, DWORD& value)
{
    if (text.empty() || text.size() > 8)
        return false;
    value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0)
            return false;
        value = (value << 4) | DWORD(digit);
    }
    return true;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && CRegistryKey::Fold(text.substr(0, prefix.size())) == prefix;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        size_t length;
        unsigned min;
        unsigned code;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            length = 2, min = 0x80, code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3, min = 0x800, code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4, min = 0x10000, code = c & 0x07;
        } else {
            return false;
        }
        if (text.size() - i < length)
            return false;
        for (size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Reads a double-quoted text starting at text[pos] == '"'. A backslash takes
// the next character as it is (the writer escapes only '\' and '"').
bool ReadQuoted(std::string_view text, size_t& pos, std::string& out)
{
    if (pos >= text.size() || text[pos] != '"')
        return false;
    out.clear();
    for (size_t i = pos + 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            if (++i >= text.size())
                return false;
            out += text[i];
        } else if (c == '"') {
            pos = i + 1;
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

void AppendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    out += '"';
}

// The comma-separated bytes of a hex value, continuation lines already joined.
bool ParseHexBytes(std::string_view list, std::string& bytes)
{
    bytes.clear();
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        if (comma == std::string_view::npos)
            comma = list.size();
        const std::string_view token = Trim(list.substr(start, comma - start));
        if (!token.empty()) {
            if (token.size() > 2)
                return false;
            int value = 0;
            for (char c : token) {
                const int digit = HexDigit(c);
                if (digit < 0)
                    return false;
                value = value * 16 + digit;
            }
            bytes += char(value);
        }
        start = comma + 1;
    }
    return true;
}

// A line that can only be the continuation of a wrapped hex list: digits,
// commas and blanks, with at most a backslash at its end.
bool IsHexContinuation(std::string_view line)
{
    std::string_view body = Trim(line);
    if (body.empty())
        return false;
    if (body.back() == '\\')
        body.remove_suffix(1);
    for (char c : body) {
        if (HexDigit(c) < 0 && c != ',' && !IsBlank(c))
            return false;
    }
    return true;
}

class CLineReader {
public:
    explicit CLineReader(std::string_view text) : m_text(text) {}
    bool AtEnd() const { return m_pos >= m_text.size(); }
    std::string_view Peek() const
    {
        size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            end = m_text.size();
        std::string_view line = m_text.substr(m_pos, end - m_pos);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        return line;
    }
    void Skip()
    {
        const size_t end = m_text.find('\n', m_pos);
        m_pos = end == std::string_view::npos ? m_text.size() : end + 1;
    }
    std::string_view Next()
    {
        const std::string_view line = Peek();
        Skip();
        return line;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

class CHiveReader {
public:
    CHiveReader(CRegistryHive& hive, std::string_view rootName) : m_hive(hive), m_rootName(CRegistryKey::Fold(rootName)) {}

    void Read(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        CLineReader lines(text);
        while (!lines.AtEnd()) {
            const std::string_view line = TrimLeft(lines.Next());
            if (line.empty())
                continue;
            if (line[0] == '[')
                m_current = OpenSection(line);
            else if (line[0] == '"' || line[0] == '@')
                ReadValue(line, lines);
            // Anything else (the header, comments, junk) carries nothing.
        }
    }

private:
    // The key a section line names, or null when the section is to be skipped.
    CRegistryKey* OpenSection(std::string_view line)
    {
        const size_t close = line.rfind(']');
        if (close == std::string_view::npos || !TrimRight(line.substr(close + 1)).empty())
            return nullptr;
        const std::string_view path = line.substr(1, close - 1);
        const size_t slash = path.find('\\');
        const std::string_view root = path.substr(0, slash);
        if (CRegistryKey::Fold(root) != m_rootName)
            return nullptr;
        std::vector<std::string> names;
        if (slash != std::string_view::npos && !CRegistryHive::SplitPath(path.substr(slash + 1), names))
            return nullptr;
        bool created = false;
        return &m_hive.Create(names, created);
    }

    void ReadValue(std::string_view line, CLineReader& lines)
    {
        size_t pos = 0;
        std::string name;
        if (line[0] == '@')
            pos = 1;
        else if (!ReadQuoted(line, pos, name))
            return;
        std::string_view rest = TrimLeft(line.substr(pos));
        if (rest.empty() || rest[0] != '=')
            return;
        rest = TrimLeft(rest.substr(1));

        DWORD type = REG_BINARY_TYPE;
        std::string data;
        if (!rest.empty() && rest[0] == '"') {
            size_t end = 0;
            if (!ReadQuoted(rest, end, data) || !TrimRight(rest.substr(end)).empty())
                return;
            data += '\0';
            type = REG_SZ_TYPE;
        } else if (StartsWithNoCase(rest, "dword:")) {
            DWORD value = 0;
            if (!ParseHexDword(TrimRight(rest.substr(6)), value))
                return;
            for (int i = 0; i < 4; ++i)
                data += char((value >> (8 * i)) & 0xFF);
            type = REG_DWORD_TYPE;
        } else if (StartsWithNoCase(rest, "hex")) {
            rest.remove_prefix(3);
            if (!rest.empty() && rest[0] == '(') {
                const size_t close = rest.find(')');
                if (close == std::string_view::npos || !ParseHexDword(rest.substr(1, close - 1), type))
                    return;
                rest.remove_prefix(close + 1);
            }
            if (rest.empty() || rest[0] != ':')
                return;
            if (!ReadHexList(rest.substr(1), lines, data))
                return;
        } else {
            return;
        }
        if (m_current && CRegistryHive::IsValidValueName(name))
            m_current->SetValue(name, type, std::move(data));
    }

    // Joins the continuation lines of a wrapped list and reads its bytes. A
    // list whose continuation is missing is incomplete and not taken.
    static bool ReadHexList(std::string_view first, CLineReader& lines, std::string& data)
    {
        std::string joined;
        std::string_view part = TrimRight(first);
        while (!part.empty() && part.back() == '\\') {
            part.remove_suffix(1);
            joined += part;
            joined += ',';
            if (lines.AtEnd() || !IsHexContinuation(lines.Peek()))
                return false;
            part = TrimRight(lines.Next());
        }
        joined += part;
        return ParseHexBytes(joined, data);
    }

    // The numbers of registry.h, kept here so the hive stands on its own.
    static constexpr DWORD REG_SZ_TYPE = 1;
    static constexpr DWORD REG_BINARY_TYPE = 3;
    static constexpr DWORD REG_DWORD_TYPE = 4;

    CRegistryHive& m_hive;
    std::string m_rootName;
    CRegistryKey* m_current = nullptr;
};

std::string HexDword(DWORD value, bool leadingZeros)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8)
        text += FormatHexByte((value >> shift) & 0xFF);
    if (!leadingZeros) {
        const size_t first = text.find_first_not_of('0');
        text = first == std::string::npos ? "0" : text.substr(first);
    }
    return text;
}

// Text that reads back as the same bytes from a quoted string on one line.
bool IsPrintableString(const std::string& data)
{
    if (data.empty() || data.back() != '\0')
        return false;
    const std::string_view text(data.data(), data.size() - 1);
    for (char c : text) {
        if (IsControl(static_cast<unsigned char>(c)))
            return false;
    }
    return IsValidUtf8(text);
}

void AppendValue(std::string& out, const CRegistryValue& value)
{
    const size_t lineStart = out.size();
    if (value.name.empty())
        out += '@';
    else
        AppendQuoted(out, value.name);
    out += '=';
    if (value.type == 1 && IsPrintableString(value.data)) {
        AppendQuoted(out, std::string_view(value.data.data(), value.data.size() - 1));
    } else if (value.type == 4 && value.data.size() == 4) {
        DWORD number = 0;
        for (int i = 3; i >= 0; --i)
            number = (number << 8) | static_cast<unsigned char>(value.data[size_t(i)]);
        out += "dword:" + HexDword(number, true);
    } else {
        out += value.type == 3 ? std::string("hex:") : "hex(" + HexDword(value.type, false) + "):";
        size_t column = out.size() - lineStart;
        for (size_t i = 0; i < value.data.size(); ++i) {
            if (i > 0) {
                out += ',';
                if (++column > kHexLineWidth) {
                    out += "\\\r\n  ";
                    column = 2;
                }
            }
            out += FormatHexByte(static_cast<unsigned char>(value.data[i]));
            column += 2;
        }
    }
    out += "\r\n";
}

void AppendKey(std::string& out, const CRegistryKey& key, const std::string& path, bool isRoot)
{
    if (!isRoot || key.ValueCount() > 0) {
        out += '[';
        out += path;
        out += "]\r\n";
        for (size_t i = 0; i < key.ValueCount(); ++i)
            AppendValue(out, key.Value(i));
        out += "\r\n";
    }
    for (size_t i = 0; i < key.SubKeyCount(); ++i) {
        const CRegistryKey& sub = key.SubKey(i);
        AppendKey(out, sub, path + "\\" + sub.Name(), false);
    }
}

} // namespace

CRegistryKey* CRegistryHive::Find(const std::vector<std::string>& path)
{
    CRegistryKey* key = &m_root;
    for (const std::string& name : path) {
        key = key->FindSubKey(name);
        if (!key)
            return nullptr;
    }
    return key;
}

const CRegistryKey* CRegistryHive::Find(const std::vector<std::string>& path) const
{
    return const_cast<CRegistryHive*>(this)->Find(path);
}

CRegistryKey& CRegistryHive::Create(const std::vector<std::string>& path, bool& created)
{
    created = false;
    CRegistryKey* key = &m_root;
    for (const std::string& name : path) {
        if (CRegistryKey* sub = key->FindSubKey(name)) {
            key = sub;
        } else {
            key = &key->CreateSubKey(name);
            created = true;
        }
    }
    return *key;
}

void CRegistryHive::Parse(std::string_view text, std::string_view rootName)
{
    m_root.RemoveAllSubKeys();
    m_root.RemoveAllValues();
    CHiveReader(*this, rootName).Read(text);
}

std::string CRegistryHive::ToText(std::string_view rootName) const
{
    std::string out(kHeader);
    out += "\r\n\r\n";
    AppendKey(out, m_root, std::string(rootName), true);
    return out;
}

bool CRegistryHive::IsValidKeyName(std::string_view name)
{
    if (name.empty())
        return false;
    for (char c : name) {
        if (c == '\\' || IsControl(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool CRegistryHive::IsValidValueName(std::string_view name)
{
    for (char c : name) {
        if (IsControl(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

bool CRegistryHive::SplitPath(std::string_view path, std::vector<std::string>& names)
{
    names.clear();
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('\\', start);
        if (slash == std::string_view::npos)
            slash = path.size();
        const std::string_view name = path.substr(start, slash - start);
        if (!name.empty()) {
            if (!IsValidKeyName(name) || names.size() >= kMaxDepth)
                return false;
            names.emplace_back(name);
        }
        start = slash + 1;
    }
    return true;
}
