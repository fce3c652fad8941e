#include "platform/automation/bstr.h"

#include "platform/base/codepage.h"
#include "platform/base/memory.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// Layout: a 32-bit byte count, the characters, a terminating zero character.
std::uint32_t* Header(BSTR text)
{
    return reinterpret_cast<std::uint32_t*>(text) - 1;
}

BSTR AllocateBstr(UINT len)
{
    if (len > (std::numeric_limits<std::uint32_t>::max() - 8) / 2)
        return nullptr;
    const size_t bytes = size_t(len) * sizeof(OLECHAR);
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    AdviseLargeBuffer(block, bytes);
    block[0] = static_cast<std::uint32_t>(bytes);
    auto* chars = reinterpret_cast<OLECHAR*>(block + 1);
    chars[len] = 0;
    return chars;
}

} // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT len)
{
    if (len > (std::numeric_limits<std::uint32_t>::max() - 8) / 2)
        return nullptr;
    const size_t bytes = size_t(len) * sizeof(OLECHAR);
    auto* block = static_cast<std::uint32_t*>(std::malloc(sizeof(std::uint32_t) + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    block[0] = static_cast<std::uint32_t>(bytes);
    auto* chars = reinterpret_cast<OLECHAR*>(block + 1);
    if (text)
        std::memcpy(chars, text, bytes);
    else
        std::memset(chars, 0, bytes);
    chars[len] = 0;
    return chars;
}

BSTR SysAllocString(const OLECHAR* text)
{
    if (!text)
        return nullptr;
    UINT len = 0;
    while (text[len])
        ++len;
    return SysAllocStringLen(text, len);
}

void SysFreeString(BSTR text)
{
    if (text)
        std::free(Header(text));
}

UINT SysStringLen(BSTR text)
{
    return text ? *Header(text) / sizeof(OLECHAR) : 0;
}

BSTR SysAllocStringFromMultiByte(std::string_view text)
{
    // Decoded straight into the string, which never needs more units than
    // the text has bytes; the length is then set to what was written.
    if (text.size() > std::numeric_limits<UINT>::max() / 2)
        return nullptr;
    BSTR out = AllocateBstr(static_cast<UINT>(text.size()));
    if (!out)
        return nullptr;
    const size_t units = MultiByteToWideBuffer(text, out);
    *Header(out) = static_cast<std::uint32_t>(units * sizeof(OLECHAR));
    out[units] = 0;
    return out;
}

std::u16string_view BstrView(BSTR text)
{
    return text ? std::u16string_view(text, SysStringLen(text)) : std::u16string_view();
}

std::string MultiByteFromBstr(BSTR text)
{
    return WideToMultiByte(BstrView(text));
}

void* CoTaskMemAlloc(size_t size)
{
    return std::malloc(size ? size : 1);
}

void CoTaskMemFree(void* memory)
{
    std::free(memory);
}
