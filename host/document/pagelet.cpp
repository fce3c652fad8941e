#include "host/document/pagelet.h"

#include "platform/base/files.h"
#include "platform/registry/registry.h"
#include "platform/resources/moduleresources.h"
#include "platform/ui/uiservices.h"
#include "resources/host/hostresources.h"

#include <climits>
#include <vector>

namespace {

// Member numbers of the pagelet's dispatch interface: they are the contract
// between host and server.
enum : DISPID {
    kProgID = 1,
    kTitle = 2,
    kDescription = 3,
    kPreviewPath = 5,
    kLastUpdateTime = 6,
    kReadConfigFile = 7,
    kWriteConfigFile = 8,
    kConfig = 9,
    kGetPageletNameID = 11,
    kGetIconID = 15,
    kGetHTMLSegmentNumber = 17,
    kGetHTMLPosition = 18,
    kGetHTMLBody = 19,
    kGetResourceInstance = 20,
    kGetResourceNumber = 21,
    kGetResourceName = 22,
    kGetResourceLocalPath = 23,
    kGetResourceWebPath = 24,
    kWriteConfigFileEx = 28,
};

// Big enough for any path the file system takes.
constexpr LONG kServerPathBuffer = PATH_MAX;

bool AsBool(const CVariant& v)
{
    bool value = false;
    return v.ToBool(value) && value;
}

LONG AsLong(const CVariant& v)
{
    LONG value = 0;
    return v.ToLong(value) ? value : 0;
}

SHORT AsShort(const CVariant& v)
{
    SHORT value = 0;
    return v.ToShort(value) ? value : 0;
}

} // namespace

CPagelet::~CPagelet()
{
    const bool hadObject = m_dispatch.IsAttached();
    m_dispatch.ReleaseDispatch();
    // The server library may go once no object of it is left.
    if (hadObject)
        CoFreeUnusedLibraries();
}

BOOL CPagelet::CreateFromProgID(const std::string& progId)
{
    CLSID clsid;
    if (FAILED(ClassIdFromProgId(progId, clsid)))
        return FALSE;
    return Create(clsid);
}

BOOL CPagelet::Create(REFCLSID clsid)
{
    std::string progId;
    if (FAILED(ProgIdFromClassId(clsid, progId)))
        return FALSE;
    m_strProgID = progId;

    HKEY classKey = nullptr;
    const std::string keyName = "CLSID\\" + GuidToString(clsid);
    if (RegOpenKeyEx(HKEY_CLASSES_ROOT, keyName.c_str(), &classKey) != ERROR_SUCCESS)
        return FALSE;
    std::vector<char> buffer(kServerPathBuffer);
    LONG size = kServerPathBuffer;
    std::string serverPath;
    if (RegQueryValue(classKey, "InprocServer32", buffer.data(), &size) == ERROR_SUCCESS)
        serverPath.assign(buffer.data());
    RegCloseKey(classKey);

    m_strServerFolder = PathFolder(serverPath);
    m_strSamplePage.clear();
    if (FileExists(serverPath)) {
        m_strSamplePage = m_strServerFolder + "/Sample/sample.htm";
        if (!FileExists(m_strSamplePage))
            m_strSamplePage.clear();
    }

    CComPtr<IDispatch> object;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, object.OutVoid()))) {
        AfxMessageBox("Create Dispatch of the " + m_strProgID + " Error!");
        return FALSE;
    }
    m_dispatch.AttachDispatch(object.Get());

    m_strPageletName = LoadModuleString(static_cast<HMODULE32>(GetResourceInstance()),
                                        static_cast<UINT>(GetPageletNameID()));
    SetTitle("Normal");
    SetDescription("");
    return TRUE;
}

std::string CPagelet::StringResult(const CVariant& v) const
{
    std::string text;
    v.ToString(text);
    return text;
}

