#include "common/browserlist.h"

#include "platform/base/files.h"
#include "platform/base/numbers.h"
#include "platform/registry/profile.h"
#include "platform/ui/uiservices.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <set>
#include <unistd.h>

namespace {

constexpr const char* kSection = "Specify Browser";
constexpr const char* kEmpty = "empty";
constexpr DWORD kValueBuffer = 512;

std::string Digit(int d)
{
    return std::string(1, char('0' + d));
}

// The browsers of a desktop: the name a user knows them by, their desktop
// entries, and the programs they install.
struct CKnownDesktopBrowser {
    const char* name;
    std::vector<const char*> entries;
    std::vector<const char*> programs;
};

const std::vector<CKnownDesktopBrowser>& DesktopBrowsers()
{
    static const std::vector<CKnownDesktopBrowser> browsers = {
        {"Firefox", {"firefox.desktop", "org.mozilla.firefox.desktop"}, {"firefox"}},
        {"Firefox ESR", {"firefox-esr.desktop"}, {"firefox-esr"}},
        {"Chromium", {"chromium.desktop", "chromium-browser.desktop", "org.chromium.Chromium.desktop"},
         {"chromium", "chromium-browser"}},
        {"Google Chrome", {"google-chrome.desktop", "com.google.Chrome.desktop"}, {"google-chrome", "google-chrome-stable"}},
        {"Brave", {"brave-browser.desktop", "com.brave.Browser.desktop"}, {"brave-browser", "brave"}},
        {"Vivaldi", {"vivaldi-stable.desktop", "vivaldi.desktop"}, {"vivaldi", "vivaldi-stable"}},
        {"Opera", {"opera.desktop"}, {"opera"}},
        {"Microsoft Edge", {"microsoft-edge.desktop", "com.microsoft.Edge.desktop"}, {"microsoft-edge", "microsoft-edge-stable"}},
        {"GNOME Web", {"org.gnome.Epiphany.desktop", "epiphany.desktop"}, {"epiphany-browser", "epiphany"}},
        {"Falkon", {"org.kde.falkon.desktop", "falkon.desktop"}, {"falkon"}},
        {"Konqueror", {"org.kde.konqueror.desktop", "kfmclient_html.desktop", "konqueror.desktop"}, {"konqueror"}},
    };
    return browsers;
}

std::vector<std::string> Split(const std::string& list, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at; (at = list.find(separator, start)) != std::string::npos; start = at + 1)
        if (at > start)
            parts.push_back(list.substr(start, at - start));
    if (start < list.size())
        parts.push_back(list.substr(start));
    return parts;
}

bool IsExecutableFile(const std::string& path)
{
    return FileExists(path) && ::access(path.c_str(), X_OK) == 0;
}

// A program by name on the search path, or a path as it is.
std::string FindProgram(const std::string& program, const std::string& searchPath)
{
    if (program.find('/') != std::string::npos)
        return IsExecutableFile(program) ? program : std::string();
    for (const std::string& folder : Split(searchPath, ':'))
        if (IsExecutableFile(folder + "/" + program))
            return folder + "/" + program;
    return {};
}

std::string RealPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The program a desktop entry starts: the first word of its Exec line, or
// nothing for an entry that is hidden or whose TryExec is not there.
std::string EntryProgram(const std::string& entryPath, const std::string& searchPath)
{
    std::string text;
    if (!ReadWholeFile(entryPath, text))
        return {};
    std::string exec, tryExec;
    bool inMain = false, hidden = false;
    for (std::string line : Split(text, '\n')) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inMain = line == "[Desktop Entry]";
            continue;
        }
        if (!inMain)
            continue;
        const auto value = [&](const char* key) {
            const std::string head = std::string(key) + "=";
            return line.rfind(head, 0) == 0 ? line.substr(head.size()) : std::string("\x01");
        };
        if (std::string v = value("Exec"); v != "\x01" && exec.empty())
            exec = v;
        else if (std::string v2 = value("TryExec"); v2 != "\x01")
            tryExec = v2;
        else if (value("Hidden") == "true")
            hidden = true;
    }
    if (hidden || exec.empty() || (!tryExec.empty() && FindProgram(tryExec, searchPath).empty()))
        return {};
    // The first word, quotes around it taken off.
    std::string program;
    size_t i = 0;
    while (i < exec.size() && exec[i] == ' ')
        ++i;
    if (i < exec.size() && exec[i] == '"') {
        const size_t end = exec.find('"', i + 1);
        program = exec.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
    } else {
        program = exec.substr(i, exec.find(' ', i) - i);
    }
    // An entry that starts its program through a helper names no program.
    if (program == "env" || program == "flatpak" || program.empty())
        return {};
    return FindProgram(program, searchPath);
}

} // namespace

CDesktopSearch CDesktopSearch::FromEnvironment()
{
    CDesktopSearch search;
    search.dataHome = UserBaseFolder("XDG_DATA_HOME", ".local/share");
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    search.dataDirs = dirs && *dirs ? dirs : "/usr/local/share:/usr/share";
    const char* path = std::getenv("PATH");
    search.path = path ? path : "/usr/local/bin:/usr/bin:/bin";
    return search;
}

