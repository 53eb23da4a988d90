#pragma once
// Resource ids of the test dialogs (tests/win/WinTests.rc).
#define IDD_SKIN_TEST 500
#define IDC_T_BUTTON 501
#define IDC_T_BLANK 502
#define IDC_T_INDEXED 503
#define IDC_T_CHECK 504
#define IDC_T_NARROW 505
#define IDC_T_RADIO1 506
#define IDC_T_RADIO2 507
#define IDC_T_RADIO3 508
#define IDC_T_AFTER 509
#define IDC_T_STATIC 510
#define IDC_T_LINK 511
#define IDC_T_EDIT 512
#define IDC_T_KEYS 513
#define IDC_T_FALLBACK 514
#define IDC_T_MEMO 515
#define IDC_T_SLIDER 516
#define IDC_T_CHOICE 517
#define IDC_T_LIST 518
