#include "platform/automation/guid.h"

#include <cstring>

const GUID GUID_NULL{};
const IID IID_NULL{};
const IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID IID_IClassFactory{0x00000001, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

bool operator==(const GUID& a, const GUID& b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
           std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

namespace {

void AppendHex(std::string& out, std::uint64_t value, int digits)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int i = digits - 1; i >= 0; --i)
        out += hex[(value >> (4 * i)) & 0xF];
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool ReadHex(std::string_view text, size_t& pos, int digits, std::uint64_t& value)
{
    value = 0;
    for (int i = 0; i < digits; ++i, ++pos) {
        if (pos >= text.size())
            return false;
        const int v = HexValue(text[pos]);
        if (v < 0)
            return false;
        value = value << 4 | std::uint64_t(v);
    }
    return true;
}

} // namespace

std::string GuidToString(REFGUID g)
{
    std::string out = "{";
    AppendHex(out, g.Data1, 8);
    out += '-';
    AppendHex(out, g.Data2, 4);
    out += '-';
    AppendHex(out, g.Data3, 4);
    out += '-';
    AppendHex(out, g.Data4[0], 2);
    AppendHex(out, g.Data4[1], 2);
    out += '-';
    for (int i = 2; i < 8; ++i)
        AppendHex(out, g.Data4[i], 2);
    out += '}';
    return out;
}

bool GuidFromString(std::string_view text, GUID& guid)
{
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}')
            return false;
        text = text.substr(1, 36);
    }
    if (text.size() != 36)
        return false;
    GUID g;
    size_t pos = 0;
    std::uint64_t v = 0;
    auto dash = [&] { return pos < text.size() && text[pos++] == '-'; };
    if (!ReadHex(text, pos, 8, v))
        return false;
    g.Data1 = std::uint32_t(v);
    if (!dash() || !ReadHex(text, pos, 4, v))
        return false;
    g.Data2 = std::uint16_t(v);
    if (!dash() || !ReadHex(text, pos, 4, v))
        return false;
    g.Data3 = std::uint16_t(v);
    if (!dash())
        return false;
    for (int i = 0; i < 8; ++i) {
        if (i == 2 && !dash())
            return false;
        if (!ReadHex(text, pos, 2, v))
            return false;
        g.Data4[i] = std::uint8_t(v);
    }
    guid = g;
    return true;
}