std::vector<CDesktopBrowser> FindDesktopBrowsers(const CDesktopSearch& search)
{
    std::vector<std::string> applications = {search.dataHome + "/applications"};
    for (const std::string& folder : Split(search.dataDirs, ':'))
        applications.push_back(folder + "/applications");

    std::vector<CDesktopBrowser> found;
    std::set<std::string> programs;  // real paths already listed
    std::set<std::string> byEntry;   // names found through a desktop entry
    for (const CKnownDesktopBrowser& browser : DesktopBrowsers()) {
        std::string program;
        // The first applications folder that has one of its entries decides.
        for (const std::string& folder : applications) {
            for (const char* entry : browser.entries) {
                if (FileExists(folder + "/" + entry)) {
                    program = EntryProgram(folder + "/" + entry, search.path);
                    break;
                }
            }
            if (!program.empty())
                break;
        }
        if (!program.empty())
            byEntry.insert(browser.name);
        for (size_t i = 0; program.empty() && i < browser.programs.size(); ++i)
            program = FindProgram(browser.programs[i], search.path);
        if (program.empty() || !programs.insert(RealPath(program)).second)
            continue;
        found.push_back({browser.name, program});
    }
    // A "firefox" program without a desktop entry of its own beside Firefox
    // ESR is the ESR's own wrapper (Debian installs one): one browser, once.
    if (!byEntry.count("Firefox")) {
        const auto esr = std::find_if(found.begin(), found.end(), [](const CDesktopBrowser& b) { return b.name == "Firefox ESR"; });
        const auto plain = std::find_if(found.begin(), found.end(), [](const CDesktopBrowser& b) { return b.name == "Firefox"; });
        if (esr != found.end() && plain != found.end())
            found.erase(plain);
    }
    return found;
}

CBrowserList::CBrowserList(CProfile& settings, const CDesktopSearch& search) : m_settings(settings)
{
    DetectBrowsers(search);
}

std::string CBrowserList::ReadRegistryString(HKEY root, const std::string& key, const std::string& value)
{
    HKEY opened = nullptr;
    if (RegOpenKeyEx(root, key.c_str(), &opened) != ERROR_SUCCESS)
        return {};
    BYTE buffer[kValueBuffer];
    DWORD size = kValueBuffer;
    const LONG result = RegQueryValueEx(opened, value.empty() ? nullptr : value.c_str(), nullptr, buffer, &size);
    RegCloseKey(opened);
    if (result != ERROR_SUCCESS || size == 0)
        return {};
    std::string text(reinterpret_cast<const char*>(buffer), size);
    const size_t end = text.find('\0');
    return end == std::string::npos ? text : text.substr(0, end);
}

void CBrowserList::AddKnown(const std::string& path, const std::string& name)
{
    m_aKnownPaths.push_back(path);
    m_aKnownNames.push_back(name);
    ++m_nKnownCount;
}

void CBrowserList::DetectBrowsers(const CDesktopSearch& search)
{
    const std::string appPaths = "SOFTWARE\\Microsoft\\windows\\CurrentVersion\\App Paths\\";
    const std::string netscape = "SOFTWARE\\Netscape\\Netscape Navigator";

    if (std::string path = ReadRegistryString(HKEY_LOCAL_MACHINE, appPaths + "IEXPLORE.EXE", ""); !path.empty())
        AddKnown(path, "Internet Explorer");

    for (int i = 0; i <= 9; ++i) {
        const std::string dir =
            ReadRegistryString(HKEY_LOCAL_MACHINE, netscape + "\\4." + Digit(i) + " (en)\\Main", "Install Directory");
        m_aNetscape4xPaths.push_back(dir.empty() ? kEmpty : dir + "\\Program\\Netscape.exe");
    }
    for (int j = 1; j <= 9; ++j) {
        const std::string dir =
            ReadRegistryString(HKEY_LOCAL_MACHINE, netscape + "\\4.0" + Digit(j) + " (en)\\Main", "Install Directory");
        m_aNetscape40xPaths.push_back(dir.empty() ? kEmpty : dir + "\\Program\\Netscape.exe");
    }
    const std::string current = ReadRegistryString(HKEY_LOCAL_MACHINE, netscape, "CurrentVersion");
    if (!current.empty()) {
        const std::string dir =
            ReadRegistryString(HKEY_LOCAL_MACHINE, netscape + "\\" + current + "\\Main", "Install Directory");
        const size_t paren = current.find('(');
        m_strNetscapeVersion = paren == std::string::npos || paren < 2 ? std::string() : current.substr(0, paren - 1);
        if (!dir.empty()) {
            std::string label = m_strNetscapeVersion;
            while (!label.empty() && label.back() == ' ')
                label.pop_back();
            AddKnown(dir + "\\Program\\Netscape.exe", "Netscape Communicator " + label);
        }
    }
    for (int i = 0; i <= 9; ++i) {
        const std::string version = "4." + Digit(i);
        if (m_aNetscape4xPaths[size_t(i)] != kEmpty && m_strNetscapeVersion != version)
            AddKnown(m_aNetscape4xPaths[size_t(i)], "Netscape Communicator " + version);
    }
    for (int j = 1; j <= 9; ++j) {
        const std::string version = "4.0" + Digit(j);
        if (m_aNetscape40xPaths[size_t(j - 1)] != kEmpty && m_strNetscapeVersion != version)
            AddKnown(m_aNetscape40xPaths[size_t(j - 1)], "Netscape Communicator " + version);
    }
    const std::string dir = ReadRegistryString(HKEY_CURRENT_USER, netscape + "\\Main", "Install Directory");
    const std::string mozilla = ReadRegistryString(HKEY_CURRENT_USER, netscape + "\\Main", "Mozilla");
    if (!dir.empty() && mozilla.find("3.0") != std::string::npos) {
        // The registry names a folder with backslashes; the file test is the
        // file system's.
        std::string path = dir + "\\Program\\Netscape.exe";
        std::string native = path;
        for (char& c : native)
            if (c == '\\')
                c = '/';
        if (FileExists(path) || FileExists(native))
            AddKnown(path, "Netscape Navigator 3");
    }
    if (std::string path = ReadRegistryString(HKEY_LOCAL_MACHINE, appPaths + "Opera.EXE", ""); !path.empty())
        AddKnown(path, "Opera");
    if (std::string path = ReadRegistryString(HKEY_LOCAL_MACHINE, appPaths + "HotJava.EXE", ""); !path.empty())
        AddKnown(path, "HotJava");

    // The browsers of this machine come after the registry's, so the
    // registry's keep their places.
    for (const CDesktopBrowser& browser : FindDesktopBrowsers(search))
        AddKnown(browser.path, browser.name);

    LoadUserBrowsers();
}

