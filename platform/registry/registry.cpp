#include "platform/registry/registry.h"

#include "platform/registry/registrystore.h"
#include "platform/base/files.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <unistd.h>
#include <unordered_set>
#include <vector>

// An open key: which root and the path of names below it. The path is looked
// up again on every call, so a key deleted in the meantime (by this process
// or another) is noticed instead of being written to.
struct HKEY__ {
    ERegistryRoot root;
    std::vector<std::string> path;
};

namespace {

// Every handle handed out and not yet closed. A handle is only ever used
// after it has been found here, so a stale or made-up one is refused.
std::mutex g_handleMutex;
std::unordered_set<HKEY> g_handles;

struct CTarget {
    ERegistryRoot root = ERegistryRoot::ClassesRoot;
    std::vector<std::string> path;
};

bool PredefinedRoot(HKEY key, ERegistryRoot& root)
{
    if (key == HKEY_CLASSES_ROOT)
        root = ERegistryRoot::ClassesRoot;
    else if (key == HKEY_LOCAL_MACHINE)
        root = ERegistryRoot::LocalMachine;
    else if (key == HKEY_CURRENT_USER)
        root = ERegistryRoot::CurrentUser;
    else
        return false;
    return true;
}

LONG Resolve(HKEY key, CTarget& target)
{
    if (!key)
        return ERROR_INVALID_HANDLE;
    if (PredefinedRoot(key, target.root)) {
        target.path.clear();
        return ERROR_SUCCESS;
    }
    std::lock_guard lock(g_handleMutex);
    if (!g_handles.count(key))
        return ERROR_INVALID_HANDLE;
    target.root = key->root;
    target.path = key->path;
    return ERROR_SUCCESS;
}

HKEY NewHandle(ERegistryRoot root, std::vector<std::string> path)
{
    HKEY key = new HKEY__{root, std::move(path)};
    std::lock_guard lock(g_handleMutex);
    g_handles.insert(key);
    return key;
}

// The open key's path followed by the sub-key's names. False when a name
// cannot be a key name or the result would nest too deep.
bool JoinPath(const CTarget& base, const char* subKey, std::vector<std::string>& full)
{
    std::vector<std::string> names;
    if (!CRegistryHive::SplitPath(subKey ? subKey : "", names))
        return false;
    full = base.path;
    full.insert(full.end(), names.begin(), names.end());
    return full.size() <= CRegistryHive::kMaxDepth;
}

std::vector<std::string> Parent(const std::vector<std::string>& path)
{
    return std::vector<std::string>(path.begin(), path.end() - 1);
}

bool IsStringType(DWORD type)
{
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Strings are kept with their terminator so that the file shows them as text.
std::string StoredData(DWORD type, const BYTE* data, DWORD size)
{
    std::string bytes = data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
    if (IsStringType(type) && (bytes.empty() || bytes.back() != '\0'))
        bytes += '\0';
    return bytes;
}

// The bytes a reader gets: strings always end in their terminator, even one
// written into the file by hand without it.
std::string ReadData(const CRegistryValue& value)
{
    std::string bytes = value.data;
    if (IsStringType(value.type) && (bytes.empty() || bytes.back() != '\0'))
        bytes += '\0';
    return bytes;
}

const char* NameOrDefault(const char* name)
{
    return name ? name : "";
}

// Looks the open key up in the current tree; ERROR_KEY_DELETED when it has
// gone since it was opened.
template <class F>
LONG WithKey(HKEY key, F use)
{
    CTarget target;
    LONG result = Resolve(key, target);
    if (result != ERROR_SUCCESS)
        return result;
    const auto hive = CRegistryStore::Instance().Read(target.root);
    const CRegistryKey* found = hive->Find(target.path);
    if (!found)
        return ERROR_KEY_DELETED;
    return use(*found);
}

} // namespace

std::string RegistryDirectory()
{
    std::string folder;
    if (const char* dir = std::getenv("GLINTRA_REGISTRY_DIR"); dir && *dir) {
        folder = dir;
    } else {
        folder = UserBaseFolder("XDG_CONFIG_HOME", ".config");
        folder += "/PallimaGlintra/registry";
    }
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return folder;
}

std::string RegistryFilePath(HKEY root)
{
    ERegistryRoot which;
    return PredefinedRoot(root, which) ? CRegistryStore::FilePath(which) : std::string();
}

LONG RegCreateKeyEx(HKEY key, const char* subKey, HKEY* result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    CTarget target;
    LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey, full))
        return ERROR_INVALID_PARAMETER;

    CRegistryStore& store = CRegistryStore::Instance();
    {
        // Opening a key that is already there needs no write.
        const auto hive = store.Read(target.root);
        if (!hive->Find(target.path))
            return ERROR_KEY_DELETED;
        if (hive->Find(full)) {
            *result = NewHandle(target.root, std::move(full));
            return ERROR_SUCCESS;
        }
    }
    status = store.Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        if (!hive.Find(target.path))
            return ERROR_KEY_DELETED;
        hive.Create(full, changed);
        return ERROR_SUCCESS;
    });
    if (status == ERROR_SUCCESS)
        *result = NewHandle(target.root, std::move(full));
    return status;
}

