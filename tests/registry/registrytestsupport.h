#pragma once
// Helpers of the registry tests: a registry folder per test and byte-exact
// value access.

#include "platform/registry/registry.h"
#include "tests/support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

// Text with its terminating zero byte, as string values are stored.
inline std::string Sz(const std::string& text)
{
    return text + '\0';
}

inline LONG SetBytes(HKEY key, const char* name, DWORD type, const std::string& bytes)
{
    return RegSetValueEx(key, name, type, reinterpret_cast<const BYTE*>(bytes.data()), DWORD(bytes.size()));
}

// The value's type and bytes through the two-call size protocol.
inline LONG QueryBytes(HKEY key, const char* name, DWORD& type, std::string& bytes)
{
    DWORD size = 0;
    LONG result = RegQueryValueEx(key, name, &type, nullptr, &size);
    if (result != ERROR_SUCCESS)
        return result;
    bytes.assign(size, '\0');
    result = RegQueryValueEx(key, name, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
    bytes.resize(size);
    return result;
}

// Closes the key at the end of the scope.
class CKey {
public:
    CKey() = default;
    ~CKey() { Close(); }
    CKey(const CKey&) = delete;
    CKey& operator=(const CKey&) = delete;
    HKEY* Out()
    {
        Close();
        return &m_key;
    }
    HKEY Get() const { return m_key; }
    operator HKEY() const { return m_key; }
    HKEY Release()
    {
        HKEY key = m_key;
        m_key = nullptr;
        return key;
    }
    void Close()
    {
        if (m_key)
            RegCloseKey(m_key);
        m_key = nullptr;
    }

private:
    HKEY m_key = nullptr;
};

class RegistryTest : public ::testing::Test {
protected:
    std::string FileOf(HKEY root) const { return RegistryFilePath(root); }
    // Copies the root files into a second folder and points the registry
    // there, so what follows reads the files afresh as another program would.
    void ReopenFromCopy()
    {
        const std::string copy = m_registry.Dir() / "copy";
        ASSERT_TRUE(CreateFolderPath(copy));
        for (const char* name : {"classes_root.reg", "local_machine.reg", "current_user.reg"}) {
            const std::string from = m_registry.Folder() + "/" + name;
            if (FileExists(from)) {
                ASSERT_TRUE(CopyFileReplacing(from, copy + "/" + name));
            }
        }
        m_copy.emplace("GLINTRA_REGISTRY_DIR", copy);
    }

    CTempRegistry m_registry;
    std::optional<CScopedEnv> m_copy;
};
