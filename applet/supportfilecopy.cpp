#include "applet/supportfilecopy.h"

#include "applet/appletcodes.h"
#include "platform/base/files.h"

namespace {

std::string FolderWithSlash(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

} // namespace

BOOL CopyImageFile(std::string& field, const std::string& targetFolder, std::unordered_set<std::string>& copied,
                   SHORT overwrite, CExistingFiles* files)
{
    CExistingFiles ownFiles;
    CExistingFiles& known = files ? *files : ownFiles;
    if (field.empty())
        return TRUE;
    const std::string name = PathFileName(field);
    const std::string sourceFolder = FolderWithSlash(field);
    if (overwrite != 0) {
        // Everything is copied over what is there; a picture that several
        // banners share is copied once in a run.
        if (copied.insert(sourceFolder + name).second && CopyFileReplacing(sourceFolder + name, targetFolder + name))
            known.Made(targetFolder + name);
        return TRUE;
    }
    if (!known.Exists(field)) {
        field.clear();
        return TRUE;
    }
    if (sourceFolder == targetFolder)
        return TRUE;
    if (known.Exists(targetFolder + name))
        return FALSE;
    if (copied.count(field))
        return TRUE;
    // The field follows only a copy that is really there: pointing it at a
    // failed copy would lose the image from the design at the next rebuild.
    if (CopyFileReplacing(field, targetFolder + name)) {
        copied.insert(field);
        known.Made(targetFolder + name);
        field = targetFolder + name;
    }
    return TRUE;
}

void CopySupportFiles(CGlintraAppletParams& params, const std::string& targetFolder, SHORT overwrite,
                      ICopyResourcesPrompt& prompt)
{
    CopyFileReplacing(params.m_strClassLocalPath + kAppletClassFile, targetFolder + kAppletClassFile);

    std::unordered_set<std::string> copied;
    CExistingFiles files;
    auto copyImage = [&](std::string& field) {
        if (!CopyImageFile(field, targetFolder, copied, overwrite, &files))
            prompt.AddFile(&field);
    };
    copyImage(params.m_appBKImagePath);
    for (auto& background : params.m_aBackgrounds)
        copyImage(background->m_PgBKImg);

    if (prompt.GetReferenceCount() > 0)
        prompt.Run();
}
