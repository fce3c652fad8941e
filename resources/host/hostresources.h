#pragma once
// The host program's resources by number.

#include "platform/resources/moduleresources.h"

// The file extension of widgets and templates.
constexpr UINT IDS_WIDGET_EXTENSION = 200;
// The ProgID of the pagelet the host drives.
constexpr UINT IDS_PAGELET_PROGID = 301;

// Registers the host's table once; later calls give the same handle.
HMODULE32 HostResources();
std::string LoadHostString(UINT id);
