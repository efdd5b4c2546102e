/*
 * Resource and command identifiers of Quillotap.
 *
 * Plain #defines only: this header is read by the C and C++ sources and by
 * windres alike. Control ids are unique within their own dialog; the same
 * number may appear in two different dialogs.
 */
#ifndef QUILLOTAP_RESOURCE_H
#define QUILLOTAP_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Dialog templates */
#define IDD_ABOUTBOX 100
#define IDD_MAIN_DIALOG 102
#define IDD_UPDATE_DIALOG 106

/* Icon, menu bar and bitmap (icon and menu share 128: different resource types) */
#define IDR_MAINFRAME 128
#define IDR_MAIN_MENU 128
#define IDB_MENU_ICONS 131

/* String table */
#define IDS_ABOUTBOX 101

/* System-menu item "&About Quillotap..."; the low four bits must stay clear */
#define IDM_ABOUTBOX 0x0010

/* Controls of IDD_MAIN_DIALOG */
#define IDC_START 1000
#define IDC_STOP 1001
#define IDC_INTERVAL 1002
#define IDC_MOUSE 1003
#define IDC_ACTION 1004
#define IDC_CLICK_MOUSE_POS 1005
#define IDC_CLICK_FIXED_POINT 1006
#define IDC_MOVE_MOUSE 1007
#define IDC_CLICK_COUNT 1009
#define IDC_CLICK_TIME 1010
#define IDC_STATIC_X 1011
#define IDC_FIXED_X 1012
#define IDC_STATIC_Y 1013
#define IDC_FIXED_Y 1014
#define IDC_CAPTURE 1015
#define IDC_RADIO_COUNT 1016
#define IDC_RADIO_TIME 1017
#define IDC_TIME_UNIT 1018
#define IDC_NO_ACTIVATE 1021
#define IDC_VIEW_POS 1023
#define IDC_CAPTURE_HINT 1027

/* Controls of IDD_ABOUTBOX (its OK button is IDOK) */
#define IDC_ABOUT_LINK 1010
#define IDC_ABOUT_VERSION 1011

/* Controls of IDD_UPDATE_DIALOG */
#define IDC_UPDATE_MESSAGE 1016
#define IDC_UPDATE_OK 1017
#define IDC_UPDATE_CANCEL 1020

/* Menu commands of IDR_MAIN_MENU */
#define ID_HELP_ABOUT 32773
#define ID_HELP_UPDATE 32775
#define ID_HELP_HELP 32776
#define ID_FILE_EXIT 32777

/* The framework's help command, routed to the application object */
#ifndef ID_HELP
#define ID_HELP 0xE146 /* 57670 */
#endif

#endif /* QUILLOTAP_RESOURCE_H */
