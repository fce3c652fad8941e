#include "platform/automation/variant.h"

#include "platform/automation/unknown.h"
#include "platform/base/numbers.h"

#include <cmath>
#include <limits>
#include <string>

void VariantInit(VARIANT* v)
{
    v->vt = VT_EMPTY;
    v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
    v->dblVal = 0;
}

HRESULT VariantClear(VARIANT* v)
{
    if (!v)
        return E_INVALIDARG;
    switch (v->vt) {
    case VT_BSTR:
        SysFreeString(v->bstrVal);
        break;
    case VT_UNKNOWN:
    case VT_DISPATCH:
        if (v->punkVal)
            v->punkVal->Release();
        break;
    default:
        break;
    }
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src)
{
    if (!dest || !src)
        return E_INVALIDARG;
    if (dest == src)
        return S_OK;
    VARIANT copy = *src;
    if (src->vt == VT_BSTR && src->bstrVal) {
        copy.bstrVal = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (!copy.bstrVal)
            return E_OUTOFMEMORY;
    } else if ((src->vt == VT_UNKNOWN || src->vt == VT_DISPATCH) && src->punkVal) {
        src->punkVal->AddRef();
    }
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

namespace {

// The value of a variant as it stands, following one level of reference.
bool Dereference(const VARIANT* src, VARIANT& value)
{
    VariantInit(&value);
    if (!(src->vt & VT_BYREF)) {
        value = *src;
        return true;
    }
    const VARTYPE base = src->vt & VT_TYPEMASK;
    if (!src->plVal)
        return false;
    value.vt = base;
    switch (base) {
    case VT_I2: value.iVal = *src->piVal; return true;
    case VT_I4: value.lVal = *src->plVal; return true;
    case VT_BOOL: value.boolVal = *src->pboolVal; return true;
    case VT_R8: value.dblVal = *src->pdblVal; return true;
    case VT_DATE: value.date = *src->pdate; return true;
    case VT_BSTR: value.bstrVal = *src->pbstrVal; return true;
    case VT_VARIANT: return Dereference(src->pvarVal, value);
    default: return false;
    }
}

bool ParseNumberText(const std::string& text, double& number)
{
    // The whole text must be a number (blanks around it allowed).
    size_t begin = text.find_first_not_of(" \t");
    size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    const std::string core = text.substr(begin, end - begin + 1);
    bool digit = false;
    for (char c : core) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '+' && c != '-' && c != '.' && c != 'e' && c != 'E')
            return false;
    }
    if (!digit)
        return false;
    number = ParseLeadingDouble(core);
    return std::isfinite(number);
}

// Numbers of every kind meet as a double; integers of 32 bits are exact there.
HRESULT ToNumber(const VARIANT& v, double& number)
{
    switch (v.vt) {
    case VT_EMPTY: number = 0; return S_OK;
    case VT_I2: number = v.iVal; return S_OK;
    case VT_I4: number = v.lVal; return S_OK;
    case VT_BOOL: number = v.boolVal ? -1 : 0; return S_OK;
    case VT_R8: number = v.dblVal; return S_OK;
    case VT_DATE: number = v.date; return S_OK;
    case VT_BSTR: {
        const std::string text = MultiByteFromBstr(v.bstrVal);
        if (text == "True" || text == "true" || text == "TRUE") { number = -1; return S_OK; }
        if (text == "False" || text == "false" || text == "FALSE") { number = 0; return S_OK; }
        return ParseNumberText(text, number) ? S_OK : DISP_E_TYPEMISMATCH;
    }
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

// Rounds half to even, as automation's conversions to integers do.
HRESULT ToInteger(double number, double low, double high, long long& out)
{
    if (!std::isfinite(number))
        return DISP_E_OVERFLOW;
    const double rounded = std::nearbyint(number);
    if (rounded < low || rounded > high)
        return DISP_E_OVERFLOW;
    out = static_cast<long long>(rounded);
    return S_OK;
}

std::string NumberText(double number)
{
    if (number == std::trunc(number) && std::fabs(number) < 1e15)
        return FormatInt(static_cast<long long>(number));
    std::string text = FormatFixed(number, 15);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, WORD /*flags*/, VARTYPE vt)
{
    if (!dest || !src)
        return E_INVALIDARG;
    VARIANT value;
    if (!Dereference(src, value))
        return DISP_E_BADVARTYPE;

    VARIANT result;
    VariantInit(&result);
    result.vt = vt;
    HRESULT hr = S_OK;
    switch (vt) {
    case VT_EMPTY:
        break;
    case VT_BSTR:
        if (value.vt == VT_BSTR) {
            result.bstrVal = SysAllocStringLen(value.bstrVal, SysStringLen(value.bstrVal));
        } else if (value.vt == VT_EMPTY) {
            result.bstrVal = SysAllocStringLen(nullptr, 0);
        } else {
            double number = 0;
            hr = ToNumber(value, number);
            if (SUCCEEDED(hr))
                result.bstrVal = SysAllocStringFromMultiByte(NumberText(number));
        }
        break;
    case VT_I2:
    case VT_I4:
    case VT_BOOL:
    case VT_R8:
    case VT_DATE: {
        double number = 0;
        hr = ToNumber(value, number);
        if (FAILED(hr))
            break;
        long long integer = 0;
        if (vt == VT_I2) {
            hr = ToInteger(number, -32768.0, 32767.0, integer);
            result.iVal = static_cast<SHORT>(integer);
        } else if (vt == VT_I4) {
            hr = ToInteger(number, -2147483648.0, 2147483647.0, integer);
            result.lVal = static_cast<LONG>(integer);
        } else if (vt == VT_BOOL) {
            result.boolVal = number != 0 ? VARIANT_TRUE : VARIANT_FALSE;
        } else if (vt == VT_R8) {
            result.dblVal = number;
        } else {
            result.date = number;
        }
        break;
    }
    default:
        hr = DISP_E_BADVARTYPE;
        break;
    }
    if (FAILED(hr))
        return hr;
    if (vt == VT_BSTR && !result.bstrVal)
        return E_OUTOFMEMORY;
    if (dest == src || dest->vt != VT_EMPTY)
        VariantClear(dest);
    *dest = result;
    return S_OK;
}
