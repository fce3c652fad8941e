#include "platform/registry/registrystore.h"

#include "platform/base/files.h"
#include "platform/registry/registry.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Reads what is left of an open file.
bool ReadAll(int fd, std::string& text)
{
    text.clear();
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            text.append(buffer, size_t(n));
        else if (n == 0)
            return true;
        else if (errno != EINTR)
            return false;
    }
}

// A descriptor that is closed at the end of the scope; closing the lock
// file's descriptor is what releases the lock.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool Valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

bool LockExclusive(int fd)
{
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR)
            return false;
    }
    return true;
}

} // namespace

CRegistryStore& CRegistryStore::Instance()
{
    static CRegistryStore store;
    return store;
}

const char* CRegistryStore::RootName(ERegistryRoot root)
{
    switch (root) {
    case ERegistryRoot::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case ERegistryRoot::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case ERegistryRoot::CurrentUser:
        return "HKEY_CURRENT_USER";
    }
    return "";
}

const char* CRegistryStore::FileName(ERegistryRoot root)
{
    switch (root) {
    case ERegistryRoot::ClassesRoot:
        return "classes_root.reg";
    case ERegistryRoot::LocalMachine:
        return "local_machine.reg";
    case ERegistryRoot::CurrentUser:
        return "current_user.reg";
    }
    return "";
}

std::string CRegistryStore::FilePath(ERegistryRoot root)
{
    return WithTrailingSlash(RegistryDirectory()) + FileName(root);
}

bool CRegistryStore::IdentityOf(int fd, CFileIdentity& identity)
{
    struct stat st{};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    identity.device = st.st_dev;
    identity.inode = st.st_ino;
    identity.size = st.st_size;
    identity.modified = (long long)st.st_mtim.tv_sec * 1000000000LL + st.st_mtim.tv_nsec;
    identity.statusChanged = (long long)st.st_ctim.tv_sec * 1000000000LL + st.st_ctim.tv_nsec;
    return true;
}

void CRegistryStore::Remember(ERegistryRoot root, const std::string& path, std::shared_ptr<const CRegistryHive> hive)
{
    CCacheEntry& entry = m_cache[int(root)];
    entry = CCacheEntry{};
    CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Valid() && IdentityOf(fd.Get(), entry.identity)) {
        entry.path = path;
        entry.hive = std::move(hive);
    }
}

std::shared_ptr<const CRegistryHive> CRegistryStore::Read(ERegistryRoot root)
{
    std::lock_guard lock(m_mutex);
    const std::string path = FilePath(root);
    CFileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    CFileIdentity identity;
    if (!fd.Valid() || !IdentityOf(fd.Get(), identity))
        return std::make_shared<const CRegistryHive>();
    CCacheEntry& entry = m_cache[int(root)];
    if (entry.hive && entry.path == path && entry.identity == identity)
        return entry.hive;

    std::string text;
    if (!ReadAll(fd.Get(), text))
        return std::make_shared<const CRegistryHive>();
    auto hive = std::make_shared<CRegistryHive>();
    hive->Parse(text, RootName(root));
    entry.path = path;
    entry.identity = identity;
    entry.hive = hive;
    return hive;
}

LONG CRegistryStore::Modify(ERegistryRoot root, const Change& change)
{
    std::lock_guard lock(m_mutex);
    const std::string folder = RegistryDirectory();
    const std::string path = FilePath(root);
    if (!CreateFolderPath(folder))
        return ERROR_CANTWRITE;
    CFileDescriptor lockFile(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666));
    if (!lockFile.Valid() || !LockExclusive(lockFile.Get()))
        return ERROR_CANTWRITE;

    // Always the file as it is now, never the cache: another process may have
    // replaced it with a version of the same size within the clock's grain.
    auto hive = std::make_shared<CRegistryHive>();
    {
        CFileDescriptor data(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
        if (data.Valid()) {
            std::string text;
            CFileIdentity identity;
            // A file that is there but cannot be read would be lost by
            // writing over it.
            if (!IdentityOf(data.Get(), identity) || !ReadAll(data.Get(), text))
                return ERROR_CANTWRITE;
            hive->Parse(text, RootName(root));
        } else if (errno != ENOENT) {
            return ERROR_CANTWRITE;
        }
    }

    bool changed = false;
    const LONG result = change(*hive, changed);
    if (result != ERROR_SUCCESS || !changed)
        return result;
    if (!WriteFileAtomically(path, hive->ToText(RootName(root)))) {
        m_cache[int(root)] = CCacheEntry{};
        return ERROR_CANTWRITE;
    }
    Remember(root, path, std::move(hive));
    return ERROR_SUCCESS;
}
