#pragma once
// GUIDs and their registry text form, {8-4-4-4-12} hexadecimal digits.

#include "platform/base/types.h"

#include <string>
#include <string_view>

struct GUID {
    std::uint32_t Data1 = 0;
    std::uint16_t Data2 = 0;
    std::uint16_t Data3 = 0;
    std::uint8_t Data4[8] = {};
};
using IID = GUID;
using CLSID = GUID;
using CATID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;
using REFCLSID = const CLSID&;

bool operator==(const GUID& a, const GUID& b);
inline bool IsEqualGUID(REFGUID a, REFGUID b) { return a == b; }

// "{6B29FC40-CA47-1067-B31D-00DD010662DA}": upper case, with braces.
std::string GuidToString(REFGUID guid);
// Accepts the form above in either letter case, with or without the braces.
bool GuidFromString(std::string_view text, GUID& guid);

extern const GUID GUID_NULL;
extern const IID IID_NULL;
extern const IID IID_IUnknown;
extern const IID IID_IDispatch;
extern const IID IID_IClassFactory;
