#pragma once
// Where the wizard keeps what it writes for itself (the preview page and
// its pictures): a folder of this process inside the "tmp" folder beside
// the server when the server's folder is writable, else under the user's
// cache. Two programs previewing at once never touch each other's files.

#include <string>

// serverFolder without a trailing '/'; cacheFolder is the user's cache
// (XDG_CACHE_HOME or ~/.cache).
std::string WizardTempFolderFor(const std::string& serverFolder, bool serverWritable, const std::string& cacheFolder,
                                long processId);
// The same for this process and this machine.
std::string WizardTempFolder(const std::string& serverFolder);
// Every file in the folder, then the folder itself; one level, and what
// cannot be removed stays.
void EmptyAndRemoveFolder(const std::string& folder);
// The wizard's folder as EmptyAndRemoveFolder leaves it, and the server's
// "tmp" around it too once nothing else is in there.
void RemoveWizardTempFolder(const std::string& folder);
