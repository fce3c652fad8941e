#pragma once
// The host program's resources by number.

#include "platform/resources/moduleresources.h"

// The document type: window title, name of a new widget, File New name,
// filter name and extension, file type id and name, '\n' between them. The
// main window's menu, accelerators, tool bar and icon carry the same number.
constexpr UINT IDR_WIDGETTYPE = 128;
constexpr UINT IDR_MAINFRAME = IDR_WIDGETTYPE;
constexpr UINT IDS_OLE_INIT_FAILED = 129;
// The file extension of widgets and templates.
constexpr UINT IDS_WIDGET_EXTENSION = 200;
// The ProgID of the pagelet the host drives.
constexpr UINT IDS_PAGELET_PROGID = 301;
// The application's title, also the name of its settings key.
constexpr UINT IDS_APP_TITLE = 57344;
// The company part of the settings key: Software\<company>\<IDS_APP_TITLE>.
inline constexpr const char* kSettingsCompany = "Norvane";
// The status line when nothing is under the pointer.
constexpr UINT IDS_IDLE_PROMPT = 57345;
constexpr UINT IDS_REGISTRY_REMOVED = 61707;
constexpr UINT IDS_REGISTRY_NOT_REMOVED = 61708;
// The web address of the ordering page; the same number as its command.
constexpr UINT IDS_ORDERING_PAGE = 32791;

// Pictures of the guide page: each button's normal and pressed face, the
// headings of the three steps, and the tool bar's four pictures.
constexpr UINT IDB_HEADING_ADD = 135;
constexpr UINT IDB_HEADING_MAKE = 136;
constexpr UINT IDB_HEADING_NEW = 137;
constexpr UINT IDB_TOOLBAR = 146;
constexpr UINT IDB_MOREINFO = 149;
constexpr UINT IDB_NEW = 151;
constexpr UINT IDB_COPYCODE = 152;
constexpr UINT IDB_OPEN = 154;
constexpr UINT IDB_CONFIGURE = 155;
constexpr UINT IDB_NEWPAGE = 157;
constexpr UINT IDB_INSERT = 158;
constexpr UINT IDB_MOREINFO_DOWN = 159;
constexpr UINT IDB_CONFIGURE_DOWN = 166;
constexpr UINT IDB_INSERT_DOWN = 167;
constexpr UINT IDB_COPYCODE_DOWN = 168;
constexpr UINT IDB_NEW_DOWN = 169;
constexpr UINT IDB_NEWPAGE_DOWN = 170;
constexpr UINT IDB_OPEN_DOWN = 171;

// Registers the host's table once; later calls give the same handle.
HMODULE32 HostResources();
std::string LoadHostString(UINT id);
// The status-line prompt of a command: the part of its string before "\n";
// empty when it has none.
std::string LoadCommandPrompt(UINT id);
// Its tool tip: the part after "\n"; empty when it has none.
std::string LoadCommandTip(UINT id);
