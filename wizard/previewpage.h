#pragma once
// The page the wizard's Preview shows: preview.htm in the wizard's tmp
// folder, holding the design's applet block beside copies of the class
// file, the script player and every picture the design names, so that it
// plays in any browser as it stands.

#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/resources/moduleresources.h"

#include <string>

// Makes the folder, copies the support files over what is there (the
// design's paths stay), writes the page, and gives its full path; "" when
// the page could not be written. The configuration's PreviewPath is empty
// while the block is made (so every file is named bare, beside the page)
// and as it was afterwards.
std::string WritePreviewPage(CGlintraAppletParams& design, CPageletConfigFile& config, HMODULE32 resources,
                             const std::string& tempFolder);
