#include "platform/base/files.h"

#include "platform/base/asciicase.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

std::string PathFileName(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string PathFolder(std::string_view path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string WithTrailingSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool FileExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path)
{
    struct stat st{};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CopyFileReplacing(const std::string& from, const std::string& to)
{
    std::FILE* in = std::fopen(from.c_str(), "rb");
    if (!in)
        return false;
    struct stat st{};
    if (::fstat(fileno(in), &st) != 0 || !S_ISREG(st.st_mode)) {
        std::fclose(in);
        return false;
    }
    CAtomicFile out;
    bool ok = out.Open(to, false);
    char buffer[1 << 16];
    while (ok) {
        const size_t n = std::fread(buffer, 1, sizeof buffer, in);
        if (n > 0)
            ok = out.Write(std::string_view(buffer, n));
        if (n < sizeof buffer) {
            ok = ok && !std::ferror(in);
            break;
        }
    }
    std::fclose(in);
    return ok && out.Commit();
}

bool DeleteFileAt(const std::string& path)
{
    struct stat st{};
    if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool CreateFolder(const std::string& path)
{
    return !path.empty() && ::mkdir(path.c_str(), 0777) == 0;
}

bool CreateFolderPath(const std::string& path)
{
    if (path.empty())
        return false;
    if (FolderExists(path))
        return true;
    const std::string parent = PathFolder(path);
    if (!parent.empty() && parent != path && !CreateFolderPath(parent))
        return false;
    return ::mkdir(path.c_str(), 0777) == 0 || (errno == EEXIST && FolderExists(path));
}

bool RemoveFolder(const std::string& path)
{
    return !path.empty() && ::rmdir(path.c_str()) == 0;
}

bool RemoveFolderTree(const std::string& path)
{
    struct stat st{};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return ::unlink(path.c_str()) == 0;
    DIR* dir = ::opendir(path.c_str());
    if (!dir)
        return false;
    bool ok = true;
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        ok = RemoveFolderTree(path + "/" + name) && ok;
    }
    ::closedir(dir);
    return ::rmdir(path.c_str()) == 0 && ok;
}

namespace {

bool MatchFrom(std::string_view name, std::string_view pattern)
{
    // Iterative wildcard match with one point of back-tracking per '*'.
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || FoldAscii(pattern[p]) == FoldAscii(name[n]))) {
            ++n;
            ++p;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

} // namespace

bool MatchFilePattern(std::string_view name, std::string_view pattern)
{
    if (pattern == "*.*" || pattern == "*")
        return true;
    return MatchFrom(name, pattern);
}

std::vector<std::string> FindFiles(const std::string& folder, std::string_view pattern)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.empty() ? "/" : folder.c_str());
    if (!dir)
        return names;
    const std::string prefix = WithTrailingSlash(folder.empty() ? "/" : folder);
    while (dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !MatchFilePattern(name, pattern))
            continue;
        if (FileExists(prefix + name))
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

bool ReadWholeStream(std::FILE* in, std::string& contents)
{
    contents.clear();
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        contents.append(buffer, n);
    return !std::ferror(in);
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    const bool ok = ReadWholeStream(in, contents);
    std::fclose(in);
    return ok;
}

bool WriteFileAtomically(const std::string& path, std::string_view contents)
{
    CAtomicFile file;
    return file.Open(path) && file.Write(contents) && file.Commit();
}

CAtomicFile::~CAtomicFile()
{
    Abandon();
}

bool CAtomicFile::Open(const std::string& path, bool durable)
{
    Abandon();
    if (path.empty() || path.back() == '/' || FolderExists(path))
        return false;
    const std::string folder = PathFolder(path);
    std::string pattern = (path.find('/') == std::string::npos ? std::string() : folder + "/") + "." +
                          PathFileName(path) + ".tmp-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return false;
    // Keep the permissions of the file we replace; a new one gets the usual
    // mode under the user's umask instead of mkstemp's 0600.
    struct stat st{};
    mode_t mode;
    if (::stat(path.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(fd, mode);
    m_file = ::fdopen(fd, "wb");
    if (!m_file) {
        ::close(fd);
        ::unlink(name.data());
        return false;
    }
    m_temp = name.data();
    m_target = path;
    m_failed = false;
    m_durable = durable;
    return true;
}

bool CAtomicFile::Write(std::string_view data)
{
    if (!m_file || m_failed)
        return false;
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), m_file) != data.size())
        m_failed = true;
    return !m_failed;
}

bool CAtomicFile::Commit()
{
    if (!m_file)
        return false;
    bool ok = !m_failed && std::fflush(m_file) == 0 && !std::ferror(m_file) && (!m_durable || ::fdatasync(fileno(m_file)) == 0);
    ok = std::fclose(m_file) == 0 && ok;
    m_file = nullptr;
    if (ok)
        ok = ::rename(m_temp.c_str(), m_target.c_str()) == 0;
    if (!ok)
        ::unlink(m_temp.c_str());
    m_temp.clear();
    return ok;
}

void CAtomicFile::Abandon()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
        ::unlink(m_temp.c_str());
    }
    m_temp.clear();
}

std::string UserBaseFolder(const char* variable, const char* underHome)
{
    std::string folder;
    if (const char* set = std::getenv(variable); set && *set == '/') {
        folder = set;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* user = ::getpwuid(::getuid());
            home = user && user->pw_dir ? user->pw_dir : "/tmp";
        }
        folder = std::string(home) + "/" + underHome;
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

bool FolderIsWritable(const std::string& path)
{
    return FolderExists(path) && ::access(path.c_str(), W_OK | X_OK) == 0;
}

std::string GetCurrentFolder()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool SetCurrentFolder(const std::string& path)
{
    return !path.empty() && ::chdir(path.c_str()) == 0;
}

std::string ModuleFilePath(const void* addressInModule)
{
    Dl_info info{};
    if (!::dladdr(addressInModule, &info) || !info.dli_fname)
        return {};
    char resolved[PATH_MAX];
    if (::realpath(info.dli_fname, resolved))
        return resolved;
    return info.dli_fname;
}

std::string ExecutablePath()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, size_t(n)) : std::string();
}
