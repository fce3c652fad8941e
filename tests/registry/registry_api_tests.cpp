// The registry calls: names, handles, sizes, deletion, where the files live,
// and writers that run at the same time.
#include "platform/base/numbers.h"
#include "platform/registry/registry.h"
#include "registrytestsupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

TEST_F(RegistryTest, NamesIgnoreCaseAndKeepTheFirstSpelling)
{
    const std::string classKey = "CLSID\\{11111111-2222-3333-4444-555555555555}";
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, classKey + "\\InProcServer32", "", "/opt/lib.so"));
    std::string path;
    ASSERT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "clsid\\{11111111-2222-3333-4444-555555555555}\\InprocServer32", "",
                             path));
    EXPECT_EQ(path, "/opt/lib.so");

    // Writing under another spelling reaches the same key and value.
    CKey key;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, (classKey + "\\INPROCSERVER32").c_str(), key.Out()), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key, "ThreadingModel", REG_SZ, Sz("Apartment")), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key, "threadingmodel", REG_SZ, Sz("Both")), ERROR_SUCCESS);
    std::string name, data;
    ASSERT_EQ(RegEnumValue(key, 1, name, nullptr, &data), ERROR_SUCCESS);
    EXPECT_EQ(name, "ThreadingModel");
    EXPECT_EQ(data, Sz("Both"));
    EXPECT_EQ(RegEnumValue(key, 2, name, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

    CKey parent;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID", parent.Out()), ERROR_SUCCESS);
    ASSERT_EQ(RegEnumKeyEx(parent, 0, name), ERROR_SUCCESS);
    EXPECT_EQ(name, "{11111111-2222-3333-4444-555555555555}");
    EXPECT_EQ(RegEnumKeyEx(parent, 1, name), ERROR_NO_MORE_ITEMS);

    const std::string text = ReadText(FileOf(HKEY_CLASSES_ROOT));
    EXPECT_NE(text.find("\\InProcServer32]"), std::string::npos);
    EXPECT_EQ(text.find("\\InprocServer32]"), std::string::npos);
    EXPECT_EQ(text.find("INPROCSERVER32"), std::string::npos);
    EXPECT_EQ(text.find("threadingmodel"), std::string::npos);
}

TEST_F(RegistryTest, SubKeysListInTheOrderTheyWereMade)
{
    for (const char* name : {"Zeta", "alpha", "Mid"}) {
        CKey key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, (std::string("Software\\") + name).c_str(), key.Out()), ERROR_SUCCESS);
    }
    CKey software;
    ASSERT_EQ(RegOpenKeyEx(HKEY_LOCAL_MACHINE, "Software", software.Out()), ERROR_SUCCESS);
    std::vector<std::string> names;
    std::string name;
    for (DWORD i = 0; RegEnumKeyEx(software, i, name) == ERROR_SUCCESS; ++i)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Zeta", "alpha", "Mid"}));
}

TEST_F(RegistryTest, NamesThatCannotBeWrittenAreRefused)
{
    CKey key;
    for (const char* bad : {"Bad\nKey", "Tab\tKey", "Nul\x01Key", "Del\x7FKey"}) {
        EXPECT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, bad, key.Out()), ERROR_INVALID_PARAMETER) << bad;
        EXPECT_EQ(key.Get(), nullptr);
        EXPECT_FALSE(RegSetString(HKEY_CLASSES_ROOT, bad, "", "x")) << bad;
        EXPECT_EQ(SetBytes(HKEY_CLASSES_ROOT, bad, REG_SZ, Sz("x")), ERROR_INVALID_PARAMETER) << bad;
        EXPECT_FALSE(RegSetString(HKEY_CLASSES_ROOT, "Good", bad, "x")) << bad;
    }
    std::string deep;
    for (int i = 0; i < 600; ++i)
        deep += "k\\";
    EXPECT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, deep.c_str(), key.Out()), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(FileExists(FileOf(HKEY_CLASSES_ROOT))) << "nothing was written";

    // Empty names between separators are no names: "A\\\\B\\" is "A\B".
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "A\\\\B\\", key.Out()), ERROR_SUCCESS);
    CKey same;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "A\\B", same.Out()), ERROR_SUCCESS);
}

