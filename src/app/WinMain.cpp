#include <windows.h>

#include "app/MainApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CMainApp app(instance);
    app.InitInstance();
    return app.ExitInstance();
}