LONG RegOpenKeyEx(HKEY key, const char* subKey, HKEY* result)
{
    if (!result)
        return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    const auto hive = CRegistryStore::Instance().Read(target.root);
    if (!hive->Find(target.path))
        return ERROR_KEY_DELETED;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey, full) || !hive->Find(full))
        return ERROR_FILE_NOT_FOUND;
    *result = NewHandle(target.root, std::move(full));
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key)
{
    ERegistryRoot root;
    if (key && PredefinedRoot(key, root))
        return ERROR_SUCCESS;
    {
        std::lock_guard lock(g_handleMutex);
        if (!key || g_handles.erase(key) == 0)
            return ERROR_INVALID_HANDLE;
    }
    delete key;
    return ERROR_SUCCESS;
}

LONG RegSetValueEx(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD size)
{
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    const std::string name = NameOrDefault(valueName);
    if (!CRegistryHive::IsValidValueName(name) || (!data && size > 0))
        return ERROR_INVALID_PARAMETER;
    std::string bytes = StoredData(type, data, size);
    return CRegistryStore::Instance().Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        CRegistryKey* found = hive.Find(target.path);
        if (!found)
            return ERROR_KEY_DELETED;
        changed = found->SetValue(name, type, std::move(bytes));
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD* type, BYTE* data, DWORD* size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    return WithKey(key, [&](const CRegistryKey& found) {
        const CRegistryValue* value = found.FindValue(NameOrDefault(valueName));
        if (!value)
            return ERROR_FILE_NOT_FOUND;
        if (type)
            *type = value->type;
        if (!size)
            return ERROR_SUCCESS;
        const std::string bytes = ReadData(*value);
        const DWORD needed = DWORD(bytes.size());
        if (data && *size < needed) {
            *size = needed;
            return ERROR_MORE_DATA;
        }
        if (data && needed > 0)
            std::memcpy(data, bytes.data(), needed);
        *size = needed;
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteValue(HKEY key, const char* valueName)
{
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    const std::string name = NameOrDefault(valueName);
    return CRegistryStore::Instance().Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        CRegistryKey* found = hive.Find(target.path);
        if (!found)
            return ERROR_KEY_DELETED;
        changed = found->RemoveValue(name);
        return changed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG RegDeleteKey(HKEY key, const char* subKey)
{
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey, full))
        return ERROR_FILE_NOT_FOUND;
    if (full.empty())
        return ERROR_ACCESS_DENIED;  // a root cannot go
    return CRegistryStore::Instance().Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        if (!hive.Find(target.path))
            return ERROR_KEY_DELETED;
        const CRegistryKey* victim = hive.Find(full);
        if (!victim)
            return ERROR_FILE_NOT_FOUND;
        if (victim->SubKeyCount() > 0)
            return ERROR_ACCESS_DENIED;
        changed = hive.Find(Parent(full))->RemoveSubKey(full.back());
        return ERROR_SUCCESS;
    });
}

LONG RegDeleteTree(HKEY key, const char* subKey)
{
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey, full))
        return ERROR_FILE_NOT_FOUND;
    const bool emptyOut = full.size() == target.path.size();
    return CRegistryStore::Instance().Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        CRegistryKey* base = hive.Find(target.path);
        if (!base)
            return ERROR_KEY_DELETED;
        if (emptyOut) {
            changed = base->SubKeyCount() > 0 || base->ValueCount() > 0;
            base->RemoveAllSubKeys();
            base->RemoveAllValues();
            return ERROR_SUCCESS;
        }
        if (!hive.Find(full))
            return ERROR_FILE_NOT_FOUND;
        changed = hive.Find(Parent(full))->RemoveSubKey(full.back());
        return ERROR_SUCCESS;
    });
}