TEST_F(RegistryTest, QueryValueFollowsTheSizeProtocol)
{
    CKey key;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Sizes", key.Out()), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key, "Text", REG_SZ, "abc"), ERROR_SUCCESS);  // stored without its terminator
    ASSERT_EQ(SetBytes(key, "Blob", REG_BINARY, std::string("\x01\x02\x03", 3)), ERROR_SUCCESS);

    struct {
        const char* name;
        DWORD bufferSize;
        bool withBuffer;
        LONG result;
        DWORD size;
        std::string bytes;
    } const cases[] = {
        {"Text", 0, false, ERROR_SUCCESS, 4, ""},
        {"Text", 3, true, ERROR_MORE_DATA, 4, ""},
        {"Text", 4, true, ERROR_SUCCESS, 4, Sz("abc")},
        {"Text", 100, true, ERROR_SUCCESS, 4, Sz("abc")},
        {"Blob", 0, true, ERROR_MORE_DATA, 3, ""},
        {"Blob", 3, true, ERROR_SUCCESS, 3, "\x01\x02\x03"},
        {"Missing", 100, true, ERROR_FILE_NOT_FOUND, 100, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " into " + FormatInt(c.bufferSize));
        std::string buffer(c.bufferSize + 1, '#');  // one guard byte
        DWORD size = c.bufferSize;
        DWORD type = 99;
        EXPECT_EQ(RegQueryValueEx(key, c.name, &type, c.withBuffer ? reinterpret_cast<BYTE*>(buffer.data()) : nullptr,
                                  &size),
                  c.result);
        EXPECT_EQ(size, c.size);
        if (c.result == ERROR_SUCCESS && c.withBuffer) {
            EXPECT_EQ(buffer.substr(0, size), c.bytes);
        }
        EXPECT_EQ(buffer.back(), '#') << "nothing written past the buffer";
        if (c.result != ERROR_FILE_NOT_FOUND) {
            EXPECT_EQ(type, std::string(c.name) == "Text" ? REG_SZ : REG_BINARY);
        }
    }
    // Type only.
    DWORD type = 0;
    EXPECT_EQ(RegQueryValueEx(key, "Blob", &type, nullptr, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    BYTE byte = 0;
    EXPECT_EQ(RegQueryValueEx(key, "Blob", &type, &byte, nullptr), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, LegacyDefaultValueCalls)
{
    ASSERT_EQ(RegSetValue(HKEY_CLASSES_ROOT, "CLSID\\{X}\\InprocServer32", REG_SZ, "/lib/server.so", 0), ERROR_SUCCESS);
    CKey classKey;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "CLSID\\{X}", classKey.Out()), ERROR_SUCCESS);

    LONG size = 0;
    EXPECT_EQ(RegQueryValue(classKey, "InProcServer32", nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 15);
    char small[8] = {};
    size = sizeof small;
    EXPECT_EQ(RegQueryValue(classKey, "InProcServer32", small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 15);
    char buffer[64];
    size = sizeof buffer;
    ASSERT_EQ(RegQueryValue(classKey, "InProcServer32", buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 15);
    EXPECT_STREQ(buffer, "/lib/server.so");

    // A key without a default value has empty text; a missing one has none.
    size = sizeof buffer;
    ASSERT_EQ(RegQueryValue(HKEY_CLASSES_ROOT, "CLSID", buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 1);
    EXPECT_STREQ(buffer, "");
    size = sizeof buffer;
    EXPECT_EQ(RegQueryValue(classKey, "Missing", buffer, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegSetValue(classKey, "", REG_DWORD, "x", 1), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryTest, DeletingKeysAndValues)
{
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Prog.Id\\CLSID", "", "{X}"));
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Prog.Id\\CurVer", "", "Prog.Id.1"));
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Prog.Id", "Note", "kept until the tree goes"));
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Other", "", "stays"));

    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, "Prog.Id"), ERROR_ACCESS_DENIED) << "it has sub-keys";
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, "prog.id\\curver"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, "Prog.Id\\CurVer"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKey(HKEY_CLASSES_ROOT, ""), ERROR_ACCESS_DENIED) << "a root stays";
    {
        CKey leaf;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "Prog.Id\\Leaf", leaf.Out()), ERROR_SUCCESS);
        EXPECT_EQ(RegDeleteKey(leaf, ""), ERROR_SUCCESS) << "an empty sub-key is the open key itself";
        std::string name;
        EXPECT_EQ(RegEnumValue(leaf, 0, name, nullptr, nullptr), ERROR_KEY_DELETED);
    }

    EXPECT_EQ(RegDeleteValue(HKEY_CLASSES_ROOT, "Nothing"), ERROR_FILE_NOT_FOUND);
    {
        CKey key;
        ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "Prog.Id", key.Out()), ERROR_SUCCESS);
        EXPECT_EQ(RegDeleteValue(key, "NOTE"), ERROR_SUCCESS);
        EXPECT_EQ(RegDeleteValue(key, "Note"), ERROR_FILE_NOT_FOUND);
    }

    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, "Prog.Id"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(HKEY_CLASSES_ROOT, "Prog.Id"), ERROR_FILE_NOT_FOUND);
    CKey key;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "Prog.Id", key.Out()), ERROR_FILE_NOT_FOUND);
    std::string value;
    EXPECT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "Other", "", value));

    // An empty sub-key empties the open key and leaves the key itself.
    ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Other\\Below", "x", "1"));
    ASSERT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "Other", key.Out()), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteTree(key, ""), ERROR_SUCCESS);
    std::string name;
    EXPECT_EQ(RegEnumKeyEx(key, 0, name), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(RegEnumValue(key, 0, name, nullptr, nullptr), ERROR_NO_MORE_ITEMS);
    CKey again;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CLASSES_ROOT, "Other", again.Out()), ERROR_SUCCESS);
    EXPECT_EQ(ReadText(FileOf(HKEY_CLASSES_ROOT)).find("Below"), std::string::npos);
}

