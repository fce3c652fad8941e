#pragma once
// The pagelet: the one automation object of the server. It holds a banner
// design and the configuration file in memory, and hosts drive it only
// through its dispatch interface, by member number.

#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/automation/dispatchmap.h"

#include <atomic>

class CGlintraPrpSheet;

// The pagelet's dispatch interface: a dispinterface, its members are reached
// through Invoke only.
struct IGlintraDispatch : IDispatch {
protected:
    ~IGlintraDispatch() = default;
};

// Member numbers of the dispatch interface. They are the interface: hosts
// call by number and never by name.
enum EGlintraDispid : DISPID {
    DISPID_ProgID = 1,
    DISPID_Title = 2,
    DISPID_Description = 3,
    DISPID_BitmapFileName = 4,
    DISPID_PreviewPath = 5,
    DISPID_LastUpdateTime = 6,
    DISPID_ReadConfigFile = 7,
    DISPID_WriteConfigFile = 8,
    DISPID_Config = 9,
    DISPID_GetPageletTypeID = 10,
    DISPID_GetPageletNameID = 11,
    DISPID_GetMenuTextID = 12,
    DISPID_GetMessageTextID = 13,
    DISPID_GetTipsTextID = 14,
    DISPID_GetIconID = 15,
    DISPID_GetHTMLSegmentNumber = 17,
    DISPID_GetHTMLPosition = 18,
    DISPID_GetHTMLBody = 19,
    DISPID_GetResourceInstance = 20,
    DISPID_GetResourceNumber = 21,
    DISPID_GetResourceName = 22,
    DISPID_GetResourceLocalPath = 23,
    DISPID_GetResourceWebPath = 24,
    DISPID_GetResourceLocalPathByName = 25,
    DISPID_GetResourceWebPathByName = 26,
    DISPID_SetResourceLocalPath = 27,
    DISPID_WriteConfigFileEx = 28,
};

class CGlintra final : public IGlintraDispatch {
public:
    CGlintra();
    CGlintra(const CGlintra&) = delete;
    CGlintra& operator=(const CGlintra&) = delete;

    // IUnknown
    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    // IDispatch
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
    HRESULT GetIDsOfNames(REFIID riid, OLECHAR** names, UINT count, LCID lcid, DISPID* dispids) override;
    HRESULT Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override;

    static const CDispatchMap<CGlintra>& DispatchMap();

    // The fields of the pagelet, in order.
    CPageletConfigFile m_config;
    CGlintraAppletParams m_params;
    CGlintraPrpSheet* m_pSheet = nullptr;
    BOOL m_bResourcesValid = FALSE;

private:
    ~CGlintra();

    // The six properties are keys of the description table.
    HRESULT OnDescriptionProperty(CDispCall& call, const char* key);
    HRESULT OnProgID(CDispCall& call);
    HRESULT OnTitle(CDispCall& call);
    HRESULT OnDescription(CDispCall& call);
    HRESULT OnBitmapFileName(CDispCall& call);
    HRESULT OnPreviewPath(CDispCall& call);
    HRESULT OnLastUpdateTime(CDispCall& call);

    // The members that hand out a fixed number: the string-table entries of
    // the pagelet's texts and its icon (one icon, whatever size is asked for).
    template <LONG Number>
    HRESULT OnFixedNumber(CDispCall& call)
    {
        call.ReturnLong(Number);
        return S_OK;
    }
    HRESULT OnGetHTMLSegmentNumber(CDispCall& call);
    HRESULT OnGetHTMLPosition(CDispCall& call);
    HRESULT OnGetResourceInstance(CDispCall& call);
    HRESULT OnSetResourceLocalPath(CDispCall& call);

    HRESULT OnReadConfigFile(CDispCall& call);
    HRESULT OnWriteConfigFile(CDispCall& call);
    HRESULT OnWriteConfigFileEx(CDispCall& call);
    HRESULT OnGetHTMLBody(CDispCall& call);
    HRESULT OnGetResourceNumber(CDispCall& call);
    HRESULT OnGetResourceName(CDispCall& call);
    HRESULT OnGetResourceLocalPath(CDispCall& call);
    HRESULT OnGetResourceWebPath(CDispCall& call);
    HRESULT OnGetResourceLocalPathByName(CDispCall& call);
    HRESULT OnGetResourceWebPathByName(CDispCall& call);
    HRESULT OnConfig(CDispCall& call);

public:
    // The wizard, modal: TRUE when the user finished it. Cancelled, the
    // design is put back as it was.
    BOOL Config();

    // The file members, as the dispatch interface serves them.
    BOOL ReadConfigFile(const std::string& path);
    BOOL WriteConfigFileEx(const std::string& path, SHORT overwrite);
    std::string GetHTMLBody(SHORT outputMode);

private:
    // The resource queries serve the list as it stands once it is valid:
    // built from the design, or read from a file.
    void EnsureResources();

    std::atomic<ULONG> m_refs{1};
};
