#pragma once
// Templates of the main window's four pages, and the controls of the
// backlight and gaming pages. The keyboard and macro pages keep their own
// control ids beside their classes.
#define IDD_DLG_SETTINGS 101
#define IDD_DLG_MACRO 129
#define IDD_DLG_BLACKLIGHT 130
#define IDD_DLG_GAMINGMODE 131

// Backlight page.
#define IDC_SLIDER_BRIGHTNESS 1005
#define IDC_CHK_BLACKLIGHT 1054
#define IDC_RADIO_EFFECT_STATIC 1055
#define IDC_RADIO_EFFECT_BLINK 1056
#define IDC_RADIO_EFFECT_BREATH 1057
#define IDC_STATIC_BLACKLIGHT 1062
#define IDC_STATIC_BRIGHTNESS 1063
#define IDC_STATIC_EFFECT 1064

// Gaming page.
#define IDC_CHK_GAMINGMODE 1006
#define IDC_CHK_ALT_TAB 1007
#define IDC_CHK_WIN_KEY 1009
#define IDC_CHK_ALT_F4 1011
#define IDC_STATIC_GAMINGMODE 1065
#define IDC_STATIC_DISABLEKEY 1066
#define IDC_STATIC_ALT_TAB 1067
#define IDC_STATIC_ALT_F4 1068
#define IDC_STATIC_WIN_KEY 1069