LONG CloseAfter(LONG result, HKEY opened)
{
    if (opened)
        RegCloseKey(opened);
    return result;
}

TEST_F(RegistryTest, HandlesToDeletedKeys)
{
    struct {
        const char* label;
        LONG whileThere;
        LONG (*call)(HKEY);
    } const calls[] = {
        {"query", ERROR_FILE_NOT_FOUND, [](HKEY k) { DWORD size = 0; return RegQueryValueEx(k, "v", nullptr, nullptr, &size); }},
        {"set", ERROR_SUCCESS, [](HKEY k) { return SetBytes(k, "v", REG_SZ, Sz("x")); }},
        {"delete value", ERROR_FILE_NOT_FOUND, [](HKEY k) { return RegDeleteValue(k, "v"); }},
        {"enum keys", ERROR_SUCCESS, [](HKEY k) { std::string n; return RegEnumKeyEx(k, 0, n); }},
        {"enum values", ERROR_NO_MORE_ITEMS, [](HKEY k) { std::string n; return RegEnumValue(k, 0, n, nullptr, nullptr); }},
        {"create below", ERROR_SUCCESS, [](HKEY k) { HKEY s = nullptr; return CloseAfter(RegCreateKeyEx(k, "New", &s), s); }},
        {"open below", ERROR_SUCCESS, [](HKEY k) { HKEY s = nullptr; return CloseAfter(RegOpenKeyEx(k, "Sub", &s), s); }},
        {"reopen itself", ERROR_SUCCESS, [](HKEY k) { HKEY s = nullptr; return CloseAfter(RegOpenKeyEx(k, "", &s), s); }},
        {"legacy set", ERROR_SUCCESS, [](HKEY k) { return RegSetValue(k, "Sub", REG_SZ, "x", 1); }},
        {"legacy query", ERROR_SUCCESS, [](HKEY k) { char b[8]; LONG n = sizeof b; return RegQueryValue(k, "", b, &n); }},
        {"delete sub-key", ERROR_SUCCESS, [](HKEY k) { return RegDeleteKey(k, "Sub"); }},
        {"delete tree", ERROR_SUCCESS, [](HKEY k) { return RegDeleteTree(k, ""); }},
    };
    for (const auto& c : calls) {
        SCOPED_TRACE(c.label);
        CKey key;
        ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, "Doomed\\Sub", key.Out()), ERROR_SUCCESS);
        ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Doomed", key.Out()), ERROR_SUCCESS);
        EXPECT_EQ(c.call(key), c.whileThere);
        ASSERT_EQ(RegDeleteTree(HKEY_CURRENT_USER, "Doomed"), ERROR_SUCCESS);
        EXPECT_EQ(c.call(key), ERROR_KEY_DELETED);
        EXPECT_EQ(ReadText(FileOf(HKEY_CURRENT_USER)).find("Doomed"), std::string::npos)
            << "the deleted key was not brought back";
        EXPECT_EQ(RegCloseKey(key.Release()), ERROR_SUCCESS) << "a handle to a deleted key still closes";
    }
}

