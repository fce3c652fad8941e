#include "host/output/hostpictures.h"

#include "platform/ui/modulepictures.h"
#include "resources/host/hostresources.h"

QPixmap HostPicture(UINT id)
{
    return ModulePicture(HostResources(), id);
}

QIcon HostIcon()
{
    return ModuleIcon(HostResources(), IDR_MAINFRAME);
}
