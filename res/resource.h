// Resource identifiers shared by the resource script and the code.
#pragma once

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_CORVANE_DIALOG 102
#define IDD_PROGRESS 130
#define IDD_TIP 137
#define IDD_OUTPUT_SETTINGS 166

// Icons.
#define IDR_MAINFRAME 128
#define IDI_SIDE_ADD 145
#define IDI_SIDE_REMOVE 146
#define IDI_SIDE_UP 147
#define IDI_SIDE_DOWN 148
#define IDI_HELP 150
#define IDI_ADD 160
#define IDI_CONVERT 162
#define IDI_SETTINGS 165

// Bitmaps.
#define IDB_LIGHTBULB 138

// Menus.
#define IDR_HELP_MENU 136
#define IDR_LIST_MENU 144

// Strings.
#define IDS_ABOUTBOX 101
#define IDS_TIPS_FILE_MISSING 102
#define IDS_TIPS_FILE_TROUBLE 103
#define IDS_DID_YOU_KNOW 104

// Main dialog controls.
#define IDC_CONVERT 1000
#define IDC_SETTINGS 1001
#define IDC_ADD 1002
#define IDC_HELP_BUTTON 1003
#define IDC_SOURCE_LIST 1006
#define IDC_OUTPUT_FOLDER 1018
#define IDC_CHANGE_FOLDER 1019
#define IDC_SIDE_ADD 1025
#define IDC_SIDE_REMOVE 1026
#define IDC_SIDE_UP 1027
#define IDC_SIDE_DOWN 1028
#define IDC_OUTPUT_FORMAT 1066
#define IDC_TV_MODE 1067
#define IDC_ASPECT_RATIO 1069
#define IDC_SETTINGS_PLAIN 1079
#define IDC_CONVERT_PLAIN 1080

// Progress dialog controls.
#define IDC_PROGRESS_STATUS 1032
#define IDC_PROGRESS_BAR 1033
#define IDC_PROGRESS_CANCEL 1034

// Menu commands.
#define IDM_HELP_CONTENT 32771
#define IDM_ABOUT 32772
#define IDM_HOME_PAGE 32773
#define IDM_TIP_OF_THE_DAY 32774
#define IDM_LIST_ADD 32775
#define IDM_LIST_REMOVE 32776
#define IDM_LIST_UP 32777
#define IDM_LIST_DOWN 32778

// The system menu's About item.
#define IDM_ABOUTBOX 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
