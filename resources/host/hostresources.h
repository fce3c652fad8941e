#pragma once
// The host program's resources by number.

#include "platform/resources/moduleresources.h"

// The document type: window title, name of a new widget, File New name,
// filter name and extension, file type id and name, '\n' between them.
constexpr UINT IDR_WIDGETTYPE = 128;
constexpr UINT IDS_OLE_INIT_FAILED = 129;
// The file extension of widgets and templates.
constexpr UINT IDS_WIDGET_EXTENSION = 200;
// The ProgID of the pagelet the host drives.
constexpr UINT IDS_PAGELET_PROGID = 301;
// The application's title, also the name of its settings key.
constexpr UINT IDS_APP_TITLE = 57344;
constexpr UINT IDS_REGISTRY_REMOVED = 61707;
constexpr UINT IDS_REGISTRY_NOT_REMOVED = 61708;

// Registers the host's table once; later calls give the same handle.
HMODULE32 HostResources();
std::string LoadHostString(UINT id);