TEST_F(RegistryTest, KeyDeletedByAnotherProgramIsNoticed)
{
    CKey key;
    ASSERT_EQ(RegCreateKeyEx(HKEY_LOCAL_MACHINE, "Software\\Gone", key.Out()), ERROR_SUCCESS);
    ASSERT_EQ(SetBytes(key, "v", REG_SZ, Sz("x")), ERROR_SUCCESS);
    // The other program replaces the file as a whole.
    ASSERT_TRUE(WriteText(FileOf(HKEY_LOCAL_MACHINE),
                          "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\Software]\r\n\r\n"));
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueEx(key, "v", nullptr, nullptr, &size), ERROR_KEY_DELETED);
    EXPECT_EQ(SetBytes(key, "v", REG_SZ, Sz("y")), ERROR_KEY_DELETED);
}

TEST_F(RegistryTest, BadHandlesAreRefused)
{
    HKEY closed = nullptr;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CLASSES_ROOT, "Key", &closed), ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(closed), ERROR_SUCCESS);
    // Points at readable memory that is no handle, so a lookup that trusted
    // it would not even crash: only the set of live handles can tell.
    alignas(16) static char fake[64] = {};
    const HKEY madeUp = reinterpret_cast<HKEY>(fake);
    for (HKEY bad : {HKEY(nullptr), closed, madeUp, reinterpret_cast<HKEY>(std::uintptr_t(0x80000003u))}) {
        std::string name;
        HKEY out = nullptr;
        DWORD size = 0;
        EXPECT_EQ(RegCloseKey(bad), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegOpenKeyEx(bad, "Key", &out), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegCreateKeyEx(bad, "Key", &out), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueEx(bad, "", nullptr, nullptr, &size), ERROR_INVALID_HANDLE);
        EXPECT_EQ(SetBytes(bad, "", REG_SZ, Sz("x")), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegEnumKeyEx(bad, 0, name), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegDeleteTree(bad, "Key"), ERROR_INVALID_HANDLE);
        EXPECT_FALSE(RegSetString(bad, "Key", "", "x"));
    }
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS) << "closing a root is harmless";
    std::string value;
    EXPECT_FALSE(RegGetString(HKEY_CLASSES_ROOT, "Key", "", value));
}

TEST_F(RegistryTest, FolderIsResolvedOnEveryCall)
{
    const std::string other = m_registry.Dir() / "other";
    ASSERT_TRUE(RegSetString(HKEY_CURRENT_USER, "Where", "", "first"));
    {
        CScopedEnv env("GLINTRA_REGISTRY_DIR", other);
        EXPECT_EQ(RegistryFilePath(HKEY_CURRENT_USER), other + "/current_user.reg");
        std::string value;
        EXPECT_FALSE(RegGetString(HKEY_CURRENT_USER, "Where", "", value));
        ASSERT_TRUE(RegSetString(HKEY_CURRENT_USER, "Where", "", "second"));
        EXPECT_TRUE(FileExists(other + "/current_user.reg"));
    }
    std::string value;
    ASSERT_TRUE(RegGetString(HKEY_CURRENT_USER, "Where", "", value));
    EXPECT_EQ(value, "first");
    EXPECT_EQ(RegistryFilePath(HKEY_CLASSES_ROOT), m_registry.Folder() + "/classes_root.reg");
    EXPECT_EQ(RegistryFilePath(HKEY_LOCAL_MACHINE), m_registry.Folder() + "/local_machine.reg");
    EXPECT_EQ(RegistryFilePath(reinterpret_cast<HKEY>(std::uintptr_t(0x1234))), "");
}

