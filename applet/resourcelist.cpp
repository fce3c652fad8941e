#include "applet/resourcelist.h"

#include "applet/appletcodes.h"
#include "applet/existingfiles.h"
#include "platform/base/files.h"

namespace {

void AddImage(std::string& path, const std::string& webPath, CPageletConfigFile& config, CExistingFiles& files)
{
    if (path.empty())
        return;
    if (!files.Exists(path)) {
        path.clear();
        return;
    }
    // The folder keeps its '/', so folder + name is the path again ("/" for
    // a file at the root, "" for a bare name).
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    config.AddResource(PathFileName(path), folder, webPath);
}

} // namespace

int BuildResourceList(CGlintraAppletParams& params, CPageletConfigFile& config)
{
    config.RemoveAllResources();
    config.AddResource(kAppletClassFile, params.m_strClassLocalPath, params.m_ClassWebPath);
    CExistingFiles files;
    AddImage(params.m_appBKImagePath, params.m_appBKImageWebPath, config, files);
    // Every banner takes part, enabled or not and whatever its fill: a page
    // may enable it later and needs its picture then.
    for (auto& background : params.m_aBackgrounds)
        AddImage(background->m_PgBKImg, background->m_PgBKImgWebPath, config, files);
    return config.GetResourceCount();
}
