// The browser list: the known browsers from registry fixtures, rule by
// rule; this machine's browsers from desktop entries and programs in
// folders of the test's own; the user's browsers and their slots.
#include "common/browserlist.h"
#include "platform/registry/profile.h"
#include "platform/ui/scripteduiservices.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using CStrings = std::vector<std::string>;

// A search that finds nothing of this machine.
CDesktopSearch Nowhere(const CTempDir& dir)
{
    return {dir / "nohome", dir / "nodirs", dir / "nopath"};
}

struct CValue {
    HKEY root;
    std::string key;
    std::string name;
    std::string value;
};

class BrowserList : public ::testing::Test {
protected:
    void Set(const std::vector<CValue>& values)
    {
        for (const CValue& v : values)
            ASSERT_TRUE(RegSetString(v.root, v.key, v.name, v.value)) << v.key;
    }
    CStrings Known(const CDesktopSearch& search)
    {
        CBrowserList list(settings, search);
        CStrings names;
        for (int i = 0; i < list.GetKnownBrowserCount(); ++i)
            names.push_back(list.GetKnownBrowserName(i) + " = " + list.GetKnownBrowserPath(i));
        return names;
    }
    CStrings Users()
    {
        CBrowserList list(settings, Nowhere(scratch));
        CStrings names;
        for (int i = 0; i < list.GetUserBrowserCount(); ++i)
            names.push_back(list.GetUserBrowserName(i) + " = " + list.GetUserBrowserPath(i));
        return names;
    }
    std::string Slot(const std::string& entry) { return settings.GetProfileString("Specify Browser", entry, "<none>"); }

    CTempRegistry registry;
    CTempDir scratch;
    CProfile settings{"Norvane", "Pallima Glintra"};
    CScriptedUiServices ui;
    CScopedUiServices installUi{&ui};
};

const std::string kAppPaths = "SOFTWARE\\Microsoft\\windows\\CurrentVersion\\App Paths\\";
const std::string kNetscape = "SOFTWARE\\Netscape\\Netscape Navigator";

CValue Netscape(const std::string& version, const std::string& dir)
{
    return {HKEY_LOCAL_MACHINE, kNetscape + "\\" + version + "\\Main", "Install Directory", dir};
}

