#pragma once
// The program's help as the Qt services show it. The help pages and how
// they are presented belong to the host, which installs a viewer on its
// CQtUiServices; the services only pass the request on.

#include "platform/ui/uiservices.h"

#include <string>

class IHelpViewer {
public:
    virtual ~IHelpViewer() = default;
    // The arguments are those of IUiServices::ShowHelp; FALSE when the
    // request could not be shown.
    virtual bool ShowHelp(EHelpCommand command, DWORD data, const std::string& keyword) = 0;
};
