#pragma once
// Automation strings: length-prefixed UTF-16, allocated and freed by the
// platform library, so the receiver of a returned string frees it whichever
// module made it. A null BSTR is the empty string.

#include "platform/base/types.h"

#include <string>
#include <string_view>

using OLECHAR = char16_t;
using BSTR = OLECHAR*;

BSTR SysAllocString(const OLECHAR* text);
// With text null, a string of len characters that the caller fills in.
BSTR SysAllocStringLen(const OLECHAR* text, UINT len);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

// Conversions with the system code page (lossless, see codepage.h).
BSTR SysAllocStringFromMultiByte(std::string_view text);
std::string MultiByteFromBstr(BSTR text);
std::u16string_view BstrView(BSTR text);

// Task memory, in which the class registry hands out its strings.
void* CoTaskMemAlloc(size_t size);
void CoTaskMemFree(void* memory);
