#include "platform/automation/classregistry.h"

#include "platform/automation/comptr.h"
#include "platform/automation/componentcategories.h"
#include "platform/base/codepage.h"
#include "platform/registry/registry.h"

#include <cstring>
#include <dlfcn.h>
#include <mutex>
#include <vector>

namespace {

struct CLoadedServer {
    std::string path;
    void* handle = nullptr;
    PFN_DllGetClassObject getClassObject = nullptr;
    PFN_DllCanUnloadNow canUnloadNow = nullptr;
};

struct CRegisteredClass {
    DWORD cookie = 0;
    CLSID clsid;
    IUnknown* factory = nullptr;
};

struct CClassState {
    std::recursive_mutex mutex;
    std::vector<CLoadedServer> servers;
    std::vector<CRegisteredClass> classes;
    DWORD nextCookie = 1;
    int initCount = 0;
};

CClassState& State()
{
    static CClassState* state = new CClassState;  // outlives every static destructor
    return *state;
}

OLECHAR* TaskString(const std::string& text)
{
    const std::u16string wide = MultiByteToWide(text);
    auto* out = static_cast<OLECHAR*>(CoTaskMemAlloc((wide.size() + 1) * sizeof(OLECHAR)));
    if (!out)
        return nullptr;
    std::memcpy(out, wide.data(), wide.size() * sizeof(OLECHAR));
    out[wide.size()] = 0;
    return out;
}

std::string FromWide(const OLECHAR* text)
{
    if (!text)
        return {};
    size_t n = 0;
    while (text[n])
        ++n;
    return WideToMultiByte(std::u16string_view(text, n));
}

HRESULT LoadServer(const std::string& path, CLoadedServer*& server)
{
    CClassState& state = State();
    for (CLoadedServer& s : state.servers) {
        if (s.path == path) {
            server = &s;
            return S_OK;
        }
    }
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return CO_E_DLLNOTFOUND;
    CLoadedServer s;
    s.path = path;
    s.handle = handle;
    s.getClassObject = reinterpret_cast<PFN_DllGetClassObject>(::dlsym(handle, "DllGetClassObject"));
    s.canUnloadNow = reinterpret_cast<PFN_DllCanUnloadNow>(::dlsym(handle, "DllCanUnloadNow"));
    if (!s.getClassObject) {
        ::dlclose(handle);
        return CO_E_ERRORINDLL;
    }
    state.servers.push_back(s);
    server = &state.servers.back();
    return S_OK;
}

} // namespace

HRESULT CoInitialize(void*)
{
    CClassState& state = State();
    std::lock_guard lock(state.mutex);
    return state.initCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    CClassState& state = State();
    {
        std::lock_guard lock(state.mutex);
        if (state.initCount == 0 || --state.initCount > 0)
            return;
    }
    CoFreeUnusedLibraries();
}

HRESULT ClassIdFromProgId(const std::string& progId, CLSID& clsid)
{
    std::string text;
    if (progId.empty() || !RegGetString(HKEY_CLASSES_ROOT, progId + "\\CLSID", "", text))
        return CO_E_CLASSSTRING;
    return GuidFromString(text, clsid) ? S_OK : CO_E_CLASSSTRING;
}

HRESULT ProgIdFromClassId(REFCLSID clsid, std::string& progId)
{
    const std::string key = "CLSID\\" + GuidToString(clsid);
    HKEY classKey = nullptr;
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, key.c_str(), &classKey) != ERROR_SUCCESS)
        return REGDB_E_CLASSNOTREG;
    RegCloseKey(classKey);
    std::string text;
    if (!RegGetString(HKEY_CLASSES_ROOT, key + "\\ProgID", "", text) || text.empty())
        return REGDB_E_CLASSNOTREG;
    progId = text;
    return S_OK;
}

std::string InprocServerPath(REFCLSID clsid)
{
    std::string path;
    RegGetString(HKEY_CLASSES_ROOT, "CLSID\\" + GuidToString(clsid) + "\\InprocServer32", "", path);
    return path;
}

HRESULT CLSIDFromProgID(const OLECHAR* progId, CLSID* clsid)
{
    if (!progId || !clsid)
        return E_INVALIDARG;
    return ClassIdFromProgId(FromWide(progId), *clsid);
}