LONG RegEnumKeyEx(HKEY key, DWORD index, std::string& name)
{
    return WithKey(key, [&](const CRegistryKey& found) {
        if (index >= found.SubKeyCount())
            return ERROR_NO_MORE_ITEMS;
        name = found.SubKey(index).Name();
        return ERROR_SUCCESS;
    });
}

LONG RegEnumValue(HKEY key, DWORD index, std::string& name, DWORD* type, std::string* data)
{
    return WithKey(key, [&](const CRegistryKey& found) {
        if (index >= found.ValueCount())
            return ERROR_NO_MORE_ITEMS;
        const CRegistryValue& value = found.Value(index);
        name = value.name;
        if (type)
            *type = value.type;
        if (data)
            *data = ReadData(value);
        return ERROR_SUCCESS;
    });
}

LONG RegSetValue(HKEY key, const char* subKey, DWORD type, const char* data, DWORD size)
{
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    // The older call stores text only, and takes its length from the text.
    if (type != REG_SZ || !data)
        return ERROR_INVALID_PARAMETER;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey, full))
        return ERROR_INVALID_PARAMETER;
    std::string bytes = std::string(data) + '\0';
    return CRegistryStore::Instance().Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        if (!hive.Find(target.path))
            return ERROR_KEY_DELETED;
        bool created = false;
        CRegistryKey& found = hive.Create(full, created);
        changed = found.SetValue("", REG_SZ, std::move(bytes)) || created;
        return ERROR_SUCCESS;
    });
}

LONG RegQueryValue(HKEY key, const char* subKey, char* data, LONG* size)
{
    if (data && !size)
        return ERROR_INVALID_PARAMETER;
    CTarget target;
    const LONG status = Resolve(key, target);
    if (status != ERROR_SUCCESS)
        return status;
    const auto hive = CRegistryStore::Instance().Read(target.root);
    if (!hive->Find(target.path))
        return ERROR_KEY_DELETED;
    std::vector<std::string> full;
    const CRegistryKey* found = JoinPath(target, subKey, full) ? hive->Find(full) : nullptr;
    if (!found)
        return ERROR_FILE_NOT_FOUND;
    // A key without a default value reads as empty text, as every key of the
    // older registry had one.
    std::string bytes(1, '\0');
    if (const CRegistryValue* value = found->FindValue("")) {
        if (!IsStringType(value->type))
            return ERROR_FILE_NOT_FOUND;
        bytes = ReadData(*value);
    }
    if (!size)
        return ERROR_SUCCESS;
    const LONG needed = LONG(bytes.size());
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data)
        std::memcpy(data, bytes.data(), bytes.size());
    *size = needed;
    return ERROR_SUCCESS;
}

bool RegGetString(HKEY key, const std::string& subKey, const std::string& valueName, std::string& value)
{
    CTarget target;
    if (Resolve(key, target) != ERROR_SUCCESS)
        return false;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey.c_str(), full))
        return false;
    const auto hive = CRegistryStore::Instance().Read(target.root);
    if (!hive->Find(target.path))
        return false;
    const CRegistryKey* found = hive->Find(full);
    const CRegistryValue* stored = found ? found->FindValue(valueName) : nullptr;
    if (!stored || !IsStringType(stored->type))
        return false;
    value = stored->data;
    if (!value.empty() && value.back() == '\0')
        value.pop_back();
    return true;
}

bool RegSetString(HKEY key, const std::string& subKey, const std::string& valueName, const std::string& value)
{
    CTarget target;
    if (Resolve(key, target) != ERROR_SUCCESS || !CRegistryHive::IsValidValueName(valueName))
        return false;
    std::vector<std::string> full;
    if (!JoinPath(target, subKey.c_str(), full))
        return false;
    std::string bytes = value + '\0';
    const LONG status = CRegistryStore::Instance().Modify(target.root, [&](CRegistryHive& hive, bool& changed) {
        if (!hive.Find(target.path))
            return ERROR_KEY_DELETED;
        bool created = false;
        CRegistryKey& found = hive.Create(full, created);
        changed = found.SetValue(valueName, REG_SZ, std::move(bytes)) || created;
        return ERROR_SUCCESS;
    });
    return status == ERROR_SUCCESS;
}
