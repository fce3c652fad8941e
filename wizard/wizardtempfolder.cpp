#include "wizard/wizardtempfolder.h"

#include "platform/base/files.h"
#include "platform/base/numbers.h"

#include <unistd.h>

std::string WizardTempFolderFor(const std::string& serverFolder, bool serverWritable, const std::string& cacheFolder,
                                long processId)
{
    const std::string own = "/wizard-" + FormatInt(processId);
    if (serverWritable)
        return serverFolder + "/tmp" + own;
    return cacheFolder + "/PallimaGlintra" + own;
}

std::string WizardTempFolder(const std::string& serverFolder)
{
    return WizardTempFolderFor(serverFolder, FolderIsWritable(serverFolder), UserBaseFolder("XDG_CACHE_HOME", ".cache"),
                               static_cast<long>(::getpid()));
}

void EmptyAndRemoveFolder(const std::string& folder)
{
    if (!FolderExists(folder))
        return;
    for (const std::string& name : FindFiles(folder, "*.*"))
        DeleteFileAt(folder + "/" + name);
    RemoveFolder(folder);
}

void RemoveWizardTempFolder(const std::string& folder)
{
    EmptyAndRemoveFolder(folder);
    // The folder around it: the server's tmp, or the cache's own folder;
    // another program's folder keeps it.
    RemoveFolder(PathFolder(folder));
}
