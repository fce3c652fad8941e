#include "host/output/hostpictures.h"

#include "resources/host/hostresources.h"

QPixmap HostPicture(UINT id)
{
    QPixmap picture;
    const std::vector<CImageResource> images = LoadModuleImages(HostResources(), id);
    if (!images.empty())
        picture.loadFromData(images.back().data, uint(images.back().size), "PNG");
    return picture;
}

QIcon HostIcon()
{
    QIcon icon;
    for (const CImageResource& image : LoadModuleImages(HostResources(), IDR_MAINFRAME)) {
        QPixmap picture;
        if (picture.loadFromData(image.data, uint(image.size), "PNG"))
            icon.addPixmap(picture);
    }
    return icon;
}
