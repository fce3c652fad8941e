#pragma once
// The application's per-user settings: sections (keys) with entries (values)
// under HKEY_CURRENT_USER\Software\<company>\<application>.

#include <string>

class CProfile {
public:
    CProfile() = default;
    CProfile(std::string company, std::string application);

    void SetRegistryKey(const std::string& company, const std::string& application);
    const std::string& Company() const { return m_company; }
    const std::string& Application() const { return m_application; }
    // "Software\<company>\<application>\<section>" below HKEY_CURRENT_USER.
    std::string SectionKey(const std::string& section) const;

    // A missing entry, or one that is not of the asked type, gives the default.
    std::string GetProfileString(const std::string& section, const std::string& entry,
                                 const std::string& defaultValue = std::string()) const;
    int GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const;

    bool WriteProfileString(const std::string& section, const std::string& entry, const std::string& value);
    bool WriteProfileInt(const std::string& section, const std::string& entry, int value);
    bool DeleteProfileEntry(const std::string& section, const std::string& entry);
    bool DeleteProfileSection(const std::string& section);

private:
    std::string m_company;
    std::string m_application;
};
