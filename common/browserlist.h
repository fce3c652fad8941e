#pragma once
// The web browsers the wizard's Preview menu offers: the known browsers the
// system registry names, then the browsers installed on this machine, then
// the browsers the user named in the Web Browser dialog (the per-user
// section "Specify Browser", shared by the program and the pagelet server).
// Both sides build their own list from the same sources, so an index into
// one is an index into the other.

#include "platform/base/types.h"
#include "platform/registry/registry.h"

#include <string>
#include <vector>

class CProfile;

// A browser of this machine: its usual name and its program.
struct CDesktopBrowser {
    std::string name;
    std::string path;
};

// Where the browsers of this machine are looked for: the desktop entries of
// the XDG applications folders (dataHome and dataDirs, as the environment
// gives them) and the program search path.
struct CDesktopSearch {
    std::string dataHome;   // XDG_DATA_HOME, or ~/.local/share
    std::string dataDirs;   // XDG_DATA_DIRS, ':'-separated, or /usr/local/share:/usr/share
    std::string path;       // PATH
    static CDesktopSearch FromEnvironment();
};

// The browsers of this machine, each once (one program found under two
// names is listed under the first), in a fixed order: Firefox, Firefox
// ESR, Chromium, Google Chrome, Brave, Vivaldi, Opera, Microsoft Edge, GNOME
// Web, Falkon, Konqueror.
std::vector<CDesktopBrowser> FindDesktopBrowsers(const CDesktopSearch& search);

class CBrowserList {
public:
    // Detects the browsers (the known ones, then this machine's) and reads
    // the user's. The settings are the program's per-user settings.
    explicit CBrowserList(CProfile& settings, const CDesktopSearch& search = CDesktopSearch::FromEnvironment());

    int GetKnownBrowserCount() const { return m_nKnownCount; }
    std::string GetKnownBrowserName(int index) const;
    std::string GetKnownBrowserPath(int index) const;
    // -1 never happens here; callers treat 0 and -1 alike as none.
    int GetUserBrowserCount() const { return m_nUserCount; }
    std::string GetUserBrowserName(int index) const;
    std::string GetUserBrowserPath(int index) const;

    // The program's side: TRUE when the browser was stored. The two
    // refusals say so in a message; a failed write says nothing.
    BOOL AddUserBrowser(const std::string& name, const std::string& path);
    BOOL DeleteUserBrowser(const std::string& name);

    // The text of a value, or "" for a key that cannot be opened, a missing
    // value or one that does not fit 512 bytes with its terminator.
    static std::string ReadRegistryString(HKEY root, const std::string& key, const std::string& value);

private:
    void DetectBrowsers(const CDesktopSearch& search);
    void LoadUserBrowsers();
    void AddKnown(const std::string& path, const std::string& name);
    int BrowserNum() const;

    CProfile& m_settings;
    std::string m_strNetscapeVersion;
    std::vector<std::string> m_aNetscape40xPaths;  // 4.01 .. 4.09, "empty" when not installed
    std::vector<std::string> m_aNetscape4xPaths;   // 4.0 .. 4.9
    std::vector<std::string> m_aKnownPaths;
    std::vector<std::string> m_aKnownNames;
    int m_nKnownCount = 0;
    int m_nUserCount = 0;
    std::vector<std::string> m_aUserNames;
    std::vector<std::string> m_aUserPaths;
};
