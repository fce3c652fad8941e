// The four entry points of the server library, and its start-up.

#include "pagelet/glintrafactory.h"
#include "pagelet/pageletidentity.h"
#include "pagelet/servermodule.h"
#include "platform/automation/classregistry.h"
#include "platform/automation/componentcategories.h"
#include "platform/automation/comptr.h"
#include "platform/base/codepage.h"
#include "platform/registry/registry.h"

#include <algorithm>
#include <string>

namespace {

// Start-up: the module state (folder, resources, settings key) is made when
// the library is loaded, not at the first call.
__attribute__((constructor)) void StartServerLibrary()
{
    GlintraModule();
}

std::string ClassKey()
{
    return "CLSID\\" + GuidToString(CLSID_Glintra);
}

// The class entries an automation object of an in-process server has: its
// ProgID names it and its class, and its class names the ProgID and the
// library that serves it.
bool RegisterServerClass()
{
    const std::string progId = kGlintraProgID;
    const std::string classKey = ClassKey();
    bool ok = RegSetString(HKEY_CLASSES_ROOT, progId, "", progId);
    ok = RegSetString(HKEY_CLASSES_ROOT, progId + "\\CLSID", "", GuidToString(CLSID_Glintra)) && ok;
    ok = RegSetString(HKEY_CLASSES_ROOT, classKey, "", progId) && ok;
    ok = RegSetString(HKEY_CLASSES_ROOT, classKey + "\\ProgID", "", progId) && ok;
    ok = RegSetString(HKEY_CLASSES_ROOT, classKey + "\\InProcServer32", "", GlintraModule().ServerPath()) && ok;
    return ok;
}

HRESULT CreateCategoryManager(CComPtr<ICatRegister>& manager)
{
    return CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ICatRegister,
                            manager.OutVoid());
}

bool DeleteKeyTree(const std::string& key)
{
    const LONG result = RegDeleteTree(HKEY_CLASSES_ROOT, key.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID clsid, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!(clsid == CLSID_Glintra))
        return CLASS_E_CLASSNOTAVAILABLE;
    return CGlintraFactory::Instance().QueryInterface(riid, object);
}

__attribute__((visibility("default"))) HRESULT DllCanUnloadNow()
{
    return GlintraModule().CanUnload() ? S_OK : S_FALSE;
}

__attribute__((visibility("default"))) HRESULT DllRegisterServer()
{
    // The class entries first; what they report is left to the category
    // steps, which fail too when the registry cannot be written.
    RegisterServerClass();

    CComPtr<ICatRegister> manager;
    if (SUCCEEDED(CreateCategoryManager(manager))) {
        CATEGORYINFO info{};
        info.catid = CATID_NorvanePagelets;
        info.lcid = kPageletCategoryLocale;
        const std::u16string description = MultiByteToWide(kPageletCategoryDescription);
        const size_t n = std::min<size_t>(description.size(), 127);
        std::copy_n(description.begin(), n, info.szDescription);
        info.szDescription[n] = 0;
        manager->RegisterCategories(1, &info);
    }

    manager.Release();
    HRESULT hr = CreateCategoryManager(manager);
    if (FAILED(hr))
        return hr;
    CATID catid = CATID_NorvanePagelets;
    hr = manager->RegisterClassImplCategories(CLSID_Glintra, 1, &catid);
    if (FAILED(hr))
        return hr;
    return S_OK;
}

__attribute__((visibility("default"))) HRESULT DllUnregisterServer()
{
    CComPtr<ICatRegister> manager;
    if (SUCCEEDED(CreateCategoryManager(manager))) {
        CATID catid = CATID_NorvanePagelets;
        manager->UnRegisterClassImplCategories(CLSID_Glintra, 1, &catid);
        RegDeleteKey(HKEY_CLASSES_ROOT, (ClassKey() + "\\Implemented Categories").c_str());
    }

    std::string progId;
    const HRESULT hr = ProgIdFromClassId(CLSID_Glintra, progId);
    if (FAILED(hr))
        return hr;
    bool ok = DeleteKeyTree(progId);
    if (progId != kGlintraProgID) {
        // Our own ProgID goes too, as long as it still names this class.
        CLSID named;
        if (SUCCEEDED(ClassIdFromProgId(kGlintraProgID, named)) && named == CLSID_Glintra)
            ok = DeleteKeyTree(kGlintraProgID) && ok;
    }
    ok = DeleteKeyTree(ClassKey()) && ok;
    return ok ? S_OK : E_FAIL;
}

} // extern "C"
