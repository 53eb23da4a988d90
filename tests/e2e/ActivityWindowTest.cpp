// The Activity window on the real program with the simulated keyboard: the
// tray menu's first item opens it, it follows the keys as they are pressed
// (an assigned key, a key whose macro is missing, Fn+2), and Copy puts what
// it shows on the clipboard.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "e2e/support/ProgramFixture.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "win/support/AppProcess.h"

using namespace std::chrono_literals;

namespace {
constexpr int kActivityListId = 1402, kCopyId = 1403;

// A visible top-level window of the program's process of class `cls`
// (and title `title` when given), or null.
HWND FindProgramWindow(HWND main, const wchar_t* cls, const wchar_t* title = nullptr) {
    struct Search {
        DWORD process;
        const wchar_t* cls;
        const wchar_t* title;
        HWND found;
    } search{0, cls, title, nullptr};
    GetWindowThreadProcessId(main, &search.process);
    EnumWindows(
        [](HWND hwnd, LPARAM lp) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lp);
            DWORD process = 0;
            GetWindowThreadProcessId(hwnd, &process);
            wchar_t cls[32] = {}, title[64] = {};
            GetClassNameW(hwnd, cls, 32);
            GetWindowTextW(hwnd, title, 64);
            if (process != s->process || !IsWindowVisible(hwnd) || std::wstring(cls) != s->cls ||
                (s->title && std::wstring(title) != s->title))
                return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring Clipboard() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT))
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    CloseClipboard();
    return text;
}

class ActivityWindowFlow : public ProgramFixture {
protected:
    void TearDown() override {
        EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
        watch_.Hold({});
    }
};
}  // namespace

TEST_F(ActivityWindowFlow, OpenedFromTheTrayItFollowsTheKeysAndCopiesWhatItShows) {
    CDocProfileSet profiles = AlphaAndBeta();
    CKeyAction& a = profiles.Current()->keys['A'];
    a.kind = kKindKeyboard;
    a.keyboardInputs = {InputRecord::Keyboard(0x0D, 0x1C, 0), InputRecord::Keyboard(0x0D, 0x1C, kKeyEventKeyUp)};
    CKeyAction& b = profiles.Current()->keys['B'];
    b.kind = kKindMacro;
    b.macroName = u"Gone";  // the macro file holds no macro of that name
    ASSERT_TRUE(ProfileApplied(StartWith(std::move(profiles), ProfileApplied)));
    HWND main = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
    ASSERT_NE(main, nullptr);

    // The tray icon's menu (no pointer reaches the notification area under
    // Xvfb: the icon's message goes to the window), then its first item.
    PostMessageW(main, WM_USER + 10, 128, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (menu = FindProgramWindow(main, L"#32768")) != nullptr; }, 5s)) << "the tray menu";
    ASSERT_TRUE(ClickAt(menu, 30, 10));
    HWND activity = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (activity = FindProgramWindow(main, L"#32770", L"Activity")) != nullptr; }, 5s))
        << "the tray menu's first item opens the window titled Activity";
    HWND list = GetDlgItem(activity, kActivityListId);
    wchar_t cls[32] = {};
    GetClassNameW(list, cls, 32);
    EXPECT_EQ(std::wstring(cls), WC_LISTVIEWW);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT) << "a standard report list view";
    const auto rows = [list] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0); };
    const LRESULT before = rows();

    for (const uint8_t key : {kUsageA, kUsageB}) {
        watch_.Hold({key});
        watch_.Hold({});
    }
    FnChord(kUsageDigit2);
    EXPECT_TRUE(WaitFor([&] { return rows() >= before + 3; }, 5s)) << "the list shows them live";

    HWND copy = GetDlgItem(activity, kCopyId);
    RECT r{};
    ASSERT_TRUE(GetWindowRect(copy, &r));
    ASSERT_TRUE(ClickAt(copy, (r.right - r.left) / 2, (r.bottom - r.top) / 2));
    std::wstring text;
    EXPECT_TRUE(WaitFor([&] { return (text = Clipboard()).find(L"Fn+2") != std::wstring::npos; }, 5s));
    for (const wchar_t* line : {L"Keyboard: connected\r\n", L"Current profile: Beta (Fn+2)\r\n",
                                L"\tA\tAlpha\tsent Enter\r\n", L"\tB\tAlpha\tmacro 'Gone' not found: nothing played\r\n",
                                L"\t\tBeta\tprofile Beta (Fn+2)\r\n"})
        EXPECT_NE(text.find(line), std::wstring::npos) << "the clipboard names: " << testing::PrintToString(std::wstring(line))
                                                       << "\nin:\n" << testing::PrintToString(text);
    PostMessageW(activity, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([activity] { return !IsWindowVisible(activity); }, 5s)) << "closing only hides it";
}