std::string CPagelet::GetProgID() const { return StringResult(m_dispatch.GetProperty(kProgID)); }
void CPagelet::SetProgID(const std::string& value) const { m_dispatch.SetProperty(kProgID, value); }
std::string CPagelet::GetTitle() const { return StringResult(m_dispatch.GetProperty(kTitle)); }
void CPagelet::SetTitle(const std::string& value) const { m_dispatch.SetProperty(kTitle, value); }
std::string CPagelet::GetDescription() const { return StringResult(m_dispatch.GetProperty(kDescription)); }
void CPagelet::SetDescription(const std::string& value) const { m_dispatch.SetProperty(kDescription, value); }
void CPagelet::SetPreviewPath(const std::string& value) const { m_dispatch.SetProperty(kPreviewPath, value); }
void CPagelet::SetLastUpdateTime(double date) const { m_dispatch.SetProperty(kLastUpdateTime, CVariant::Date(date)); }

BOOL CPagelet::ReadConfigFile(const std::string& path) const
{
    return AsBool(m_dispatch.Call(kReadConfigFile, {path}));
}

BOOL CPagelet::WriteConfigFile(const std::string& path) const
{
    return AsBool(m_dispatch.Call(kWriteConfigFile, {path}));
}

BOOL CPagelet::Config() const
{
    return AsBool(m_dispatch.Call(kConfig));
}

LONG CPagelet::GetPageletNameID() const { return AsLong(m_dispatch.Call(kGetPageletNameID)); }
LONG CPagelet::GetIconID(SHORT size) const { return AsLong(m_dispatch.Call(kGetIconID, {size})); }
SHORT CPagelet::GetHTMLSegmentNumber() const { return AsShort(m_dispatch.Call(kGetHTMLSegmentNumber)); }

std::string CPagelet::GetHTMLPosition(SHORT segment) const
{
    return StringResult(m_dispatch.Call(kGetHTMLPosition, {segment}));
}

std::string CPagelet::GetHTMLBody(SHORT segment, SHORT outputMode) const
{
    return StringResult(m_dispatch.Call(kGetHTMLBody, {segment, outputMode}));
}

LONG CPagelet::GetResourceInstance() const { return AsLong(m_dispatch.Call(kGetResourceInstance)); }
SHORT CPagelet::GetResourceNumber() const { return AsShort(m_dispatch.Call(kGetResourceNumber)); }

std::string CPagelet::GetResourceName(SHORT index) const
{
    return StringResult(m_dispatch.Call(kGetResourceName, {index}));
}

std::string CPagelet::GetResourceLocalPath(SHORT index) const
{
    return StringResult(m_dispatch.Call(kGetResourceLocalPath, {index}));
}

std::string CPagelet::GetResourceWebPath(SHORT index) const
{
    return StringResult(m_dispatch.Call(kGetResourceWebPath, {index}));
}

BOOL CPagelet::WriteConfigFileEx(const std::string& path, SHORT overwrite) const
{
    return AsBool(m_dispatch.Call(kWriteConfigFileEx, {path, overwrite}));
}

void CPagelet::EnumTemplates(std::vector<std::string>& titles, std::vector<std::string>& descriptions,
                             std::vector<std::string>& paths) const
{
    titles.clear();
    descriptions.clear();
    paths.clear();
    const std::string pattern = "*." + LoadHostString(IDS_WIDGET_EXTENSION);
    for (const std::string& name : FindFiles(m_strServerFolder, pattern)) {
        const std::string path = m_strServerFolder + "/" + name;
        // Reading adds to what the object holds; a file without these keys
        // must not show up under the previous template's identity.
        SetProgID("");
        SetTitle("");
        SetDescription("");
        if (!ReadConfigFile(path) || GetProgID() != m_strProgID)
            continue;  // unreadable, or another pagelet's
        titles.push_back(GetTitle());
        descriptions.push_back(GetDescription());
        paths.push_back(path);
    }
}
