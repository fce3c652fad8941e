#pragma once
// What the server library prepares when it is loaded and what lives as long
// as it: its own folder, its resources, its settings key and the count of
// objects and locks that keeps it loaded.

#include "platform/registry/profile.h"
#include "platform/resources/moduleresources.h"

#include <atomic>
#include <string>

class CGlintraModule {
public:
    CGlintraModule();
    ~CGlintraModule();

    // The folder of the library's own file, without a trailing '/'.
    const std::string& ServerFolder() const { return m_strServerFolder; }
    const std::string& ServerPath() const { return m_strServerPath; }
    HMODULE32 ResourceHandle() const { return m_hResources; }
    std::string LoadString(UINT id) const { return LoadModuleString(m_hResources, id); }
    CProfile& Settings() { return m_settings; }

    void Lock() { ++m_nLocks; }
    void Unlock() { --m_nLocks; }
    bool CanUnload() const { return m_nLocks.load() == 0; }

private:
    std::string m_strServerPath;
    std::string m_strServerFolder;
    HMODULE32 m_hResources = 0;
    CProfile m_settings;
    std::atomic<long> m_nLocks{0};
};

CGlintraModule& GlintraModule();
