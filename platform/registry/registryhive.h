#pragma once
// One root of the registry as a tree of keys, read from and written to the
// text of a .reg export:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CLASSES_ROOT\PageletServer.Glintra]
//   @="PageletServer.Glintra"
//   "Count"=dword:0000000a
//   "Blob"=hex:00,ff,10
//
// The reader takes any bytes: a line it cannot make sense of is skipped, and
// so are values before any section, sections of another root and names that
// could not have been written. The writer puts every key in a section of its
// own (empty keys too, so that a created key survives) and writes text that is
// not safe on one line as hex(1) bytes, so that writing and reading again
// gives the same tree.

#include "platform/registry/registrykey.h"

#include <string>
#include <string_view>
#include <vector>

class CRegistryHive {
public:
    // Keys nest at most this deep below the root; deeper paths are refused.
    static constexpr size_t kMaxDepth = 512;

    CRegistryHive() = default;
    CRegistryHive(const CRegistryHive&) = delete;
    CRegistryHive& operator=(const CRegistryHive&) = delete;

    CRegistryKey& Root() { return m_root; }
    const CRegistryKey& Root() const { return m_root; }

    // The key at a path of names below the root (the root for an empty path).
    CRegistryKey* Find(const std::vector<std::string>& path);
    const CRegistryKey* Find(const std::vector<std::string>& path) const;
    // The key at the path, creating what is missing; sets created when a key
    // had to be made.
    CRegistryKey& Create(const std::vector<std::string>& path, bool& created);

    // Replaces the tree by the one the text describes, for the root of that
    // name ("HKEY_CLASSES_ROOT", ...).
    void Parse(std::string_view text, std::string_view rootName);
    std::string ToText(std::string_view rootName) const;

    bool SameAs(const CRegistryHive& other) const { return m_root.SameAs(other.m_root); }

    // A key name is not empty and holds no backslash and no control
    // character; a value name holds no control character.
    static bool IsValidKeyName(std::string_view name);
    static bool IsValidValueName(std::string_view name);
    // Splits "A\B\C" into its names, skipping empty ones. False when a name
    // is not valid or the path is deeper than kMaxDepth.
    static bool SplitPath(std::string_view path, std::vector<std::string>& names);

private:
    CRegistryKey m_root;
};
