#pragma once
// The system registry: three roots (classes root, local machine, current
// user), each kept as a text file in the .reg export format in the folder
// named by GLINTRA_REGISTRY_DIR (by default $XDG_CONFIG_HOME/PallimaGlintra/
// registry, or ~/.config/PallimaGlintra/registry).
//
// The calls follow the registry functions automation servers and their
// hosts are written against. Key and value names compare without regard to
// letter case; a key keeps the spelling it was first created with.
// Every change is a read-modify-write of the root's file under an advisory
// lock, replacing the file atomically, so concurrent writers lose nothing and
// a crash leaves the old file whole. Reads see the file as it is now.

#include "platform/base/types.h"

#include <cstdint>
#include <string>

using HKEY = struct HKEY__*;

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u)))

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;
constexpr LONG ERROR_CANTWRITE = 1013;
constexpr LONG ERROR_KEY_DELETED = 1018;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

// An open key is found again by its path on every call: once the key has been
// deleted (by this process or another), calls on it give ERROR_KEY_DELETED.
// Key names hold no backslash (it separates them; empty names between
// separators are ignored) and no control character, and keys nest at most 512
// deep; value names hold no control character. Other names are refused with
// ERROR_INVALID_PARAMETER. A change that cannot be stored gives
// ERROR_CANTWRITE and leaves the file as it was.

// Opens a key below an open key or a root, creating every missing key on the
// way. An empty or null sub-key opens the key itself again.
LONG RegCreateKeyEx(HKEY key, const char* subKey, HKEY* result);
// Opens an existing key; ERROR_FILE_NOT_FOUND when it is not there.
LONG RegOpenKeyEx(HKEY key, const char* subKey, HKEY* result);
// Closing a root is harmless; a handle that is not open gives
// ERROR_INVALID_HANDLE.
LONG RegCloseKey(HKEY key);

// Values. A null or empty name is the key's default value ("@" in the file).
// String data (REG_SZ, REG_EXPAND_SZ) is the text and its terminating zero
// byte; a string stored without one reads back with one added.
LONG RegSetValueEx(HKEY key, const char* valueName, DWORD type, const BYTE* data, DWORD size);
// With data null, *size receives the size the value needs. With a buffer too
// small, ERROR_MORE_DATA and *size the size needed. type may be null.
LONG RegQueryValueEx(HKEY key, const char* valueName, DWORD* type, BYTE* data, DWORD* size);
LONG RegDeleteValue(HKEY key, const char* valueName);

// Deletes a key that has no sub-keys (ERROR_ACCESS_DENIED when it has some);
// an empty sub-key deletes the open key itself. A root cannot be deleted.
LONG RegDeleteKey(HKEY key, const char* subKey);
// Deletes a key with everything below it; with an empty sub-key, everything
// below the open key, its values included (the key itself stays).
LONG RegDeleteTree(HKEY key, const char* subKey);

// Sub-keys and values by index in the order they were first written;
// ERROR_NO_MORE_ITEMS past the end. A value's data is given as
// RegQueryValueEx gives it (strings with their terminator).
LONG RegEnumKeyEx(HKEY key, DWORD index, std::string& name);
LONG RegEnumValue(HKEY key, DWORD index, std::string& name, DWORD* type, std::string* data);

// The default value of a sub-key as text, the older calls the class registry
// is read with. RegSetValue creates the sub-key and takes REG_SZ only, its
// length from the text; RegQueryValue takes a buffer of *size bytes and sets
// *size to the bytes needed, terminator included (ERROR_MORE_DATA when it is
// too small). A key without a default value reads as empty text; a default
// value that is no string gives ERROR_FILE_NOT_FOUND.
LONG RegSetValue(HKEY key, const char* subKey, DWORD type, const char* data, DWORD size);
LONG RegQueryValue(HKEY key, const char* subKey, char* data, LONG* size);

// Conveniences for text values: FALSE when the key or value is missing or
// the value is no string.
bool RegGetString(HKEY key, const std::string& subKey, const std::string& valueName, std::string& value);
bool RegSetString(HKEY key, const std::string& subKey, const std::string& valueName, const std::string& value);

// Where the roots live.
std::string RegistryDirectory();
std::string RegistryFilePath(HKEY root);  // "" for a key that is no root
