#include "platform/registry/registrykey.h"

#include "platform/base/asciicase.h"

std::string CRegistryKey::Fold(std::string_view name)
{
    return FoldAscii(name);
}

CRegistryKey* CRegistryKey::FindSubKey(std::string_view name)
{
    const auto found = m_subKeyIndex.find(Fold(name));
    return found == m_subKeyIndex.end() ? nullptr : m_subKeys[found->second].get();
}

const CRegistryKey* CRegistryKey::FindSubKey(std::string_view name) const
{
    return const_cast<CRegistryKey*>(this)->FindSubKey(name);
}

CRegistryKey& CRegistryKey::CreateSubKey(std::string_view name)
{
    std::string folded = Fold(name);
    const auto found = m_subKeyIndex.find(folded);
    if (found != m_subKeyIndex.end())
        return *m_subKeys[found->second];
    m_subKeys.push_back(std::make_unique<CRegistryKey>(std::string(name)));
    m_subKeyIndex.emplace(std::move(folded), m_subKeys.size() - 1);
    return *m_subKeys.back();
}

bool CRegistryKey::RemoveSubKey(std::string_view name)
{
    const auto found = m_subKeyIndex.find(Fold(name));
    if (found == m_subKeyIndex.end())
        return false;
    m_subKeys.erase(m_subKeys.begin() + std::ptrdiff_t(found->second));
    ReindexSubKeys();
    return true;
}

void CRegistryKey::RemoveAllSubKeys()
{
    m_subKeys.clear();
    m_subKeyIndex.clear();
}

const CRegistryValue* CRegistryKey::FindValue(std::string_view name) const
{
    const auto found = m_valueIndex.find(Fold(name));
    return found == m_valueIndex.end() ? nullptr : &m_values[found->second];
}

bool CRegistryKey::SetValue(std::string_view name, DWORD type, std::string data)
{
    std::string folded = Fold(name);
    const auto found = m_valueIndex.find(folded);
    if (found != m_valueIndex.end()) {
        CRegistryValue& value = m_values[found->second];
        if (value.type == type && value.data == data)
            return false;
        value.type = type;
        value.data = std::move(data);
        return true;
    }
    m_values.push_back(CRegistryValue{std::string(name), type, std::move(data)});
    m_valueIndex.emplace(std::move(folded), m_values.size() - 1);
    return true;
}

bool CRegistryKey::RemoveValue(std::string_view name)
{
    const auto found = m_valueIndex.find(Fold(name));
    if (found == m_valueIndex.end())
        return false;
    m_values.erase(m_values.begin() + std::ptrdiff_t(found->second));
    ReindexValues();
    return true;
}

void CRegistryKey::RemoveAllValues()
{
    m_values.clear();
    m_valueIndex.clear();
}

bool CRegistryKey::SameAs(const CRegistryKey& other) const
{
    if (m_name != other.m_name || m_values != other.m_values || m_subKeys.size() != other.m_subKeys.size())
        return false;
    for (size_t i = 0; i < m_subKeys.size(); ++i) {
        if (!m_subKeys[i]->SameAs(*other.m_subKeys[i]))
            return false;
    }
    return true;
}

void CRegistryKey::ReindexSubKeys()
{
    m_subKeyIndex.clear();
    for (size_t i = 0; i < m_subKeys.size(); ++i)
        m_subKeyIndex.emplace(Fold(m_subKeys[i]->Name()), i);
}

void CRegistryKey::ReindexValues()
{
    m_valueIndex.clear();
    for (size_t i = 0; i < m_values.size(); ++i)
        m_valueIndex.emplace(Fold(m_values[i].name), i);
}
