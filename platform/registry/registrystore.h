#pragma once
// The files that hold the three roots, and the only code that touches them.
//
// A reader gets the root's tree as the file is now. The file is only ever
// replaced by a rename, so a reader needs no lock: it sees one whole version.
// The parsed tree is kept while the file's identity (device, inode, size,
// times) stays the same, so repeated look-ups do not parse it again.
//
// A change takes an exclusive lock on a lock file beside the data file (the
// data file itself is replaced on every change, so it cannot carry a lock
// that other processes would see), reads the file afresh, applies the change
// and replaces the file atomically. Concurrent writers in other processes thus
// queue up and each builds on the other's result.

#include "platform/base/types.h"
#include "platform/registry/registryhive.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <sys/types.h>

enum class ERegistryRoot { ClassesRoot = 0, LocalMachine = 1, CurrentUser = 2 };

class CRegistryStore {
public:
    static CRegistryStore& Instance();

    static const char* RootName(ERegistryRoot root);  // "HKEY_CLASSES_ROOT", ...
    static const char* FileName(ERegistryRoot root);  // "classes_root.reg", ...
    static std::string FilePath(ERegistryRoot root);  // in RegistryDirectory(), resolved now

    // The tree as the file holds it now; an empty tree when the file is
    // missing or cannot be read. The tree is shared and never changes.
    std::shared_ptr<const CRegistryHive> Read(ERegistryRoot root);

    // The change gets the current tree and says whether it changed anything;
    // only then is the file written. Its result is returned, or
    // ERROR_CANTWRITE when the change could not be stored (the old file stays).
    using Change = std::function<LONG(CRegistryHive& hive, bool& changed)>;
    LONG Modify(ERegistryRoot root, const Change& change);

private:
    struct CFileIdentity {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        long long modified = 0;  // nanoseconds
        long long statusChanged = 0;
        bool operator==(const CFileIdentity&) const = default;
    };
    struct CCacheEntry {
        std::string path;
        CFileIdentity identity;
        std::shared_ptr<const CRegistryHive> hive;
    };

    static bool IdentityOf(int fd, CFileIdentity& identity);
    void Remember(ERegistryRoot root, const std::string& path, std::shared_ptr<const CRegistryHive> hive);

    std::mutex m_mutex;
    CCacheEntry m_cache[3];
};
