#pragma once
// The HTML block that places the banner show on a page: a paragraph holding
// the applet element, one param element per setting.

#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"
#include "platform/resources/moduleresources.h"

// Output mode 0 refers to the class file and the images through the
// description value PreviewPath (the files lie beside the file or page);
// mode 1 through the design's own web paths. Modes 2 and 3 are modes 0 and
// 1 followed by one line that loads the script player from where the class
// file is, for browsers that no longer run applets; the block itself is the
// same to the byte.
constexpr SHORT kOutputBesideFile = 0;
constexpr SHORT kOutputWebPaths = 1;
constexpr SHORT kOutputBesideFileWithPlayer = 2;
constexpr SHORT kOutputWebPathsWithPlayer = 3;

// Rebuilds the resource list on the way (dropping images that are gone).
// The words and letters of the block come from the string table of module.
std::string GenerateAppletHTML(CGlintraAppletParams& params, CPageletConfigFile& config, SHORT outputMode,
                               HMODULE32 module);

// Six lower-case hexadecimal digits: red, green, blue.
std::string ColorToHex(COLORREF color);
