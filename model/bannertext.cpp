#include "model/bannertext.h"

// The defaults are the initialisers of the fields.
CBannerText::CBannerText() = default;
