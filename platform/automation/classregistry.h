#pragma once
// The class registry and in-process object creation.
//
// Classes are found in the classes root of the registry: the key
// <ProgID>\CLSID names a class identifier, and CLSID\{...}\InprocServer32
// names the shared library that serves the class. Creating an object loads
// that library (once per process), asks its DllGetClassObject for the class
// factory and lets the factory make the object. CoFreeUnusedLibraries unloads
// the libraries whose DllCanUnloadNow says they may go.

#include "platform/automation/unknown.h"

#include <string>

constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;
constexpr DWORD CLSCTX_ALL = 0x17;

constexpr DWORD REGCLS_SINGLEUSE = 0;
constexpr DWORD REGCLS_MULTIPLEUSE = 1;

HRESULT CoInitialize(void* reserved = nullptr);
void CoUninitialize();

// ProgID and class identifier, in automation's wide strings. The strings
// handed out are task memory (CoTaskMemFree).
HRESULT CLSIDFromProgID(const OLECHAR* progId, CLSID* clsid);
HRESULT ProgIDFromCLSID(REFCLSID clsid, OLECHAR** progId);
HRESULT StringFromCLSID(REFCLSID clsid, OLECHAR** text);
HRESULT CLSIDFromString(const OLECHAR* text, CLSID* clsid);
int StringFromGUID2(REFGUID guid, OLECHAR* buffer, int size);

// The same look-ups in the system code page, for the platform's own callers.
HRESULT ClassIdFromProgId(const std::string& progId, CLSID& clsid);
HRESULT ProgIdFromClassId(REFCLSID clsid, std::string& progId);
// The default value of CLSID\{...}\InprocServer32; "" when not registered.
std::string InprocServerPath(REFCLSID clsid);

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* serverInfo, REFIID riid, void** object);
HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID riid, void** object);

// Class objects of this process, found before the registry is asked (the
// platform's own classes are served this way too). The cookie revokes it.
HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* factory, DWORD context, DWORD flags, DWORD* cookie);
HRESULT CoRevokeClassObject(DWORD cookie);

void CoFreeUnusedLibraries();
// Whether a server library at this path is loaded by the class registry now.
bool CoIsServerLoaded(const std::string& path);
