#include "platform/automation/dispatchdriver.h"

#include "platform/base/numbers.h"

#include <vector>

HRESULT CDispatchDriver::TryInvoke(DISPID dispid, WORD flags, std::initializer_list<CVariant> args, CVariant& result,
                                   UINT* argError) const
{
    result.Clear();
    if (!m_dispatch)
        return E_POINTER;
    // Automation passes arguments last first.
    std::vector<VARIANTARG> reversed(args.size());
    size_t i = args.size();
    for (const CVariant& arg : args)
        reversed[--i] = arg;  // a shallow view: the initializer list keeps ownership
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params;
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    VARIANT raw;
    VariantInit(&raw);
    EXCEPINFO exception;
    UINT error = 0;
    const HRESULT hr = m_dispatch->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                          (flags & DISPATCH_PROPERTYPUT) ? nullptr : &raw, &exception, &error);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (argError)
        *argError = error;
    result = CVariant::Adopt(raw);
    return hr;
}

CVariant CDispatchDriver::Invoke(DISPID dispid, WORD flags, std::initializer_list<CVariant> args) const
{
    CVariant result;
    const HRESULT hr = TryInvoke(dispid, flags, args, result);
    if (FAILED(hr)) {
        throw CDispatchException(dispid, hr,
                                 "dispatch member " + FormatInt(dispid) + " failed: " + HResultText(hr));
    }
    return result;
}

CVariant CDispatchDriver::Call(DISPID dispid, std::initializer_list<CVariant> args) const
{
    return Invoke(dispid, DISPATCH_METHOD, args);
}

CVariant CDispatchDriver::GetProperty(DISPID dispid) const
{
    return Invoke(dispid, DISPATCH_PROPERTYGET, {});
}

void CDispatchDriver::SetProperty(DISPID dispid, const CVariant& value) const
{
    Invoke(dispid, DISPATCH_PROPERTYPUT, {value});
}
