#include "resources/host/hostresources.h"

#include <iterator>

namespace {

const CStringResource kStrings[] = {
    {IDS_WIDGET_EXTENSION, "pgt"},
    {IDS_PAGELET_PROGID, "PageletServer.Glintra"},
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