TEST_F(BrowserList, KnownBrowsersFromTheRegistry)
{
    const std::string ns3 = scratch / "ns3";
    CreateFolderPath(ns3 + "/Program");
    ASSERT_TRUE(WriteText(ns3 + "/Program/Netscape.exe", "x"));
    struct Case {
        const char* what;
        std::vector<CValue> values;
        CStrings known;
    };
    const std::string big(600, 'x');
    const Case cases[] = {
        {"nothing installed", {}, {}},
        {"Internet Explorer, Opera and HotJava, in that order",
         {{HKEY_LOCAL_MACHINE, kAppPaths + "HotJava.EXE", "", "C:\\hj.exe"},
          {HKEY_LOCAL_MACHINE, kAppPaths + "Opera.EXE", "", "C:\\opera.exe"},
          {HKEY_LOCAL_MACHINE, kAppPaths + "IEXPLORE.EXE", "", "C:\\ie.exe"}},
         {"Internet Explorer = C:\\ie.exe", "Opera = C:\\opera.exe", "HotJava = C:\\hj.exe"}},
        {"the current version once, then the others",
         {{HKEY_LOCAL_MACHINE, kNetscape, "CurrentVersion", "4.7 (en)"}, Netscape("4.7 (en)", "C:\\N47"),
          Netscape("4.5 (en)", "C:\\N45")},
         {"Netscape Communicator 4.7 = C:\\N47\\Program\\Netscape.exe",
          "Netscape Communicator 4.5 = C:\\N45\\Program\\Netscape.exe"}},
        {"no current version: 4.x first, then 4.0x",
         {Netscape("4.05 (en)", "C:\\N405"), Netscape("4.6 (en)", "C:\\N46"), Netscape("4.0 (en)", "C:\\N40")},
         {"Netscape Communicator 4.0 = C:\\N40\\Program\\Netscape.exe",
          "Netscape Communicator 4.6 = C:\\N46\\Program\\Netscape.exe",
          "Netscape Communicator 4.05 = C:\\N405\\Program\\Netscape.exe"}},
        {"a current version without its folder still hides its own entry",
         {{HKEY_LOCAL_MACHINE, kNetscape, "CurrentVersion", "4.6 (en)"}, Netscape("4.6 (fr)", "C:\\x")}, {}},
        {"a current version without a parenthesis has no label",
         {{HKEY_LOCAL_MACHINE, kNetscape, "CurrentVersion", "4.7"}, Netscape("4.7", "C:\\N47")},
         {"Netscape Communicator  = C:\\N47\\Program\\Netscape.exe"}},
        {"Navigator 3 with its program",
         {{HKEY_CURRENT_USER, kNetscape + "\\Main", "Install Directory", ns3},
          {HKEY_CURRENT_USER, kNetscape + "\\Main", "Mozilla", "Mozilla/3.01Gold"}},
         {"Netscape Navigator 3 = " + ns3 + "\\Program\\Netscape.exe"}},
        {"Navigator 3 of another version",
         {{HKEY_CURRENT_USER, kNetscape + "\\Main", "Install Directory", ns3},
          {HKEY_CURRENT_USER, kNetscape + "\\Main", "Mozilla", "Mozilla/4.0"}},
         {}},
        {"Navigator 3 without its program",
         {{HKEY_CURRENT_USER, kNetscape + "\\Main", "Install Directory", scratch / "gone"},
          {HKEY_CURRENT_USER, kNetscape + "\\Main", "Mozilla", "3.0"}},
         {}},
        {"a value that does not fit 512 bytes reads as none",
         {{HKEY_LOCAL_MACHINE, kAppPaths + "IEXPLORE.EXE", "", big}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTempRegistry fresh;
        Set(c.values);
        EXPECT_EQ(Known(Nowhere(scratch)), c.known);
    }
    // 511 bytes and the terminator fit.
    CTempRegistry fresh;
    Set({{HKEY_LOCAL_MACHINE, kAppPaths + "IEXPLORE.EXE", "", std::string(511, 'y')}});
    EXPECT_EQ(CBrowserList::ReadRegistryString(HKEY_LOCAL_MACHINE, kAppPaths + "IEXPLORE.EXE", ""), std::string(511, 'y'));
}

// The browsers of this machine: desktop entries first, then the programs on
// the search path, each program once, in the fixed order, after the
// registry's browsers.
TEST_F(BrowserList, BrowsersOfThisMachine)
{
    const std::string bin = scratch / "bin", other = scratch / "other", apps = scratch / "share/applications";
    CreateFolderPath(bin);
    CreateFolderPath(other);
    CreateFolderPath(apps);
    const auto program = [](const std::string& path) {
        ASSERT_TRUE(WriteText(path, "#!/bin/sh\n"));
        ::chmod(path.c_str(), 0755);
    };
    program(bin + "/chromium");
    program(bin + "/falkon");
    program(other + "/firefox-esr");
    ASSERT_EQ(::symlink((other + "/firefox-esr").c_str(), (bin + "/firefox").c_str()), 0);  // one program, two names
    program(other + "/real-vivaldi");
    ASSERT_TRUE(WriteText(apps + "/vivaldi-stable.desktop",
                          "[Desktop Entry]\nName=Vivaldi\nExec=" + other + "/real-vivaldi %U\n"));
    ASSERT_TRUE(WriteText(apps + "/org.kde.konqueror.desktop", "[Desktop Entry]\nExec=konqueror %u\nTryExec=konqueror\n"));
    ASSERT_TRUE(WriteText(bin + "/opera", "not executable"));
    const CDesktopSearch search{scratch / "home", scratch / "share", bin + ":" + other};

    EXPECT_EQ(Known(search), (CStrings{"Firefox = " + bin + "/firefox", "Chromium = " + bin + "/chromium",
                                       "Vivaldi = " + other + "/real-vivaldi", "Falkon = " + bin + "/falkon"}));
    // Beside Firefox ESR, a "firefox" without a desktop entry of its own is
    // the ESR's wrapper: listed once, as Firefox ESR.
    const std::string esr = scratch / "esr";
    CreateFolderPath(esr);
    program(esr + "/firefox");
    program(esr + "/firefox-esr");
    EXPECT_EQ(Known({scratch / "home", scratch / "none", esr}), CStrings{"Firefox ESR = " + esr + "/firefox-esr"});

    // After the registry's own.
    Set({{HKEY_LOCAL_MACHINE, kAppPaths + "Opera.EXE", "", "C:\\opera.exe"}});
    const CStrings known = Known(search);
    ASSERT_EQ(known.size(), 5u);
    EXPECT_EQ(known[0], "Opera = C:\\opera.exe");
}

// Slots of the user's browsers: a free slot is taken from the top, the
// count never goes down, names are exact and unique among the user's.
TEST_F(BrowserList, UserBrowsersAndTheirSlots)
{
    CBrowserList list(settings, Nowhere(scratch));
    EXPECT_FALSE(list.AddUserBrowser("", "/usr/bin/x"));
    EXPECT_EQ(ui.LastMessage(), "You must input a name for this browser!");
    for (const char* name : {"One", "Two", "Three"})
        EXPECT_TRUE(list.AddUserBrowser(name, std::string("/opt/") + name));
    EXPECT_EQ(Slot("BrowserNum"), "3");
    ui.Clear();
    EXPECT_FALSE(list.AddUserBrowser("Two", "/elsewhere"));
    EXPECT_EQ(ui.LastMessage(), "Please give a new name to this browser!");
    EXPECT_TRUE(list.AddUserBrowser("two", "/opt/lower")) << "names differ in case: accepted";
    EXPECT_EQ(Slot("BrowserNum"), "4");

    EXPECT_TRUE(list.DeleteUserBrowser("One"));
    EXPECT_TRUE(list.DeleteUserBrowser("Two"));
    EXPECT_FALSE(list.DeleteUserBrowser("Two")) << "gone already";
    EXPECT_EQ(Slot("Name1"), "");
    EXPECT_EQ(Slot("Path2"), "") << "the keys stay, empty";
    EXPECT_EQ(Users(), (CStrings{"Three = /opt/Three", "two = /opt/lower"}));

    EXPECT_TRUE(list.AddUserBrowser("Four", "/opt/Four"));
    EXPECT_EQ(Slot("Name2"), "Four") << "the highest free slot";
    EXPECT_EQ(Slot("BrowserNum"), "4") << "the count does not move";
    EXPECT_EQ(Users(), (CStrings{"Four = /opt/Four", "Three = /opt/Three", "two = /opt/lower"}));
    EXPECT_EQ(list.GetUserBrowserCount(), 3);
    EXPECT_EQ(list.GetUserBrowserName(7), "");
    EXPECT_EQ(list.GetKnownBrowserPath(-1), "");
}

TEST_F(BrowserList, SlotsAsTheSettingsHoldThem)
{
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, const char*>> entries;
        CStrings users;
    };
    const Case cases[] = {
        {"only slot 5 of 5 filled", {{"BrowserNum", "5"}, {"Name5", "Five"}, {"Path5", "/5"}}, {"Five = /5"}},
        {"a count read by its leading digits", {{"BrowserNum", "2 slots"}, {"Name2", "B"}, {"Path2", "/b"}}, {"B = /b"}},
        {"no count", {{"Name1", "A"}, {"Path1", "/a"}}, {}},
        {"a name without a path", {{"BrowserNum", "1"}, {"Name1", "A"}}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        settings.DeleteProfileSection("Specify Browser");
        for (const auto& [entry, value] : c.entries)
            settings.WriteProfileString("Specify Browser", entry, value);
        EXPECT_EQ(Users(), c.users);
    }
    // A count below zero is none; the next browser goes to slot 1.
    settings.DeleteProfileSection("Specify Browser");
    settings.WriteProfileString("Specify Browser", "BrowserNum", "-4");
    CBrowserList list(settings, Nowhere(scratch));
    EXPECT_TRUE(list.AddUserBrowser("A", "/a"));
    EXPECT_EQ(Slot("BrowserNum"), "1");
    EXPECT_EQ(Slot("Name1"), "A");
}

} // namespace
