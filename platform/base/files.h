#pragma once
// Paths and file services. Paths are native: the separator is '/'.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

// The text after the last '/', or the whole path when it has none.
std::string PathFileName(std::string_view path);
// The text before the last '/', or "" when the path has none.
std::string PathFolder(std::string_view path);
// The folder with a '/' at its end (an empty folder stays empty).
std::string WithTrailingSlash(std::string folder);

bool FileExists(const std::string& path);    // a regular file, links followed
bool FolderExists(const std::string& path);

// Copies a file, replacing one of that name. The target appears whole or not
// at all: the copy is written beside it and renamed into place. It does not
// wait for the disk: a copy can always be made again from its source.
bool CopyFileReplacing(const std::string& from, const std::string& to);
bool DeleteFileAt(const std::string& path);
bool CreateFolder(const std::string& path);       // one level; FALSE when it already exists
bool CreateFolderPath(const std::string& path);   // with every missing parent
bool RemoveFolder(const std::string& path);       // must be empty
bool RemoveFolderTree(const std::string& path);   // with everything inside

// The names of the regular files directly in a folder whose names match the
// pattern, in the order the directory gives them. "*.*" and "*" match every
// file, dotted or not; otherwise '*' and '?' are wildcards and letters match
// without regard to case, so "*.gif" finds "LOGO.GIF" too.
std::vector<std::string> FindFiles(const std::string& folder, std::string_view pattern);
bool MatchFilePattern(std::string_view name, std::string_view pattern);

bool ReadWholeFile(const std::string& path, std::string& contents);
// The rest of an open stream; FALSE when reading it failed part way.
bool ReadWholeStream(std::FILE* in, std::string& contents);
// Replaces the file as a whole (see CAtomicFile).
bool WriteFileAtomically(const std::string& path, std::string_view contents);

// A file that is written to a temporary file beside its target and renamed
// over the target only on Commit, so the old file stays whole if anything
// fails or the program stops half-way. Without Commit the temporary is removed.
class CAtomicFile {
public:
    CAtomicFile() = default;
    ~CAtomicFile();
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;

    // durable: the data reaches the disk before the rename, so even a power
    // cut leaves the old file or the whole new one. Copies that can be made
    // again from their source may skip that wait.
    bool Open(const std::string& path, bool durable = true);
    bool Write(std::string_view data);
    bool Commit();
    void Abandon();
    std::FILE* Stream() { return m_file; }

private:
    std::string m_target;
    std::string m_temp;
    std::FILE* m_file = nullptr;
    bool m_failed = false;
    bool m_durable = true;
};

// A per-user base folder of the desktop: the environment variable (for
// example XDG_CACHE_HOME) when it holds an absolute path, else the folder
// under the home folder (".cache"). No trailing '/'.
std::string UserBaseFolder(const char* variable, const char* underHome);

// Whether this process may make files in the folder.
bool FolderIsWritable(const std::string& path);

std::string GetCurrentFolder();
bool SetCurrentFolder(const std::string& path);

// The full path of the shared library or program that holds the address.
std::string ModuleFilePath(const void* addressInModule);
std::string ExecutablePath();
