#include "platform/registry/profile.h"

#include "platform/base/numbers.h"
#include "platform/registry/registry.h"


namespace {

// Opens an existing section; null when it is not there.
class COpenSection {
public:
    explicit COpenSection(const std::string& key)
    {
        if (RegOpenKeyEx(HKEY_CURRENT_USER, key.c_str(), &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~COpenSection()
    {
        if (m_key)
            RegCloseKey(m_key);
    }
    COpenSection(const COpenSection&) = delete;
    COpenSection& operator=(const COpenSection&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

bool ReadEntry(const std::string& key, const std::string& entry, DWORD& type, std::string& data)
{
    COpenSection section(key);
    if (!section.Get())
        return false;
    DWORD size = 0;
    if (RegQueryValueEx(section.Get(), entry.c_str(), &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    data.assign(size, '\0');
    // Another writer may have changed the value between the two calls.
    LONG result;
    while ((result = RegQueryValueEx(section.Get(), entry.c_str(), &type,
                                     reinterpret_cast<BYTE*>(data.data()), &size)) == ERROR_MORE_DATA)
        data.assign(size, '\0');
    if (result != ERROR_SUCCESS)
        return false;
    data.resize(size);
    return true;
}

bool WriteEntry(const std::string& key, const std::string& entry, DWORD type, const std::string& data)
{
    HKEY section = nullptr;
    if (RegCreateKeyEx(HKEY_CURRENT_USER, key.c_str(), &section) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueEx(section, entry.c_str(), type, reinterpret_cast<const BYTE*>(data.data()),
                                      DWORD(data.size()));
    RegCloseKey(section);
    return result == ERROR_SUCCESS;
}

std::string TextOf(const std::string& data)
{
    std::string text = data;
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

} // namespace

CProfile::CProfile(std::string company, std::string application)
    : m_company(std::move(company)), m_application(std::move(application))
{
}

void CProfile::SetRegistryKey(const std::string& company, const std::string& application)
{
    m_company = company;
    m_application = application;
}

std::string CProfile::SectionKey(const std::string& section) const
{
    return "Software\\" + m_company + "\\" + m_application + "\\" + section;
}

std::string CProfile::GetProfileString(const std::string& section, const std::string& entry,
                                       const std::string& defaultValue) const
{
    DWORD type = REG_NONE;
    std::string data;
    if (!ReadEntry(SectionKey(section), entry, type, data) || type != REG_SZ)
        return defaultValue;
    return TextOf(data);
}

int CProfile::GetProfileInt(const std::string& section, const std::string& entry, int defaultValue) const
{
    DWORD type = REG_NONE;
    std::string data;
    if (!ReadEntry(SectionKey(section), entry, type, data))
        return defaultValue;
    if (type == REG_DWORD && data.size() == 4) {
        DWORD value = 0;
        for (int i = 3; i >= 0; --i)
            value = (value << 8) | static_cast<unsigned char>(data[size_t(i)]);
        return int(value);
    }
    // A number written as text, as a settings file would hold it.
    if (type == REG_SZ)
        return ParseLeadingInt(TextOf(data));
    return defaultValue;
}

bool CProfile::WriteProfileString(const std::string& section, const std::string& entry, const std::string& value)
{
    return WriteEntry(SectionKey(section), entry, REG_SZ, value + '\0');
}

bool CProfile::WriteProfileInt(const std::string& section, const std::string& entry, int value)
{
    const DWORD number = DWORD(value);
    std::string data;
    for (int i = 0; i < 4; ++i)
        data += char((number >> (8 * i)) & 0xFF);
    return WriteEntry(SectionKey(section), entry, REG_DWORD, data);
}

bool CProfile::DeleteProfileEntry(const std::string& section, const std::string& entry)
{
    COpenSection key(SectionKey(section));
    return key.Get() && RegDeleteValue(key.Get(), entry.c_str()) == ERROR_SUCCESS;
}

bool CProfile::DeleteProfileSection(const std::string& section)
{
    // An empty name would take the application's whole key with it.
    if (section.empty())
        return false;
    return RegDeleteTree(HKEY_CURRENT_USER, SectionKey(section).c_str()) == ERROR_SUCCESS;
}
