#include "platform/resources/moduleresources.h"

#include <algorithm>
#include <map>
#include <mutex>

namespace {

struct CModule {
    std::string name;
    std::map<UINT, std::string> strings;
    std::vector<CImageResource> images;
};

struct CModuleTable {
    std::mutex mutex;
    std::map<HMODULE32, CModule> modules;
    HMODULE32 next = 0x00400000;  // never 0, which stands for "no module"
};

CModuleTable& Table()
{
    static CModuleTable* table = new CModuleTable;  // outlives static destructors of unloading modules
    return *table;
}

} // namespace

HMODULE32 RegisterModuleResources(const char* moduleName, const CStringResource* strings, std::size_t stringCount,
                                  const CImageResource* images, std::size_t imageCount)
{
    CModule module;
    module.name = moduleName ? moduleName : "";
    for (std::size_t i = 0; i < stringCount; ++i)
        module.strings[strings[i].id] = strings[i].text ? strings[i].text : "";
    module.images.assign(images, images + imageCount);
    std::stable_sort(module.images.begin(), module.images.end(), [](const CImageResource& a, const CImageResource& b) {
        return a.id != b.id ? a.id < b.id : a.width * a.height < b.width * b.height;
    });
    CModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    const HMODULE32 handle = table.next;
    table.next += 0x10000;
    if (table.next == 0)
        table.next = 0x00400000;
    table.modules.emplace(handle, std::move(module));
    return handle;
}

void UnregisterModuleResources(HMODULE32 module)
{
    CModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    table.modules.erase(module);
}

bool LoadModuleString(HMODULE32 module, UINT id, std::string& text)
{
    text.clear();
    CModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto m = table.modules.find(module);
    if (m == table.modules.end())
        return false;
    auto s = m->second.strings.find(id);
    if (s == m->second.strings.end())
        return false;
    text = s->second;
    return true;
}

std::string LoadModuleString(HMODULE32 module, UINT id)
{
    std::string text;
    LoadModuleString(module, id, text);
    return text;
}

std::vector<CImageResource> LoadModuleImages(HMODULE32 module, UINT id)
{
    std::vector<CImageResource> found;
    CModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto m = table.modules.find(module);
    if (m == table.modules.end())
        return found;
    for (const CImageResource& image : m->second.images)
        if (image.id == id)
            found.push_back(image);
    return found;
}

std::string ModuleName(HMODULE32 module)
{
    CModuleTable& table = Table();
    std::lock_guard lock(table.mutex);
    auto m = table.modules.find(module);
    return m == table.modules.end() ? std::string() : m->second.name;
}
