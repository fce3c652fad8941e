#pragma once
// VARIANT, the tagged value that crosses the dispatch interface.

#include "platform/automation/bstr.h"
#include "platform/automation/hresult.h"

using VARTYPE = std::uint16_t;
using VARIANT_BOOL = std::int16_t;
using DATE = double;

constexpr VARIANT_BOOL VARIANT_TRUE = -1;
constexpr VARIANT_BOOL VARIANT_FALSE = 0;

constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_NULL = 1;
constexpr VARTYPE VT_I2 = 2;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_R8 = 5;
constexpr VARTYPE VT_DATE = 7;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_DISPATCH = 9;
constexpr VARTYPE VT_ERROR = 10;
constexpr VARTYPE VT_BOOL = 11;
constexpr VARTYPE VT_VARIANT = 12;
constexpr VARTYPE VT_UNKNOWN = 13;
constexpr VARTYPE VT_BYREF = 0x4000;
constexpr VARTYPE VT_TYPEMASK = 0x0FFF;

struct IUnknown;
struct IDispatch;

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1, wReserved2, wReserved3;
    union {
        LONG lVal;
        SHORT iVal;
        VARIANT_BOOL boolVal;
        double dblVal;
        DATE date;
        BSTR bstrVal;
        IUnknown* punkVal;
        IDispatch* pdispVal;
        SCODE scode;
        LONG* plVal;
        SHORT* piVal;
        VARIANT_BOOL* pboolVal;
        double* pdblVal;
        DATE* pdate;
        BSTR* pbstrVal;
        VARIANT* pvarVal;
    };
};
using VARIANTARG = VARIANT;

void VariantInit(VARIANT* v);
// Frees what the variant owns (its string, its interface reference) and
// leaves it VT_EMPTY.
HRESULT VariantClear(VARIANT* v);
HRESULT VariantCopy(VARIANT* dest, const VARIANT* src);

// Converts src to type vt into dest (dest may be src). Numbers convert
// among each other with range checks (DISP_E_OVERFLOW), strings parse as
// numbers in the "C" locale and as "True"/"False", numbers become decimal
// text; anything else is DISP_E_TYPEMISMATCH. By-reference values are
// followed. Empty converts to 0, FALSE or "".
HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD flags, VARTYPE vt);
