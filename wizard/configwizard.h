#pragma once
// The wizard as the pagelet runs it: modal, on the design in place. A copy
// of the design is taken first; unless the user finishes, the copy is put
// back, so every field, every banner and the current banner are as they
// were. What previews left behind is removed when the wizard closes.

#include "platform/base/types.h"
#include "platform/resources/moduleresources.h"

#include <string>

class CGlintra;
class CGlintraAppletParams;
class CGlintraPrpSheet;
class CPageletConfigFile;
class CProfile;

struct CConfigWizard {
    CGlintraAppletParams* design = nullptr;
    HMODULE32 resources = 0;
    CGlintra* pagelet = nullptr;   // passed on to the sheet
    std::string serverFolder;      // the tmp folder is found from it
    // Points to the sheet while it is shown, null before and after.
    CGlintraPrpSheet** running = nullptr;
    CPageletConfigFile* config = nullptr;  // the pagelet's tables, for the preview
    CProfile* settings = nullptr;          // the user's settings, for the browsers
};

// TRUE when the user finished the wizard. FALSE, with the design as it was,
// when the user cancelled it or there is no application to show it in.
BOOL RunConfigWizard(const CConfigWizard& wizard);
