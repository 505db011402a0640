// Command, window and string ids of the application framework, and the framework's
// own texts (used when the program's string table lacks them).
#pragma once

#include <windows.h>

#include "framework/base/CString.h"

// Commands.
#define ID_SEPARATOR 0
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_CLOSE 0xE102
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_FILE_PAGE_SETUP 0xE105
#define ID_FILE_PRINT_SETUP 0xE106
#define ID_FILE_PRINT 0xE107
#define ID_FILE_PRINT_DIRECT 0xE108
#define ID_FILE_PRINT_PREVIEW 0xE109
#define ID_FILE_MRU_FIRST 0xE110
#define ID_FILE_MRU_FILE1 0xE110
#define ID_FILE_MRU_LAST 0xE11F
#define ID_EDIT_COPY 0xE122
#define ID_EDIT_CUT 0xE123
#define ID_EDIT_PASTE 0xE125
#define ID_EDIT_SELECT_ALL 0xE12A
#define ID_WINDOW_NEW 0xE130
#define ID_WINDOW_ARRANGE 0xE131
#define ID_WINDOW_CASCADE 0xE132
#define ID_WINDOW_TILE_HORZ 0xE133
#define ID_WINDOW_TILE_VERT 0xE134
#define ID_APP_ABOUT 0xE140
#define ID_APP_EXIT 0xE141
#define ID_NEXT_PANE 0xE150
#define ID_PREV_PANE 0xE151
#define ID_VIEW_TOOLBAR 0xE800
#define ID_VIEW_STATUS_BAR 0xE801

// Print preview commands.
#define AFX_ID_PREVIEW_CLOSE 0xE300
#define AFX_ID_PREVIEW_NUMPAGE 0xE301
#define AFX_ID_PREVIEW_NEXT 0xE302
#define AFX_ID_PREVIEW_PREV 0xE303
#define AFX_ID_PREVIEW_PRINT 0xE304
#define AFX_ID_PREVIEW_ZOOMIN 0xE305
#define AFX_ID_PREVIEW_ZOOMOUT 0xE306

// Windows.
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#define AFX_IDW_PANE_FIRST 0xE900
#define AFX_IDW_PANE_LAST 0xE9FF
#define AFX_IDW_PREVIEW_BAR 0xE802
// The dialog bar of the framework's own print preview command.
#define AFX_IDD_PREVIEW_TOOLBAR 0x7801
#define AFX_IDM_FIRST_MDICHILD 0xFF00

// Strings.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001
#define AFX_IDS_UNTITLED 0xF000
#define AFX_IDS_OPENFILE 0xF001
#define AFX_IDS_SAVEFILE 0xF002
#define AFX_IDS_ALLFILTER 0xF003
#define AFX_IDP_ASK_TO_SAVE 0xF004
#define AFX_IDP_FAILED_TO_OPEN_DOC 0xF005
#define AFX_IDP_FAILED_TO_SAVE_DOC 0xF006
#define AFX_IDP_INVALID_FILENAME 0xF007
#define AFX_IDP_FILE_DIALOG_FAILED 0xF008
#define AFX_IDP_FAILED_TO_CREATE_DOC 0xF009
#define AFX_IDP_COMMAND_FAILURE 0xF109
#define AFX_IDP_NO_PRINTER 0xF10A
#define AFX_IDP_PRINT_FAILED 0xF10B

// The string from the resources, else the framework's own text for the id, else empty.
CString AfxLoadString(UINT id);
// Replaces "%1" in the text of id by arg.
CString AfxFormatString1(UINT id, LPCSTR arg);
// Line n (0-based, '\n'-separated) of text; empty when there is none.
CString AfxExtractLine(const CString& text, int n);
