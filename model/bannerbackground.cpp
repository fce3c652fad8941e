#include "model/bannerbackground.h"

// The defaults are the initialisers of the fields.
CBannerBackground::CBannerBackground() = default;
