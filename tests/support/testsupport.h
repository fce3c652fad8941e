#pragma once
// Small fixtures shared by the test programs.

#include "platform/base/files.h"

#include <cstdlib>
#include <stdexcept>
#include <optional>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class CTempDir {
public:
    CTempDir()
    {
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/glintra-test-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (char* made = ::mkdtemp(name.data()))
            m_path = made;
    }
    ~CTempDir() { RemoveFolderTree(m_path); }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    const std::string& Path() const { return Checked(); }
    std::string operator/(const std::string& name) const { return Checked() + "/" + name; }

private:
    // A folder that was never made (or a fixture that uses one before it is
    // made) must not turn into paths below "/".
    const std::string& Checked() const
    {
        if (m_path.empty() || m_path[0] != '/')
            throw std::logic_error("a temporary folder used that does not exist");
        return m_path;
    }
    std::string m_path;
};

// Sets an environment variable for the scope and restores what was there.
class CScopedEnv {
public:
    CScopedEnv(const char* name, const std::string& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~CScopedEnv()
    {
        if (m_old)
            ::setenv(m_name.c_str(), m_old->c_str(), 1);
        else
            ::unsetenv(m_name.c_str());
    }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// A registry of its own for one test: GLINTRA_REGISTRY_DIR points into a
// temporary folder.
class CTempRegistry {
public:
    CTempRegistry() : m_env("GLINTRA_REGISTRY_DIR", m_dir.Path() + "/registry") {}
    std::string Folder() const { return m_dir.Path() + "/registry"; }
    const CTempDir& Dir() const { return m_dir; }

private:
    CTempDir m_dir;
    CScopedEnv m_env;
};

inline std::string ReadText(const std::string& path)
{
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

inline bool WriteText(const std::string& path, const std::string& text)
{
    return WriteFileAtomically(path, text);
}

#include <clocale>
#include <cstring>

// Switches the C library to a locale that writes numbers with a decimal
// comma (as Qt does from a German environment) for the scope. Active() tells
// whether the locale could be loaded; the build makes it in its own folder.
class CScopedCommaLocale {
public:
    CScopedCommaLocale()
    {
        if (const char* old = std::setlocale(LC_ALL, nullptr))
            m_old = old;
#ifdef GLINTRA_LOCALE_DIR
        if (!std::getenv("LOCPATH"))
            ::setenv("LOCPATH", GLINTRA_LOCALE_DIR, 1);
#endif
        m_active = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr &&
                   std::strcmp(std::localeconv()->decimal_point, ",") == 0;
    }
    ~CScopedCommaLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    CScopedCommaLocale(const CScopedCommaLocale&) = delete;
    CScopedCommaLocale& operator=(const CScopedCommaLocale&) = delete;
    bool Active() const { return m_active; }

private:
    std::string m_old = "C";
    bool m_active = false;
};

#include <sys/stat.h>
#include <sys/wait.h>

// Runs a command line through the shell, capturing what it writes.
struct CProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuote(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

inline CProcessResult RunProcess(const std::vector<std::string>& argv, const CTempDir& scratch)
{
    std::string command;
    for (const std::string& arg : argv)
        command += ShellQuote(arg) + " ";
    const std::string out = scratch / "stdout.txt", err = scratch / "stderr.txt";
    command += ">" + ShellQuote(out) + " 2>" + ShellQuote(err) + " </dev/null";
    CProcessResult result;
    const int status = std::system(command.c_str());
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadText(out);
    result.err = ReadText(err);
    return result;
}

#include <dlfcn.h>

// A server folder of the test's own: a copy of the app folder's libraries
// (and the glintra program) in a temporary folder, with a stand-in applet
// class file, registered into the test's registry. Templates and sample
// pages can then be put beside it without touching the build.
class CTempServer {
public:
    CTempServer() : m_folder(m_dir.Path() + "/app")
    {
        CreateFolder(m_folder);
        for (const char* name : {"libPageletGlintra.so", "libGlintraPlatform.so", "libGlintraPlatformUi.so", "glintra"})
            CopyFileReplacing(std::string(GLINTRA_APP_DIR) + "/" + name, m_folder + "/" + name);
        ::chmod((m_folder + "/glintra").c_str(), 0755);
        WriteFileAtomically(ClassFile(), "stand-in applet class file");
        WriteFileAtomically(PlayerFile(), "/* stand-in banner player */");
    }
    const std::string& Folder() const { return m_folder; }
    std::string Library() const { return m_folder + "/libPageletGlintra.so"; }
    std::string Glintra() const { return m_folder + "/glintra"; }
    std::string ClassFile() const { return m_folder + "/glntfx.class"; }
    std::string PlayerFile() const { return m_folder + "/glntfx.js"; }

    // Calls DllRegisterServer or DllUnregisterServer of the copy.
    long CallEntry(const char* entry) const
    {
        void* handle = ::dlopen(Library().c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return -1;
        auto function = reinterpret_cast<std::int32_t (*)()>(::dlsym(handle, entry));
        const long hr = function ? function() : -2;
        ::dlclose(handle);
        return hr;
    }

private:
    CTempDir m_dir;
    std::string m_folder;
};
