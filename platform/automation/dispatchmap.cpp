#include "platform/automation/dispatchmap.h"

HRESULT DispatchPrepare(const CDispMemberInfo& member, WORD flags, const DISPPARAMS* params, CDispCall& call,
                        UINT* argError)
{
    static const DISPPARAMS none;
    if (!params)
        params = &none;
    if (params->cArgs && !params->rgvarg)
        return E_INVALIDARG;
    if (params->cNamedArgs > params->cArgs || (params->cNamedArgs && !params->rgdispidNamedArgs))
        return E_INVALIDARG;

    std::vector<VARTYPE> types;
    if (member.kind == EDispKind::Property) {
        if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
                return DISP_E_PARAMNOTFOUND;
            if (params->cArgs != 1)
                return DISP_E_BADPARAMCOUNT;
            call.m_bPut = true;
            types.push_back(member.type);
        } else if (flags & DISPATCH_PROPERTYGET) {
            if (params->cNamedArgs)
                return DISP_E_NONAMEDARGS;
            if (params->cArgs)
                return DISP_E_BADPARAMCOUNT;
        } else {
            return DISP_E_MEMBERNOTFOUND;
        }
    } else {
        // Clients call methods with DISPATCH_METHOD, some also add
        // DISPATCH_PROPERTYGET; a put on a method is not served.
        if (!(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)) ||
            (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
            return DISP_E_MEMBERNOTFOUND;
        if (params->cNamedArgs)
            return DISP_E_NONAMEDARGS;
        if (params->cArgs != member.params.size())
            return DISP_E_BADPARAMCOUNT;
        types = member.params;
    }

    call.m_args.clear();
    call.m_args.resize(types.size());
    for (size_t i = 0; i < types.size(); ++i) {
        // rgvarg holds the arguments last first.
        const UINT position = params->cArgs - 1 - UINT(i);
        const HRESULT hr = VariantChangeType(&call.m_args[i], &params->rgvarg[position], 0, types[i]);
        if (FAILED(hr)) {
            if (argError)
                *argError = position;
            return hr == DISP_E_OVERFLOW ? DISP_E_OVERFLOW : DISP_E_TYPEMISMATCH;
        }
    }
    return S_OK;
}

HRESULT DispatchFinish(const CDispMemberInfo& member, CDispCall& call, VARIANT* result)
{
    if (call.IsPut() || member.type == VT_EMPTY || !result)
        return S_OK;
    VariantInit(result);
    CVariant& value = call.Result();
    if (value.vt != member.type) {
        const HRESULT hr = value.ChangeType(member.type);
        if (FAILED(hr))
            return hr;
    }
    *result = value;
    VariantInit(&value);  // ownership went to the caller
    return S_OK;
}