TEST(RegistryDirectory, FollowsTheEnvironment)
{
    struct {
        const char* registryDir;
        const char* configHome;
        const char* home;
        const char* expected;
    } const cases[] = {
        {"/tmp/reg", "/xdg", "/home/u", "/tmp/reg"},
        {"/tmp/reg/", nullptr, "/home/u", "/tmp/reg"},
        {"", "/xdg", "/home/u", "/xdg/PallimaGlintra/registry"},
        {nullptr, "/xdg", "/home/u", "/xdg/PallimaGlintra/registry"},
        {nullptr, "", "/home/u", "/home/u/.config/PallimaGlintra/registry"},
        {nullptr, nullptr, "/home/u", "/home/u/.config/PallimaGlintra/registry"},
    };
    for (const auto& c : cases) {
        CScopedEnv registryDir("GLINTRA_REGISTRY_DIR", "");
        CScopedEnv configHome("XDG_CONFIG_HOME", "");
        CScopedEnv home("HOME", c.home);
        if (c.registryDir)
            ::setenv("GLINTRA_REGISTRY_DIR", c.registryDir, 1);
        else
            ::unsetenv("GLINTRA_REGISTRY_DIR");
        if (c.configHome)
            ::setenv("XDG_CONFIG_HOME", c.configHome, 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
        EXPECT_EQ(RegistryDirectory(), c.expected);
    }
}

// Each writer process adds its own values to the same key at the same time;
// a lost update would drop some of the other's.
TEST_F(RegistryTest, ConcurrentProcessesLoseNothing)
{
    constexpr int kWriters = 2;
    constexpr int kValues = 250;
    pid_t children[kWriters];
    for (int w = 0; w < kWriters; ++w) {
        children[w] = ::fork();
        ASSERT_GE(children[w], 0);
        if (children[w] == 0) {
            bool ok = true;
            for (int i = 0; i < kValues; ++i) {
                const std::string name = "w" + FormatInt(w) + "-" + FormatInt(i);
                ok = RegSetString(HKEY_CURRENT_USER, "Software\\Race", name, name) && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    ReopenFromCopy();
    CKey key;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, "Software\\Race", key.Out()), ERROR_SUCCESS);
    std::set<std::string> names;
    std::string name, data;
    for (DWORD i = 0; RegEnumValue(key, i, name, nullptr, &data) == ERROR_SUCCESS; ++i) {
        EXPECT_EQ(data, Sz(name));
        names.insert(name);
    }
    EXPECT_EQ(names.size(), size_t(kWriters * kValues));
}

TEST_F(RegistryTest, ConcurrentThreadsLoseNothing)
{
    constexpr int kThreads = 4;
    constexpr int kValues = 40;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kValues; ++i) {
                HKEY key = nullptr;
                const std::string sub = "T" + FormatInt(t);
                if (RegCreateKeyEx(HKEY_CLASSES_ROOT, sub.c_str(), &key) != ERROR_SUCCESS)
                    continue;
                SetBytes(key, FormatInt(i).c_str(), REG_SZ, Sz("v"));
                std::string value;
                RegGetString(HKEY_CLASSES_ROOT, sub, FormatInt(i), value);
                RegCloseKey(key);
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kValues; ++i) {
            std::string value;
            EXPECT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "T" + FormatInt(t), FormatInt(i), value)) << t << "/" << i;
        }
    }
}

// A change that cannot be stored reports ERROR_CANTWRITE and leaves the old
// file exactly as it was, with no temporary file left behind.
enum class EBlock { ReadOnlyFolder, FileSizeLimit, FolderIsAFile };

inline void PrintTo(EBlock block, std::ostream* os)
{
    *os << (block == EBlock::ReadOnlyFolder ? "read-only folder" : block == EBlock::FileSizeLimit ? "file size limit" : "folder is a file");
}

class UnwritableRegistryTest : public RegistryTest, public ::testing::WithParamInterface<EBlock> {};

