#include "host/document/templatelist.h"

#include "resources/host/hostresources.h"

bool CTemplateList::Create()
{
    return m_pagelet.CreateFromProgID(LoadHostString(IDS_PAGELET_PROGID));
}

void CTemplateList::Enumerate()
{
    m_pagelet.EnumTemplates(m_aTitles, m_aDescriptions, m_aPaths);
}

void CTemplateList::Remove(size_t index)
{
    if (index >= m_aPaths.size())
        return;
    m_aTitles.erase(m_aTitles.begin() + long(index));
    m_aDescriptions.erase(m_aDescriptions.begin() + long(index));
    m_aPaths.erase(m_aPaths.begin() + long(index));
}

std::string CTemplateList::PathFor(const std::string& name) const
{
    if (name.empty())
        return m_pagelet.m_strServerFolder + "/";
    return m_pagelet.m_strServerFolder + "/" + name + "_" + m_pagelet.m_strProgID + "." +
           LoadHostString(IDS_WIDGET_EXTENSION);
}
