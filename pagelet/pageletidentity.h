#pragma once
// Who the pagelet is to the class registry. Hosts know only the ProgID; the
// identifiers below are this server's own.

#include "platform/automation/guid.h"

inline constexpr const char* kGlintraProgID = "PageletServer.Glintra";

// {238E6F43-D06D-4100-AB28-91B3DACEBF9D}
inline const CLSID CLSID_Glintra{0x238E6F43, 0xD06D, 0x4100, {0xAB, 0x28, 0x91, 0xB3, 0xDA, 0xCE, 0xBF, 0x9D}};
// The pagelet's dispatch interface. {49953562-7844-4809-8AAE-0A1BD1664409}
inline const IID IID_IGlintra{0x49953562, 0x7844, 0x4809, {0x8A, 0xAE, 0x0A, 0x1B, 0xD1, 0x66, 0x44, 0x09}};
// The category that marks pagelets. {CDC62263-E608-46EA-BDE5-20A3A329D662}
inline const CATID CATID_NorvanePagelets{0xCDC62263, 0xE608, 0x46EA, {0xBD, 0xE5, 0x20, 0xA3, 0xA3, 0x29, 0xD6, 0x62}};
inline constexpr const char* kPageletCategoryDescription = "Norvane Pagelets";
inline constexpr unsigned kPageletCategoryLocale = 1033;

inline constexpr const char* kCompanyKey = "Norvane";