TEST_P(UnwritableRegistryTest, LeavesTheOldFileWhole)
{
    const EBlock block = GetParam();
    // Permissions do not stop the super-user: as root, the write is made by
    // a child that has given up its rights.
    const bool dropRights = block == EBlock::ReadOnlyFolder && ::geteuid() == 0;
    std::unique_ptr<CScopedEnv> elsewhere;
    if (block == EBlock::FolderIsAFile) {
        ASSERT_TRUE(WriteText(m_registry.Dir() / "plain-file", "x"));
        elsewhere = std::make_unique<CScopedEnv>("GLINTRA_REGISTRY_DIR", m_registry.Dir() / "plain-file/registry");
    } else {
        ASSERT_TRUE(RegSetString(HKEY_CLASSES_ROOT, "Old", "", "value"));
    }
    const std::string file = FileOf(HKEY_CLASSES_ROOT);
    const std::string before = ReadText(file);
    const std::string big(8192, 'b');

    LONG result = ERROR_SUCCESS;
    if (dropRights) {
        ASSERT_EQ(::chmod(m_registry.Dir().Path().c_str(), 0755), 0);
        ASSERT_EQ(::chmod(m_registry.Folder().c_str(), 0555), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                ::_exit(3);
            const LONG r = SetBytes(HKEY_CLASSES_ROOT, "Big", REG_SZ, Sz(big));
            const bool second = RegSetString(HKEY_CLASSES_ROOT, "New\\Key", "", "x");
            ::_exit(r == ERROR_CANTWRITE && !second ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ::chmod(m_registry.Folder().c_str(), 0755);
        ASSERT_TRUE(WIFEXITED(status));
        ASSERT_NE(WEXITSTATUS(status), 3) << "could not give up the rights";
        result = WEXITSTATUS(status) == 0 ? ERROR_CANTWRITE : ERROR_SUCCESS;
    } else if (block == EBlock::FileSizeLimit) {
        // In a child: the limit would stop this test program's own files too.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{1024, 1024};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            const LONG r = SetBytes(HKEY_CLASSES_ROOT, "Big", REG_SZ, Sz(big));
            ::_exit(r == ERROR_CANTWRITE ? 0 : r == ERROR_SUCCESS ? 1 : 2);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        result = WEXITSTATUS(status) == 0 ? ERROR_CANTWRITE : ERROR_SUCCESS;
    } else {
        if (block == EBlock::ReadOnlyFolder) {
            ASSERT_EQ(::chmod(m_registry.Folder().c_str(), 0555), 0);
        }
        result = SetBytes(HKEY_CLASSES_ROOT, "Big", REG_SZ, Sz(big));
        EXPECT_FALSE(RegSetString(HKEY_CLASSES_ROOT, "New\\Key", "", "x"));
        ::chmod(m_registry.Folder().c_str(), 0755);
    }
    EXPECT_EQ(result, ERROR_CANTWRITE);
    EXPECT_EQ(ReadText(file), before);
    if (block != EBlock::FolderIsAFile) {
        const std::vector<std::string> files = FindFiles(m_registry.Folder(), "*");
        EXPECT_EQ(std::set<std::string>(files.begin(), files.end()),
                  (std::set<std::string>{"classes_root.reg", "classes_root.reg.lock"}));
        std::string value;
        EXPECT_TRUE(RegGetString(HKEY_CLASSES_ROOT, "Old", "", value));
        EXPECT_FALSE(RegGetString(HKEY_CLASSES_ROOT, "", "Big", value));
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, UnwritableRegistryTest,
                         ::testing::Values(EBlock::ReadOnlyFolder, EBlock::FileSizeLimit, EBlock::FolderIsAFile),
                         [](const ::testing::TestParamInfo<EBlock>& info) {
                             switch (info.param) {
                             case EBlock::ReadOnlyFolder:
                                 return "ReadOnlyFolder";
                             case EBlock::FileSizeLimit:
                                 return "FileSizeLimit";
                             case EBlock::FolderIsAFile:
                                 return "FolderIsAFile";
                             }
                             return "Unknown";
                         });

} // namespace
