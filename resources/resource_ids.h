// Resource ids, shared by the resource script and the code.
#pragma once

// Menus
#define IDM_MAIN_MENU 221
#define IDM_FILE_GO_TO_TODAY 40001
#define IDM_FILE_EXIT 40002
#define IDM_OPTION_JALALI_MODE 40003
#define IDM_OPTION_MILADI_MODE 40004
#define IDM_OPTION_ADD_TO_STARTUP 40005
#define IDM_OPTION_REMOVE_FROM_STARTUP 40006
#define IDM_HELP_CONTENTS 40007
#define IDM_HELP_ABOUT 40008
#define IDM_OPTION_HIJRI_MODE 40009
#define IDM_HELP_CHECK_FOR_UPDATES 50000
#define IDM_TRAY_OPEN 10002
#define IDM_TRAY_EXIT 10004

// Dialogs and their controls
#define IDC_OCCASIONS_LIST 1041
#define IDC_ABOUT_DATA_PROBLEM 1042

// Child controls of the main window
#define IDC_JALALI_MONTH_COMBO 1
#define IDC_YEAR_EDIT 2
#define IDC_PREVIOUS_MONTH 5
#define IDC_NEXT_MONTH 6
#define IDC_ALL_OCCASIONS 7
#define IDC_YEAR_UP_DOWN 10
#define IDC_GREGORIAN_MONTH_COMBO 10
#define IDC_HIJRI_MONTH_COMBO 100

// Bitmaps
#define IDB_ALL_OCCASIONS 1037
#define IDB_NEXT_MONTH 1700
#define IDB_PREVIOUS_MONTH 1800
#define IDB_WEEKDAY_FRIDAY 214  // 214 Friday ... 220 Saturday

// Icons: the day icons are IDI_DAY_BASE + day of the month (102 to 132)
#define IDI_DAY_BASE 101
