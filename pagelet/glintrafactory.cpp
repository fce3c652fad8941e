#include "pagelet/glintrafactory.h"

#include "pagelet/glintra.h"
#include "pagelet/servermodule.h"

#include <new>

CGlintraFactory& CGlintraFactory::Instance()
{
    static CGlintraFactory factory;
    return factory;
}

HRESULT CGlintraFactory::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
        *object = static_cast<IClassFactory*>(this);
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

HRESULT CGlintraFactory::CreateInstance(IUnknown* outer, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (outer)
        return CLASS_E_NOAGGREGATION;
    CGlintra* pagelet = new (std::nothrow) CGlintra;
    if (!pagelet)
        return E_OUTOFMEMORY;
    const HRESULT hr = pagelet->QueryInterface(riid, object);
    pagelet->Release();  // the caller's reference is the only one left
    return hr;
}

HRESULT CGlintraFactory::LockServer(BOOL lock)
{
    if (lock)
        GlintraModule().Lock();
    else
        GlintraModule().Unlock();
    return S_OK;
}
