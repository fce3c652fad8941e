#pragma once
// The host program's command vocabulary: menu items, accelerators, tool
// bar buttons and the guide page's buttons, by number.

#include "platform/base/types.h"

// The framework's commands.
constexpr UINT ID_FILE_NEW = 57600;
constexpr UINT ID_FILE_OPEN = 57601;
constexpr UINT ID_FILE_SAVE = 57603;
constexpr UINT ID_FILE_SAVE_AS = 57604;
constexpr UINT ID_FILE_MRU_FILE1 = 57616;  // up to four recent files from here
constexpr UINT ID_FILE_MRU_FILE4 = 57619;
constexpr UINT ID_EDIT_COPY = 57634;
constexpr UINT ID_EDIT_CUT = 57635;
constexpr UINT ID_EDIT_PASTE = 57637;
constexpr UINT ID_EDIT_UNDO = 57643;
constexpr UINT ID_APP_ABOUT = 57664;
constexpr UINT ID_APP_EXIT = 57665;
constexpr UINT ID_HELP_FINDER = 57667;   // Help Topics
constexpr UINT ID_CONTEXT_HELP = 57669;  // Shift+F1
constexpr UINT ID_HELP = 57670;          // F1
constexpr UINT ID_NEXT_PANE = 57680;
constexpr UINT ID_PREV_PANE = 57681;

// The program's own.
constexpr UINT ID_EDIT_CONFIGURE = 32771;
constexpr UINT ID_FILE_SUPPORT_FILES = 32775;
constexpr UINT ID_EDIT_RENAME = 32776;
constexpr UINT ID_FILE_SAVE_AS_TEMPLATE = 32777;
constexpr UINT ID_OPTION_TEMPLATE = 32778;
constexpr UINT ID_OPTION_WEB_BROWSER = 32781;
// Whether published pages carry the script player (a check item).
constexpr UINT ID_OPTION_PLAYER = 32795;
constexpr UINT ID_HELP_WORK_WITH_PALLIMA = 32783;
constexpr UINT ID_HELP_FAQ = 32790;
constexpr UINT ID_HELP_ORDERING = 32791;
constexpr UINT ID_HELP_SEARCH = 32792;
constexpr UINT ID_HELP_TUTORIAL = 32793;
constexpr UINT ID_HELP_VIEW_SAMPLE = 32794;

// The guide page's picture buttons send their control numbers.
constexpr UINT IDC_NEW = 1021;
constexpr UINT IDC_OPEN = 1022;
constexpr UINT IDC_CONFIGURE = 1023;
constexpr UINT IDC_COPY_CODE = 1024;
constexpr UINT IDC_NEW_PAGE = 1025;
constexpr UINT IDC_INSERT_INTO = 1026;
constexpr UINT IDC_MORE_INFO = 1028;
constexpr UINT IDC_CLIPBOARD_EDIT = 1029;

// Help topics are numbered after what they explain: a command's topic is
// its number plus this base; a window's, its resource number plus the other.
constexpr DWORD HID_BASE_COMMAND = 0x10000;
constexpr DWORD HID_BASE_RESOURCE = 0x20000;
// The topic More Information opens.
constexpr DWORD HELP_CONTEXT_MORE_INFO = 43;
