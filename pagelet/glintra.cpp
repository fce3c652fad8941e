#include "pagelet/glintra.h"

#include "pagelet/pageletidentity.h"
#include "pagelet/servermodule.h"
#include "platform/base/files.h"
#include "platform/base/numbers.h"

#include <algorithm>
#include "applet/applethtml.h"
#include "applet/resourcelist.h"
#include "applet/supportfilecopy.h"
#include "resources/pagelet/pageletresources.h"
#include "wizard/copyresourcesdlg.h"
#include "wizard/configwizard.h"

namespace {

constexpr const char* kHtmlPosition = "cursor";

using Entry = CDispatchMap<CGlintra>::Entry;

Entry Property(DISPID id, const char* name, VARTYPE type, CDispatchMap<CGlintra>::Handler handler)
{
    return {{id, name, EDispKind::Property, type, {}}, handler};
}

Entry Method(DISPID id, const char* name, VARTYPE result, std::vector<VARTYPE> params,
             CDispatchMap<CGlintra>::Handler handler)
{
    return {{id, name, EDispKind::Method, result, std::move(params)}, handler};
}

} // namespace

const CDispatchMap<CGlintra>& CGlintra::DispatchMap()
{
    // Members without a handler are part of the interface but not served by
    // this build; they answer DISP_E_MEMBERNOTFOUND.
    static const CDispatchMap<CGlintra> map({
        Property(DISPID_ProgID, "ProgID", VT_BSTR, &CGlintra::OnProgID),
        Property(DISPID_Title, "Title", VT_BSTR, &CGlintra::OnTitle),
        Property(DISPID_Description, "Description", VT_BSTR, &CGlintra::OnDescription),
        Property(DISPID_BitmapFileName, "BitmapFileName", VT_BSTR, &CGlintra::OnBitmapFileName),
        Property(DISPID_PreviewPath, "PreviewPath", VT_BSTR, &CGlintra::OnPreviewPath),
        Property(DISPID_LastUpdateTime, "LastUpdateTime", VT_DATE, &CGlintra::OnLastUpdateTime),
        Method(DISPID_ReadConfigFile, "ReadConfigFile", VT_BOOL, {VT_BSTR}, &CGlintra::OnReadConfigFile),
        Method(DISPID_WriteConfigFile, "WriteConfigFile", VT_BOOL, {VT_BSTR}, &CGlintra::OnWriteConfigFile),
        Method(DISPID_Config, "Config", VT_BOOL, {}, &CGlintra::OnConfig),
        Method(DISPID_GetPageletTypeID, "GetPageletTypeID", VT_I4, {}, &CGlintra::OnFixedNumber<IDS_PAGELET_TYPE>),
        Method(DISPID_GetPageletNameID, "GetPageletNameID", VT_I4, {}, &CGlintra::OnFixedNumber<IDS_PAGELET_NAME>),
        Method(DISPID_GetMenuTextID, "GetMenuTextID", VT_I4, {}, &CGlintra::OnFixedNumber<IDS_MENU_TEXT>),
        Method(DISPID_GetMessageTextID, "GetMessageTextID", VT_I4, {}, &CGlintra::OnFixedNumber<IDS_MESSAGE_TEXT>),
        Method(DISPID_GetTipsTextID, "GetTipsTextID", VT_I4, {}, &CGlintra::OnFixedNumber<IDS_TIPS_TEXT>),
        Method(DISPID_GetIconID, "GetIconID", VT_I4, {VT_I2}, &CGlintra::OnFixedNumber<IDI_PAGELET>),
        Method(DISPID_GetHTMLSegmentNumber, "GetHTMLSegmentNumber", VT_I2, {}, &CGlintra::OnGetHTMLSegmentNumber),
        Method(DISPID_GetHTMLPosition, "GetHTMLPosition", VT_BSTR, {VT_I2}, &CGlintra::OnGetHTMLPosition),
        Method(DISPID_GetHTMLBody, "GetHTMLBody", VT_BSTR, {VT_I2, VT_I2}, &CGlintra::OnGetHTMLBody),
        Method(DISPID_GetResourceInstance, "GetResourceInstance", VT_I4, {}, &CGlintra::OnGetResourceInstance),
        Method(DISPID_GetResourceNumber, "GetResourceNumber", VT_I2, {}, &CGlintra::OnGetResourceNumber),
        Method(DISPID_GetResourceName, "GetResourceName", VT_BSTR, {VT_I2}, &CGlintra::OnGetResourceName),
        Method(DISPID_GetResourceLocalPath, "GetResourceLocalPath", VT_BSTR, {VT_I2}, &CGlintra::OnGetResourceLocalPath),
        Method(DISPID_GetResourceWebPath, "GetResourceWebPath", VT_BSTR, {VT_I2}, &CGlintra::OnGetResourceWebPath),
        Method(DISPID_GetResourceLocalPathByName, "GetResourceLocalPathByName", VT_BSTR, {VT_BSTR}, &CGlintra::OnGetResourceLocalPathByName),
        Method(DISPID_GetResourceWebPathByName, "GetResourceWebPathByName", VT_BSTR, {VT_BSTR}, &CGlintra::OnGetResourceWebPathByName),
        Method(DISPID_SetResourceLocalPath, "SetResourceLocalPath", VT_BOOL, {VT_BSTR}, &CGlintra::OnSetResourceLocalPath),
        Method(DISPID_WriteConfigFileEx, "WriteConfigFileEx", VT_BOOL, {VT_BSTR, VT_I2}, &CGlintra::OnWriteConfigFileEx),
    });
    return map;
}

