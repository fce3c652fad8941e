#include "platform/automation/comptr.h"

namespace {

template <class F>
bool Converted(const CVariant& v, VARTYPE type, F take)
{
    CVariant copy;
    if (FAILED(VariantChangeType(&copy, &v, 0, type)))
        return false;
    take(copy);
    return true;
}

} // namespace

bool CVariant::ToShort(SHORT& out) const
{
    return Converted(*this, VT_I2, [&](const CVariant& c) { out = c.iVal; });
}

bool CVariant::ToLong(LONG& out) const
{
    return Converted(*this, VT_I4, [&](const CVariant& c) { out = c.lVal; });
}

bool CVariant::ToBool(bool& out) const
{
    return Converted(*this, VT_BOOL, [&](const CVariant& c) { out = c.boolVal != VARIANT_FALSE; });
}

bool CVariant::ToDouble(double& out) const
{
    return Converted(*this, VT_R8, [&](const CVariant& c) { out = c.dblVal; });
}

bool CVariant::ToString(std::string& out) const
{
    if (vt == VT_BSTR) {  // the common case, without a copy of a long string
        out = MultiByteFromBstr(bstrVal);
        return true;
    }
    return Converted(*this, VT_BSTR, [&](const CVariant& c) { out = MultiByteFromBstr(c.bstrVal); });
}