HRESULT ProgIDFromCLSID(REFCLSID clsid, OLECHAR** progId)
{
    if (!progId)
        return E_INVALIDARG;
    *progId = nullptr;
    std::string text;
    const HRESULT hr = ProgIdFromClassId(clsid, text);
    if (FAILED(hr))
        return hr;
    *progId = TaskString(text);
    return *progId ? S_OK : E_OUTOFMEMORY;
}

HRESULT StringFromCLSID(REFCLSID clsid, OLECHAR** text)
{
    if (!text)
        return E_INVALIDARG;
    *text = TaskString(GuidToString(clsid));
    return *text ? S_OK : E_OUTOFMEMORY;
}

HRESULT CLSIDFromString(const OLECHAR* text, CLSID* clsid)
{
    if (!text || !clsid)
        return E_INVALIDARG;
    const std::string s = FromWide(text);
    if (GuidFromString(s, *clsid))
        return S_OK;
    return ClassIdFromProgId(s, *clsid);  // a ProgID is accepted in its place
}

int StringFromGUID2(REFGUID guid, OLECHAR* buffer, int size)
{
    const std::string text = GuidToString(guid);
    if (!buffer || size < int(text.size()) + 1)
        return 0;
    for (size_t i = 0; i < text.size(); ++i)
        buffer[i] = OLECHAR(text[i]);
    buffer[text.size()] = 0;
    return int(text.size()) + 1;
}

HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* factory, DWORD, DWORD, DWORD* cookie)
{
    if (!factory || !cookie)
        return E_INVALIDARG;
    CClassState& state = State();
    std::lock_guard lock(state.mutex);
    factory->AddRef();
    state.classes.push_back({state.nextCookie, clsid, factory});
    *cookie = state.nextCookie++;
    return S_OK;
}

HRESULT CoRevokeClassObject(DWORD cookie)
{
    IUnknown* factory = nullptr;
    {
        CClassState& state = State();
        std::lock_guard lock(state.mutex);
        for (auto it = state.classes.begin(); it != state.classes.end(); ++it) {
            if (it->cookie == cookie) {
                factory = it->factory;
                state.classes.erase(it);
                break;
            }
        }
    }
    if (!factory)
        return E_INVALIDARG;
    factory->Release();
    return S_OK;
}

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void*, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!(context & CLSCTX_INPROC_SERVER))
        return REGDB_E_CLASSNOTREG;  // only in-process servers exist here

    CClassState& state = State();
    std::unique_lock lock(state.mutex);
    // The newest registration of this process wins, as a later one overrides.
    for (auto it = state.classes.rbegin(); it != state.classes.rend(); ++it) {
        if (it->clsid == clsid) {
            CComPtr<IUnknown> factory(it->factory);
            lock.unlock();
            return factory->QueryInterface(riid, object);
        }
    }
    if (clsid == CLSID_StdComponentCategoriesMgr) {
        lock.unlock();
        return GetComponentCategoriesClassObject(riid, object);
    }

    const std::string path = InprocServerPath(clsid);
    if (path.empty())
        return REGDB_E_CLASSNOTREG;
    CLoadedServer* server = nullptr;
    HRESULT hr = LoadServer(path, server);
    if (FAILED(hr))
        return hr;
    PFN_DllGetClassObject getClassObject = server->getClassObject;
    lock.unlock();
    return getClassObject(clsid, riid, object);
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    CComPtr<IClassFactory> factory;
    HRESULT hr = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory, factory.OutVoid());
    if (FAILED(hr))
        return hr;
    return factory->CreateInstance(outer, riid, object);
}

void CoFreeUnusedLibraries()
{
    CClassState& state = State();
    std::lock_guard lock(state.mutex);
    for (auto it = state.servers.begin(); it != state.servers.end();) {
        if (it->canUnloadNow && it->canUnloadNow() == S_OK) {
            ::dlclose(it->handle);
            it = state.servers.erase(it);
        } else {
            ++it;
        }
    }
}

bool CoIsServerLoaded(const std::string& path)
{
    CClassState& state = State();
    std::lock_guard lock(state.mutex);
    for (const CLoadedServer& s : state.servers)
        if (s.path == path)
            return true;
    return false;
}
