#include "platform/ui/modulepictures.h"

QPixmap ModulePicture(HMODULE32 module, UINT id)
{
    QPixmap picture;
    const std::vector<CImageResource> images = LoadModuleImages(module, id);
    if (!images.empty())
        picture.loadFromData(images.back().data, uint(images.back().size), "PNG");
    return picture;
}

QIcon ModuleIcon(HMODULE32 module, UINT id)
{
    QIcon icon;
    for (const CImageResource& image : LoadModuleImages(module, id)) {
        QPixmap picture;
        if (picture.loadFromData(image.data, uint(image.size), "PNG"))
            icon.addPixmap(picture);
    }
    return icon;
}