CGlintra::CGlintra()
{
    // Each object keeps the library loaded for as long as it lives.
    GlintraModule().Lock();
    m_params.m_strClassLocalPath = WithTrailingSlash(GlintraModule().ServerFolder());
}

CGlintra::~CGlintra()
{
    GlintraModule().Unlock();
}

HRESULT CGlintra::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IGlintra) {
        *object = static_cast<IGlintraDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CGlintra::AddRef()
{
    return ++m_refs;
}

ULONG CGlintra::Release()
{
    const ULONG left = --m_refs;
    if (left == 0)
        delete this;
    return left;
}

HRESULT CGlintra::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;  // no type library: members are known by number
    return S_OK;
}

HRESULT CGlintra::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return E_NOTIMPL;
}

HRESULT CGlintra::GetIDsOfNames(REFIID riid, OLECHAR** names, UINT count, LCID, DISPID* dispids)
{
    if (!(riid == IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    return DispatchMap().GetIDsOfNames(names, count, dispids);
}

HRESULT CGlintra::Invoke(DISPID member, REFIID riid, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* exception, UINT* argError)
{
    // Nothing may be thrown across the interface: a failure inside a member
    // becomes a status code.
    try {
        return DispatchMap().Invoke(*this, member, riid, flags, params, result, exception, argError);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

HRESULT CGlintra::OnDescriptionProperty(CDispCall& call, const char* key)
{
    if (call.IsPut())
        m_config.SetDescription(key, call.StringArg(0));
    else
        call.ReturnString(m_config.GetDescription(key));
    return S_OK;
}

HRESULT CGlintra::OnProgID(CDispCall& call) { return OnDescriptionProperty(call, "ProgID"); }
HRESULT CGlintra::OnTitle(CDispCall& call) { return OnDescriptionProperty(call, "Title"); }
HRESULT CGlintra::OnDescription(CDispCall& call) { return OnDescriptionProperty(call, "Description"); }
HRESULT CGlintra::OnBitmapFileName(CDispCall& call) { return OnDescriptionProperty(call, "BitmapFileName"); }
HRESULT CGlintra::OnPreviewPath(CDispCall& call) { return OnDescriptionProperty(call, "PreviewPath"); }

HRESULT CGlintra::OnLastUpdateTime(CDispCall& call)
{
    // Kept as text with nine decimals of a day, written and read the same
    // whatever the locale.
    if (call.IsPut())
        m_config.SetDescription("LastUpdateTime", FormatFixed(call.DateArg(0), 9));
    else
        call.ReturnDate(ParseLeadingDouble(m_config.GetDescription("LastUpdateTime")));
    return S_OK;
}

HRESULT CGlintra::OnGetHTMLSegmentNumber(CDispCall& call)
{
    call.ReturnShort(1);  // the pagelet's HTML is one piece
    return S_OK;
}

HRESULT CGlintra::OnGetHTMLPosition(CDispCall& call)
{
    call.ReturnString(kHtmlPosition);  // it goes where the host's insertion point is
    return S_OK;
}

HRESULT CGlintra::OnGetResourceInstance(CDispCall& call)
{
    call.ReturnLong(static_cast<LONG>(GlintraModule().ResourceHandle()));
    return S_OK;
}

HRESULT CGlintra::OnSetResourceLocalPath(CDispCall& call)
{
    call.ReturnBool(true);  // the support files' folders come from the design
    return S_OK;
}

namespace {

// The folder of a file path, ending in '/'; "" for a bare file name, which
// lies in the current folder.
std::string FolderOfFile(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

BOOL CGlintra::ReadConfigFile(const std::string& path)
{
    if (!m_config.ReadFile(path))
        return FALSE;
    // Another pagelet's file: its description is taken (the host tells by the
    // ProgID), the design stays.
    if (m_config.GetDescription("ProgID") != kGlintraProgID)
        return TRUE;
    m_params.ReadParameters(m_config.m_mapParameters, FolderOfFile(path));
    return TRUE;
}

BOOL CGlintra::WriteConfigFileEx(const std::string& path, SHORT overwrite)
{
    m_config.RemoveAllParameters();
    m_config.RemoveAllResources();
    m_config.RemoveAllSegments();
    const std::string folder = FolderOfFile(path);
    {
        CCopyResourcesPrompt prompt(folder);
        CopySupportFiles(m_params, folder, overwrite, prompt);
    }
    m_params.WriteParameters(m_config.m_mapParameters);
    BuildResourceList(m_params, m_config);
    m_config.AddSegment("cursor", GetHTMLBody(kOutputBesideFile));
    m_bResourcesValid = TRUE;
    return m_config.WriteFile(path);
}

std::string CGlintra::GetHTMLBody(SHORT outputMode)
{
    return GenerateAppletHTML(m_params, m_config, outputMode, GlintraModule().ResourceHandle());
}

void CGlintra::EnsureResources()
{
    if (!m_bResourcesValid) {
        BuildResourceList(m_params, m_config);
        m_bResourcesValid = TRUE;
    }
}

HRESULT CGlintra::OnReadConfigFile(CDispCall& call)
{
    call.ReturnBool(ReadConfigFile(call.StringArg(0)));
    return S_OK;
}

HRESULT CGlintra::OnWriteConfigFile(CDispCall& call)
{
    call.ReturnBool(WriteConfigFileEx(call.StringArg(0), 0));
    return S_OK;
}

HRESULT CGlintra::OnWriteConfigFileEx(CDispCall& call)
{
    call.ReturnBool(WriteConfigFileEx(call.StringArg(0), call.ShortArg(1)));
    return S_OK;
}

HRESULT CGlintra::OnGetHTMLBody(CDispCall& call)
{
    // One segment: its index does not matter.
    call.ReturnString(GetHTMLBody(call.ShortArg(1)));
    return S_OK;
}

HRESULT CGlintra::OnGetResourceNumber(CDispCall& call)
{
    EnsureResources();
    // The interface counts in 16 bits; a longer list is served up to its limit.
    call.ReturnShort(static_cast<SHORT>(std::min(m_config.GetResourceCount(), 32767)));
    return S_OK;
}

HRESULT CGlintra::OnGetResourceName(CDispCall& call)
{
    EnsureResources();
    call.ReturnString(m_config.GetResourceName(call.ShortArg(0)));
    return S_OK;
}

HRESULT CGlintra::OnGetResourceLocalPath(CDispCall& call)
{
    EnsureResources();
    call.ReturnString(m_config.GetResourceLocalPath(call.ShortArg(0)));
    return S_OK;
}

HRESULT CGlintra::OnGetResourceWebPath(CDispCall& call)
{
    EnsureResources();
    call.ReturnString(m_config.GetResourceWebPath(call.ShortArg(0)));
    return S_OK;
}

HRESULT CGlintra::OnGetResourceLocalPathByName(CDispCall& call)
{
    EnsureResources();
    call.ReturnString(m_config.GetResourceLocalPathByName(call.StringArg(0)));
    return S_OK;
}

HRESULT CGlintra::OnGetResourceWebPathByName(CDispCall& call)
{
    EnsureResources();
    call.ReturnString(m_config.GetResourceWebPathByName(call.StringArg(0)));
    return S_OK;
}

BOOL CGlintra::Config()
{
    if (m_pSheet)
        return FALSE;  // showing already
    const BOOL finished = RunConfigWizard({&m_params, GlintraModule().ResourceHandle(), this,
                                           GlintraModule().ServerFolder(), &m_pSheet, &m_config,
                                           &GlintraModule().Settings()});
    if (finished)
        m_bResourcesValid = FALSE;  // the pictures may have changed
    return finished;
}

HRESULT CGlintra::OnConfig(CDispCall& call)
{
    call.ReturnBool(Config());
    return S_OK;
}
