#pragma once
// Resource ids of the Activity window, shared by its template and its code.
#define IDD_ACTIVITY 160
#define IDC_ACTIVITY_HEADER 1401
#define IDC_ACTIVITY_LIST 1402
#define IDC_ACTIVITY_COPY 1403
