#pragma once
// A pagelet of the test's own, served from the test process: the host
// drives it exactly as it drives the real server, and the test decides
// what its members answer (what the configuration wizard returns, say).
// It supplies the HTML segments and support files the test gives it and
// notes the configuration files it is asked to write. Members it does not
// serve answer DISP_E_MEMBERNOTFOUND.

#include "platform/automation/bstr.h"
#include "platform/automation/comptr.h"
#include "platform/automation/classregistry.h"
#include "platform/registry/registry.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class CFakePagelet final : public IDispatch {
public:
    enum : DISPID {
        kTitle = 2,
        kDescription = 3,
        kConfig = 9,
        kReadConfigFile = 7,
        kWriteConfigFile = 8,
        kGetPageletNameID = 11,
        kGetHTMLSegmentNumber = 17,
        kGetHTMLPosition = 18,
        kGetHTMLBody = 19,
        kGetResourceInstance = 20,
        kGetResourceNumber = 21,
        kGetResourceName = 22,
        kGetResourceLocalPath = 23,
        kGetResourceWebPath = 24,
        kWriteConfigFileEx = 28
    };

    struct CSegment {
        std::string position;
        std::string body;
    };
    struct CResource {
        std::string name;
        std::string localFolder;  // with its '/' at the end
        std::string webPath;
    };
    // A configuration file the host had written: its path, the overwrite
    // value, and whether the file was there when the call ended.
    struct CWrite {
        std::string path;
        int overwrite;
    };

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override { return --m_refs; }
    HRESULT GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return DISP_E_UNKNOWNNAME; }
    HRESULT Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                   UINT*) override
    {
        if (member == kConfig && (flags & DISPATCH_METHOD)) {
            ++configCalls;
            return Return(result, CVariant(configResult));
        }
        if (member == kGetPageletNameID || member == kGetResourceInstance)
            return Return(result, CVariant(0));
        if (member == kGetResourceNumber)
            return Return(result, CVariant(SHORT(resources.size())));
        if (member == kGetHTMLSegmentNumber)
            return Return(result, CVariant(SHORT(segments.size())));
        if (member == kGetHTMLPosition || member == kGetHTMLBody) {
            const size_t index = size_t(IntArg(params, 0));
            if (index >= segments.size())
                return Return(result, CVariant(""));
            if (member == kGetHTMLBody) {
                ++bodyCalls[index];
                return Return(result, CVariant(segments[index].body));
            }
            return Return(result, CVariant(segments[index].position));
        }
        if (member == kGetResourceName || member == kGetResourceLocalPath || member == kGetResourceWebPath) {
            const size_t index = size_t(IntArg(params, 0));
            if (index >= resources.size())
                return Return(result, CVariant(""));
            const CResource& r = resources[index];
            return Return(result, CVariant(member == kGetResourceName        ? r.name
                                           : member == kGetResourceLocalPath ? r.localFolder
                                                                             : r.webPath));
        }
        if (member == kWriteConfigFile || member == kWriteConfigFileEx) {
            const std::string path = MultiByteFromBstr(Arg(params, 0).bstrVal);
            writes.push_back({path, member == kWriteConfigFile ? 0 : IntArg(params, 1)});
            // As the real one does: a file appears there.
            if (std::FILE* file = std::fopen(path.c_str(), "wb"))
                std::fclose(file);
            return Return(result, CVariant(true));
        }
        if (member != kTitle && member != kDescription)
            return DISP_E_MEMBERNOTFOUND;
        std::string& value = strings[member];
        if (flags & DISPATCH_PROPERTYPUT) {
            if (!params || params->cArgs != 1 || params->rgvarg[0].vt != VT_BSTR)
                return DISP_E_TYPEMISMATCH;
            value = MultiByteFromBstr(params->rgvarg[0].bstrVal);
            return S_OK;
        }
        return Return(result, CVariant(value));
    }

    bool configResult = true;
    int configCalls = 0;
    std::map<DISPID, std::string> strings;
    std::vector<CSegment> segments;
    std::map<size_t, int> bodyCalls;
    std::vector<CResource> resources;
    std::vector<CWrite> writes;

private:
    // Arguments in call order (automation passes them last first).
    static const VARIANT& Arg(DISPPARAMS* params, UINT i) { return params->rgvarg[params->cArgs - 1 - i]; }
    static int IntArg(DISPPARAMS* params, UINT i)
    {
        if (!params || i >= params->cArgs)
            return -1;
        const VARIANT& v = Arg(params, i);
        return v.vt == VT_I2 ? v.iVal : v.vt == VT_I4 ? int(v.lVal) : -1;
    }
    // Hands the value over to the caller's result.
    static HRESULT Return(VARIANT* result, CVariant value)
    {
        if (result) {
            *result = static_cast<VARIANT&>(value);
            VariantInit(&value);
        }
        return S_OK;
    }

    ULONG m_refs = 1;
};

// Serves one CFakePagelet under a ProgID of its own for the life of the
// object; the class is registered in the test's registry with the given
// server library, whose folder the host takes as the server folder.
class CFakePageletClass final : public IClassFactory {
public:
    static constexpr const char* kProgId = "Test.FakePagelet";

    explicit CFakePageletClass(const std::string& serverLibrary)
    {
        const std::string classKey = "CLSID\\" + GuidToString(kClass);
        RegSetString(HKEY_CLASSES_ROOT, std::string(kProgId) + "\\CLSID", "", GuidToString(kClass));
        RegSetString(HKEY_CLASSES_ROOT, classKey + "\\ProgID", "", kProgId);
        RegSetString(HKEY_CLASSES_ROOT, classKey + "\\InprocServer32", "", serverLibrary);
        CoRegisterClassObject(kClass, this, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &m_cookie);
    }
    ~CFakePageletClass() { CoRevokeClassObject(m_cookie); }

    HRESULT QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        return outer ? E_INVALIDARG : pagelet.QueryInterface(riid, object);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }

    CFakePagelet pagelet;

private:
    static constexpr CLSID kClass{0x5EED0001, 0x7E57, 0x4A11, {0x9A, 0x6E, 0x1E, 0x7F, 0xA4, 0xE0, 0x00, 0x01}};
    DWORD m_cookie = 0;
};
