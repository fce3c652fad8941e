#include "platform/base/codepage.h"
#include "platform/base/memory.h"

namespace {

// Length of the well-formed UTF-8 sequence at s[i], or 0 when the bytes there
// are not one (overlong forms, surrogates and values above U+10FFFF included).
size_t ValidSequenceLength(std::string_view s, size_t i, char32_t& cp)
{
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    const unsigned char c = b(0);
    const size_t left = s.size() - i;
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    auto cont = [&](size_t k) { return k < left && (b(k) & 0xC0) == 0x80; };
    if (c >= 0xC2 && c <= 0xDF) {
        if (!cont(1))
            return 0;
        cp = char32_t(c & 0x1F) << 6 | (b(1) & 0x3F);
        return 2;
    }
    if (c >= 0xE0 && c <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        cp = char32_t(c & 0x0F) << 12 | char32_t(b(1) & 0x3F) << 6 | (b(2) & 0x3F);
        if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))
            return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        cp = char32_t(c & 0x07) << 18 | char32_t(b(1) & 0x3F) << 12 | char32_t(b(2) & 0x3F) << 6 |
             (b(3) & 0x3F);
        if (cp < 0x10000 || cp > 0x10FFFF)
            return 0;
        return 4;
    }
    return 0;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

} // namespace

size_t MultiByteToWideBuffer(std::string_view bytes, char16_t* out)
{
    char16_t* const begin = out;
    const size_t n = bytes.size();
    size_t i = 0;
    while (i < n) {
        // Runs of ASCII, the bulk of every page and file, go straight across.
        while (i < n && static_cast<unsigned char>(bytes[i]) < 0x80)
            *out++ = char16_t(static_cast<unsigned char>(bytes[i++]));
        if (i >= n)
            break;
        char32_t cp = 0;
        const size_t length = ValidSequenceLength(bytes, i, cp);
        if (length == 0) {
            *out++ = char16_t(0xDC00 | static_cast<unsigned char>(bytes[i]));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *out++ = char16_t(0xD800 | (cp >> 10));
            *out++ = char16_t(0xDC00 | (cp & 0x3FF));
        } else {
            *out++ = char16_t(cp);
        }
        i += length;
    }
    return size_t(out - begin);
}

std::u16string MultiByteToWide(std::string_view bytes)
{
    // Never more 16-bit units than bytes: a 4-byte sequence gives two.
    std::u16string out(bytes.size(), u'\0');
    out.resize(MultiByteToWideBuffer(bytes, out.data()));
    return out;
}

namespace {

bool IsPairAt(std::u16string_view wide, size_t i)
{
    return wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
           wide[i + 1] <= 0xDFFF;
}

// Bytes of one unit (or pair) at i, and how many units it took.
size_t EncodedLength(std::u16string_view wide, size_t i, size_t& units)
{
    const char16_t u = wide[i];
    units = 1;
    if (u < 0x80)
        return 1;
    if (IsPairAt(wide, i)) {
        units = 2;
        return 4;
    }
    if (u >= 0xDC80 && u <= 0xDCFF)
        return 1;  // an escaped byte
    if (u >= 0xD800 && u <= 0xDFFF)
        return 3;  // U+FFFD
    return u < 0x800 ? 2 : 3;
}

} // namespace

std::string WideToMultiByte(std::u16string_view wide)
{
    // Measured first for one allocation of the exact size, then written
    // through a small buffer, so the text is not cleared before it is filled.
    size_t total = 0;
    for (size_t i = 0, units = 0; i < wide.size(); i += units)
        total += EncodedLength(wide, i, units);
    std::string out;
    out.reserve(total);
    AdviseLargeBuffer(out.data(), out.capacity());
    char buffer[4096];
    char* p = buffer;
    for (size_t i = 0; i < wide.size();) {
        if (p > buffer + sizeof buffer - 4) {
            out.append(buffer, size_t(p - buffer));
            p = buffer;
        }
        const char16_t u = wide[i];
        if (u < 0x80) {
            *p++ = char(u);
            ++i;
            continue;
        }
        char32_t cp;
        if (IsPairAt(wide, i)) {
            cp = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            i += 2;
        } else if (u >= 0xDC80 && u <= 0xDCFF) {
            *p++ = char(u & 0xFF);  // an escaped byte
            ++i;
            continue;
        } else {
            cp = (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u;
            ++i;
        }
        std::string encoded;
        AppendUtf8(encoded, cp);
        for (char c : encoded)
            *p++ = c;
    }
    out.append(buffer, size_t(p - buffer));
    return out;
}
