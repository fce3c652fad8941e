#include "pagelet/servermodule.h"

#include "pagelet/pageletidentity.h"
#include "platform/base/files.h"
#include "resources/pagelet/pageletresources.h"

CGlintraModule::CGlintraModule()
{
    m_strServerPath = ModuleFilePath(reinterpret_cast<const void*>(&GlintraModule));
    m_strServerFolder = PathFolder(m_strServerPath);
    m_hResources = RegisterPageletResources();
    m_settings.SetRegistryKey(kCompanyKey, LoadString(IDS_PAGELET_APPNAME));
}

CGlintraModule::~CGlintraModule()
{
    UnregisterModuleResources(m_hResources);
}

CGlintraModule& GlintraModule()
{
    // Made when the library loads (see the exports), gone when it unloads.
    static CGlintraModule module;
    return module;
}
