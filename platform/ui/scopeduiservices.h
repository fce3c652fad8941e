#pragma once
// Installs a services object for the life of a scope (a test, a command)
// and puts back whatever was installed before, the fallback included.

#include "platform/ui/uiservices.h"

class CScopedUiServices {
public:
    explicit CScopedUiServices(IUiServices* services)
        : m_pPrevious(InstalledUiServices())
    {
        SetUiServices(services);
    }
    explicit CScopedUiServices(IUiServices& services)
        : CScopedUiServices(&services)
    {
    }
    ~CScopedUiServices() { SetUiServices(m_pPrevious); }

    CScopedUiServices(const CScopedUiServices&) = delete;
    CScopedUiServices& operator=(const CScopedUiServices&) = delete;

private:
    IUiServices* m_pPrevious;
};