int CBrowserList::BrowserNum() const
{
    return std::max(0, ParseLeadingInt(m_settings.GetProfileString(kSection, "BrowserNum")));
}

void CBrowserList::LoadUserBrowsers()
{
    m_aUserNames.clear();
    m_aUserPaths.clear();
    m_nUserCount = 0;
    const int n = BrowserNum();
    for (int k = 1; k <= n; ++k) {
        const std::string path = m_settings.GetProfileString(kSection, "Path" + FormatInt(k));
        const std::string name = m_settings.GetProfileString(kSection, "Name" + FormatInt(k));
        if (path.empty() || name.empty())
            continue;
        m_aUserNames.push_back(name);
        m_aUserPaths.push_back(path);
        ++m_nUserCount;
    }
}

namespace {

std::string Entry(const std::vector<std::string>& list, int index)
{
    return index >= 0 && size_t(index) < list.size() ? list[size_t(index)] : std::string();
}

} // namespace

std::string CBrowserList::GetKnownBrowserName(int index) const { return Entry(m_aKnownNames, index); }
std::string CBrowserList::GetKnownBrowserPath(int index) const { return Entry(m_aKnownPaths, index); }
std::string CBrowserList::GetUserBrowserName(int index) const { return Entry(m_aUserNames, index); }
std::string CBrowserList::GetUserBrowserPath(int index) const { return Entry(m_aUserPaths, index); }

BOOL CBrowserList::AddUserBrowser(const std::string& name, const std::string& path)
{
    if (name.empty()) {
        AfxMessageBox("You must input a name for this browser!");
        return FALSE;
    }
    const int n = BrowserNum();
    int freeSlot = 0;
    for (int k = 1; k <= n; ++k) {
        const std::string existing = m_settings.GetProfileString(kSection, "Name" + FormatInt(k));
        if (existing == name) {
            AfxMessageBox("Please give a new name to this browser!");
            return FALSE;
        }
        if (existing.empty())
            freeSlot = k;  // the highest free slot is taken
    }
    const int slot = freeSlot ? freeSlot : n + 1;
    const int newNum = freeSlot ? n : n + 1;
    if (!m_settings.WriteProfileString(kSection, "BrowserNum", FormatInt(newNum)) ||
        !m_settings.WriteProfileString(kSection, "Path" + FormatInt(slot), path) ||
        !m_settings.WriteProfileString(kSection, "Name" + FormatInt(slot), name))
        return FALSE;
    LoadUserBrowsers();
    return TRUE;
}

BOOL CBrowserList::DeleteUserBrowser(const std::string& name)
{
    const int n = BrowserNum();
    for (int k = 1; k <= n; ++k) {
        if (m_settings.GetProfileString(kSection, "Name" + FormatInt(k)) != name)
            continue;
        if (!m_settings.WriteProfileString(kSection, "Path" + FormatInt(k), "") ||
            !m_settings.WriteProfileString(kSection, "Name" + FormatInt(k), ""))
            return FALSE;
        LoadUserBrowsers();
        return TRUE;
    }
    return FALSE;
}
