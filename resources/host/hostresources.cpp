#include "resources/host/hostresources.h"

#include <iterator>

namespace {

const CStringResource kStrings[] = {
    {IDR_WIDGETTYPE, "Pallima Glintra\nUntitled_PageletServer.Glintra\nPallima Glintra\nPallima Widgets File(*.pgt) \n"
                     ".pgt\nPallimaTool.Document\nPallimaTool Document"},
    {IDS_OLE_INIT_FAILED, "OLE initialization failed.  Make sure that the OLE libraries are the correct version."},
    {IDS_WIDGET_EXTENSION, "pgt"},
    {IDS_PAGELET_PROGID, "PageletServer.Glintra"},
    {IDS_APP_TITLE, "Pallima Glintra"},
    {IDS_REGISTRY_REMOVED, "System registry entries have been removed and the INI file (if any) was deleted."},
    {IDS_REGISTRY_NOT_REMOVED, "Not all of the system registry entries (or INI file) were removed."},
};

} // namespace

HMODULE32 HostResources()
{
    static const HMODULE32 handle =
        RegisterModuleResources("PallimaGlintra", kStrings, std::size(kStrings), nullptr, 0);
    return handle;
}

std::string LoadHostString(UINT id)
{
    return LoadModuleString(HostResources(), id);
}
