#pragma once
// Resource ids shared by the resource script and the code.
#define IDD_MAIN_DIALOG 102
