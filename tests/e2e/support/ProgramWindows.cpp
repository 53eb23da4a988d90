#include "e2e/support/ProgramWindows.h"

#include "e2e/support/UserHands.h"

using namespace std::chrono_literals;

namespace {
constexpr UINT kTrayNotify = WM_USER + 10;
constexpr WPARAM kTrayIconId = 128;

struct DropDownSearch {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindDropDown(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<DropDownSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (process == search->process && IsWindowVisible(hwnd) && std::wstring(cls) == L"#32770" &&
        (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct OwnedSearch {
    HWND owner;
    int id;
    HWND found;
};

BOOL CALLBACK FindOwned(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<OwnedSearch*>(lp);
    if (GetWindow(hwnd, GW_OWNER) == search->owner && IsWindowVisible(hwnd) && GetDlgItem(hwnd, search->id)) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND OwnedWindowWith(HWND main, int id, std::chrono::milliseconds timeout) {
    OwnedSearch search{main, id, nullptr};
    WaitFor(
        [&] {
            EnumWindows(FindOwned, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeout);
    return search.found;
}

bool ShowFromTray(HWND main) {
    PostMessageW(main, kTrayNotify, kTrayIconId, WM_LBUTTONDBLCLK);
    return WaitFor([main] { return IsWindowVisible(main) != 0; }, 5s);
}

HWND OpenDropDown(HWND main, std::chrono::milliseconds timeout) {
    DropDownSearch search{0, nullptr};
    GetWindowThreadProcessId(main, &search.process);
    WaitFor(
        [&] {
            EnumWindows(FindDropDown, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeout);
    return search.found;
}

bool PickRow(HWND dropDown, int row) {
    HWND list = GetWindow(dropDown, GW_CHILD);
    if (!list || row >= SendMessageW(list, LB_GETCOUNT, 0, 0)) return false;
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    RECT frame{}, client{};
    GetWindowRect(list, &frame);
    GetClientRect(list, &client);
    POINT origin{0, 0};
    ClientToScreen(list, &origin);
    return ClickAt(list, origin.x - frame.left + client.right / 2, origin.y - frame.top + (row - top) * height + height / 2);
}

HWND WaitForMessageBox(std::chrono::milliseconds timeout) {
    HWND box = nullptr;
    WaitFor([&] { return (box = FindWindowW(L"#32770", L"Qorn")) != nullptr && IsWindowVisible(box); }, timeout);
    return box;
}

std::wstring MessageText(HWND box) {
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

bool ClickButton(HWND box, int id) {
    HWND button = GetDlgItem(box, id);
    RECT r{};
    if (!button || !GetWindowRect(button, &r)) return false;
    return ClickAt(button, (r.right - r.left) / 2, (r.bottom - r.top) / 2) &&
           WaitFor([box] { return !IsWindow(box); }, 5s);
}
