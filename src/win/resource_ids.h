// Identifiers of the window's resources, shared by peltarix.rc and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_CONVERTER 102
#define IDI_APP 128

// The About item of the system menu. System menu commands below 0xF000 have
// their low four bits free for the system's own use.
#define IDM_ABOUTBOX 0x0010

#define IDC_EXECUTE 1000
#define IDC_SOURCE_EDIT 1001
#define IDC_DESTINATION_EDIT 1002
#define IDC_KIND_BUILDING_OUTLINE 1005
#define IDC_KIND_COLUMNS 1006
#define IDC_KIND_PERIMETER 1007
#define IDC_KIND_ROOMS 1008
#define IDC_KIND_ROOFS 1009
#define IDC_LOG_LIST 1011
#define IDC_KIND_BASIC_INFO 1012
#define IDC_BROWSE_SOURCE 1015
#define IDC_BROWSE_DESTINATION 1016
#define IDC_PREVIEW 1017
#define IDC_ABOUT_PURPOSE 1020
