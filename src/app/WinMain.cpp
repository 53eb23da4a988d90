#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/MainApp.h"

namespace {
// The command line's arguments after the program's own name.
std::vector<std::u16string> Arguments() {
    std::vector<std::u16string> args;
    int count = 0;
    LPWSTR* list = CommandLineToArgvW(GetCommandLineW(), &count);
    if (list == nullptr) return args;
    for (int i = 1; i < count; ++i) args.emplace_back(list[i], list[i] + wcslen(list[i]));
    LocalFree(list);
    return args;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    CMainApp app(instance, Arguments());
    app.InitInstance();
    return app.ExitInstance();
}
