#pragma once
// One key of a registry hive: its name, its values and its sub-keys.
//
// Names compare without regard to ASCII letter case and keep the spelling
// they were first written with; values and sub-keys keep the order in which
// they were first written, which is also the order they are listed and saved
// in. A look-up by name goes through an index on the folded name, so that a
// key with thousands of values (a large settings section) stays fast to load.

#include "platform/base/types.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct CRegistryValue {
    std::string name;  // "" is the key's default value
    DWORD type = 0;
    std::string data;  // the bytes exactly as stored

    bool operator==(const CRegistryValue&) const = default;
};

class CRegistryKey {
public:
    explicit CRegistryKey(std::string name = std::string()) : m_name(std::move(name)) {}
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    const std::string& Name() const { return m_name; }

    // Sub-keys.
    size_t SubKeyCount() const { return m_subKeys.size(); }
    const CRegistryKey& SubKey(size_t index) const { return *m_subKeys[index]; }
    CRegistryKey& SubKey(size_t index) { return *m_subKeys[index]; }
    CRegistryKey* FindSubKey(std::string_view name);
    const CRegistryKey* FindSubKey(std::string_view name) const;
    // The existing sub-key of that name, or a new one spelt as given.
    CRegistryKey& CreateSubKey(std::string_view name);
    bool RemoveSubKey(std::string_view name);
    void RemoveAllSubKeys();

    // Values.
    size_t ValueCount() const { return m_values.size(); }
    const CRegistryValue& Value(size_t index) const { return m_values[index]; }
    const CRegistryValue* FindValue(std::string_view name) const;
    // Replaces the data of an existing value in its place (keeping its name's
    // spelling) or appends a new one. Returns false when nothing changed.
    bool SetValue(std::string_view name, DWORD type, std::string data);
    bool RemoveValue(std::string_view name);
    void RemoveAllValues();

    // Same names, values and sub-keys in the same order, spelling included.
    bool SameAs(const CRegistryKey& other) const;

    // The ASCII case fold that every name comparison of the registry uses.
    static std::string Fold(std::string_view name);

private:
    void ReindexSubKeys();
    void ReindexValues();

    std::string m_name;
    std::vector<std::unique_ptr<CRegistryKey>> m_subKeys;
    std::unordered_map<std::string, size_t> m_subKeyIndex;  // folded name -> position
    std::vector<CRegistryValue> m_values;
    std::unordered_map<std::string, size_t> m_valueIndex;
};
