#pragma once
// Resource ids shared by the resource script and the code.
#define IDD_MAIN_DIALOG 102
#define IDS_SOCKETS_INIT_FAILED 103
#define IDR_MAINFRAME 128

#define IDC_BTN_MINIMIZE 1001
#define IDC_BTN_CLOSE 1002
