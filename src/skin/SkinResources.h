#pragma once
// Resource ids of the skin toolkit's own templates (src/skin/SkinResources.rc,
// linked into every program that uses the toolkit).
#define IDD_DLG_LISTBOX 132
#define IDC_DLG_LISTBOX_LIST 1022
