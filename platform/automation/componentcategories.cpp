#include "platform/automation/componentcategories.h"

#include "platform/automation/comptr.h"
#include "platform/base/codepage.h"
#include "platform/registry/registry.h"

#include <atomic>

const IID IID_ICatRegister{0x0002E012, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const CLSID CLSID_StdComponentCategoriesMgr{0x0002E005, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

HRESULT FromRegistry(LONG result)
{
    return result == ERROR_SUCCESS ? S_OK : E_FAIL;
}

std::string LocaleName(LCID lcid)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), hex[lcid & 0xF]);
        lcid >>= 4;
    } while (lcid);
    return out;
}

class CCategoryManager final : public ICatRegister {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_ICatRegister) {
            *object = static_cast<ICatRegister*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT RegisterCategories(ULONG count, CATEGORYINFO* infos) override
    {
        if (count && !infos)
            return E_INVALIDARG;
        for (ULONG i = 0; i < count; ++i) {
            std::u16string_view text(infos[i].szDescription);
            if (text.size() > 127)
                text = text.substr(0, 127);
            const std::string key = "Component Categories\\" + GuidToString(infos[i].catid);
            if (!RegSetString(HKEY_CLASSES_ROOT, key, LocaleName(infos[i].lcid), WideToMultiByte(text)))
                return E_FAIL;
        }
        return S_OK;
    }
    HRESULT UnRegisterCategories(ULONG count, CATID* catids) override
    {
        return DeleteEach(count, catids, [](const CATID& catid) {
            return "Component Categories\\" + GuidToString(catid);
        });
    }
    HRESULT RegisterClassImplCategories(REFCLSID clsid, ULONG count, CATID* catids) override
    {
        return CreateEach(clsid, "Implemented Categories", count, catids);
    }
    HRESULT UnRegisterClassImplCategories(REFCLSID clsid, ULONG count, CATID* catids) override
    {
        return DeleteEach(count, catids, [&](const CATID& catid) {
            return ClassKey(clsid, "Implemented Categories", catid);
        });
    }
    HRESULT RegisterClassReqCategories(REFCLSID clsid, ULONG count, CATID* catids) override
    {
        return CreateEach(clsid, "Required Categories", count, catids);
    }
    HRESULT UnRegisterClassReqCategories(REFCLSID clsid, ULONG count, CATID* catids) override
    {
        return DeleteEach(count, catids, [&](const CATID& catid) {
            return ClassKey(clsid, "Required Categories", catid);
        });
    }

private:
    ~CCategoryManager() = default;

    static std::string ClassKey(REFCLSID clsid, const char* list, const CATID& catid)
    {
        return "CLSID\\" + GuidToString(clsid) + "\\" + list + "\\" + GuidToString(catid);
    }

    static HRESULT CreateEach(REFCLSID clsid, const char* list, ULONG count, CATID* catids)
    {
        if (count && !catids)
            return E_INVALIDARG;
        for (ULONG i = 0; i < count; ++i) {
            HKEY key = nullptr;
            const HRESULT hr = FromRegistry(RegCreateKeyEx(HKEY_CLASSES_ROOT, ClassKey(clsid, list, catids[i]).c_str(), &key));
            if (FAILED(hr))
                return hr;
            RegCloseKey(key);
        }
        return S_OK;
    }

    template <class F>
    static HRESULT DeleteEach(ULONG count, CATID* catids, F keyOf)
    {
        if (count && !catids)
            return E_INVALIDARG;
        for (ULONG i = 0; i < count; ++i) {
            const LONG result = RegDeleteTree(HKEY_CLASSES_ROOT, keyOf(catids[i]).c_str());
            if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
                return E_FAIL;
        }
        return S_OK;
    }

    std::atomic<ULONG> m_refs{1};
};

class CCategoryManagerFactory final : public IClassFactory {
public:
    HRESULT QueryInterface(REFIID riid, void** object) override
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
    // One static object for the life of the process.
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* manager = new CCategoryManager;
        const HRESULT hr = manager->QueryInterface(riid, object);
        manager->Release();
        return hr;
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

} // namespace

HRESULT GetComponentCategoriesClassObject(REFIID riid, void** object)
{
    static CCategoryManagerFactory factory;
    return factory.QueryInterface(riid, object);
}
