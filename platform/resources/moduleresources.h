#pragma once
// Resources of a module (a shared library or the program), addressed by
// number: string tables and images. Each module registers its resources
// when it is loaded and receives a 32-bit module handle, which is what it
// hands to others (a server's GetResourceInstance); the handle stays unique
// for the life of the process, so a handle of an unloaded module finds
// nothing instead of another module's resources.

#include "platform/base/types.h"

#include <cstddef>
#include <string>
#include <vector>

using HMODULE32 = std::uint32_t;

struct CStringResource {
    UINT id;
    const char* text;
};

// One picture of an image resource: an icon has one per size.
struct CImageResource {
    UINT id;
    int width;
    int height;
    const unsigned char* data;  // PNG
    std::size_t size;
};

HMODULE32 RegisterModuleResources(const char* moduleName, const CStringResource* strings, std::size_t stringCount,
                                  const CImageResource* images, std::size_t imageCount);
void UnregisterModuleResources(HMODULE32 module);

// FALSE (and an empty text) when the module or the string is not there.
bool LoadModuleString(HMODULE32 module, UINT id, std::string& text);
std::string LoadModuleString(HMODULE32 module, UINT id);
// Every picture of the image, smallest first; empty when there is none.
std::vector<CImageResource> LoadModuleImages(HMODULE32 module, UINT id);
std::string ModuleName(HMODULE32 module);
