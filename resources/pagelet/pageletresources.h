#pragma once
// The pagelet server's resources by number.

#include "platform/resources/moduleresources.h"

// Strings the dispatch interface hands out by number.
constexpr UINT IDS_PAGELET_TYPE = 1;
constexpr UINT IDS_PAGELET_NAME = 2;
constexpr UINT IDS_MENU_TEXT = 3;
constexpr UINT IDS_MESSAGE_TEXT = 4;
constexpr UINT IDS_TIPS_TEXT = 5;
// The applet's class file.
constexpr UINT IDS_CLASS_FILE = 111;
// Alignment words, font letters and style letters of the applet block: the
// base number plus the value.
constexpr UINT IDS_ALIGN_BASE = 128;
constexpr UINT IDS_FONT_BASE = 200;
constexpr UINT IDS_STYLE_BASE = 210;
// The wizard: the sheet's caption and the banner list buttons' tips.
constexpr UINT IDS_WIZARD_CAPTION = 103;
constexpr UINT IDS_TIP_DELETE = 116;
constexpr UINT IDS_TIP_INSERT = 117;
constexpr UINT IDS_TIP_MOVEUP = 118;
constexpr UINT IDS_TIP_MOVEDOWN = 119;
// The application name of the settings key.
constexpr UINT IDS_PAGELET_APPNAME = 57344;

constexpr UINT IDI_PAGELET = 4000;

// The side picture of the wizard's first page.
constexpr UINT IDB_WIZARD_SIDE = 130;
// The banner list buttons' pictures, four per button in the order normal,
// pressed, focused, disabled (the resources INSERTU, INSERTD, INSERTF,
// INSERTX and so on): the button's base number plus 0 to 3.
constexpr UINT IDB_INSERT = 300;
constexpr UINT IDB_DELETE = 304;
constexpr UINT IDB_MOVEUP = 308;
constexpr UINT IDB_MOVEDOWN = 312;

// Registers the table with the platform; the handle is the server's module.
HMODULE32 RegisterPageletResources();
