#pragma once
// The support files a page of the design needs beside it: the applet class
// file, then the border image, then each banner's background image.

#include "model/glintraappletparams.h"
#include "model/pageletconfigfile.h"

// Refills the resource list of config from the design and returns its
// length. An image whose file is gone has its path cleared in the design, so
// it drops out of the list, the stored parameters and the HTML alike.
int BuildResourceList(CGlintraAppletParams& params, CPageletConfigFile& config);
