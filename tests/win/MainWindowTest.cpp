// The main window's controls driven as the user drives them, in the real
// program: the profile buttons, the name edit and the language buttons; what
// a screen reader reads and hears of them; the Tab order.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/ControlAccessible.h"
#include "model/DocProfileSet.h"
#include "platform/StdFileStore.h"
#include "support/FakeUserPrompt.h"
#include "win/support/AppProcess.h"
#include "win/support/Input.h"
#include "win/support/MessagePump.h"

using namespace std::chrono_literals;

namespace {
constexpr int kNew = 1028, kDelete = 1029, kCopy = 1030, kKorean = 1022, kProfileLabel = 1041;
constexpr int kBacklightPage = 1018, kGamingPage = 1019;

std::wstring ItemText(HWND main, int id) {
    wchar_t text[128] = {};
    GetDlgItemTextW(main, id, text, 128);
    return text;
}

HWND NameEdit(HWND main) { return HostedEdit(main, 1026); }

std::wstring NameText(HWND main) {
    wchar_t text[128] = {};
    // GetWindowTextW would not ask a control of another process.
    SendMessageW(NameEdit(main), WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    return text;
}

bool Enabled(HWND main, int id) { return IsWindowEnabled(GetDlgItem(main, id)) != 0; }

// A program that has made its first run, so both data files exist, and
// has finished setting up its window (the title comes last).
class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        {
            AppProcess setup(folder_);
            AnswerMessageBox(10000ms);
            AnswerMessageBox(5000ms);
            HWND main = WaitForMainWindow(10000ms);
            ASSERT_NE(main, nullptr);
            PostMessageW(main, WM_COMMAND, kExitCommand, 0);
            ASSERT_TRUE(setup.WaitForExit(10000ms));
        }
        BeforeStart();
        app_.emplace(folder_);
        main_ = WaitForMainWindow(10000ms);
        ASSERT_NE(main_, nullptr);
        for (int i = 0; i < 250 && GetWindowTextLengthW(main_) == 0; ++i) Sleep(20);
    }
    void Exit() {
        PostMessageW(main_, WM_COMMAND, kExitCommand, 0);
        EXPECT_TRUE(app_->WaitForExit(10000ms));
    }
    void Command(int id) { SendMessageW(main_, WM_COMMAND, static_cast<WPARAM>(id), 0); }
    // Between the first run and the one under test.
    virtual void BeforeStart() {}

    std::wstring folder_ = MakeAppFolder(L"window");
    std::optional<AppProcess> app_;
    HWND main_ = nullptr;
};

TEST_F(MainWindow, ProfileButtonsChangeTheSavedProfileSet) {
    EXPECT_EQ(NameText(main_), L"Profile1");
    EXPECT_FALSE(Enabled(main_, kDelete)) << "the only profile cannot be deleted";
    EXPECT_TRUE(Enabled(main_, kCopy));

    Command(kNew);
    EXPECT_EQ(NameText(main_), L"Profile2");
    EXPECT_TRUE(Enabled(main_, kDelete));

    // A name typed but not confirmed is confirmed by the next change, which
    // then asks about the profile under that name; No keeps the name.
    SendMessageW(NameEdit(main_), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Racing"));
    PostMessageW(main_, WM_COMMAND, kCopy, 0);
    EXPECT_EQ(AnswerMessageBox(5000ms, IDNO), L"Are you sure to save 'Racing'?");
    for (int i = 0; i < 100 && NameText(main_) == L"Racing"; ++i) Sleep(20);
    const std::wstring copy = NameText(main_);
    EXPECT_EQ(copy, L"Racing(Copy)");
    Exit();

    CDocProfileSet saved;
    StdFileStore files;
    FakeUserPrompt prompt;
    const std::wstring path = folder_ + L"qorn.pfs";
    ASSERT_TRUE(saved.OnOpenDocument(std::u16string(path.begin(), path.end()), DocumentIo{files, prompt}));
    std::vector<std::u16string> names;
    for (const auto& entry : saved.profiles) names.push_back(entry.first);
    EXPECT_EQ(names, (std::vector<std::u16string>{u"Profile1", u"Racing", u"Racing(Copy)"}));
    EXPECT_EQ(saved.currentName, std::u16string(copy.begin(), copy.end()));
}

TEST_F(MainWindow, LanguageButtonSwitchesTextsAndIsRemembered) {
    EXPECT_EQ(ItemText(main_, kProfileLabel), L"Profile");
    Command(kBacklightPage);
    Command(kKorean);
    wchar_t title[64] = {};
    GetWindowTextW(main_, title, 64);
    EXPECT_STREQ(title, L"Velmora \uAC8C\uC774\uBC0D \uD0A4\uBCF4\uB4DC");
    EXPECT_EQ(ItemText(main_, kProfileLabel), L"\uD504\uB85C\uD544");
    EXPECT_EQ(ItemText(PageWith(main_, 1005, L"msctls_trackbar32"), 1063), L"\uBC1D\uAE30") << "the pages follow";
    Command(kGamingPage);
    EXPECT_EQ(ItemText(PageWith(main_, 1065, L"Static"), 1065), L"\uAC8C\uC784 \uBAA8\uB4DC");
    Exit();
    wchar_t kept[32] = {};
    GetPrivateProfileStringW(L"Language", L"Default", L"", kept, 32, (folder_ + L"lan\\Orvik.ini").c_str());
    EXPECT_STREQ(kept, L"Korean");
}

// What a screen reader reads of a control of the program, through oleacc.
struct Heard {
    std::wstring name;
    LONG role = 0;
    LONG state = 0;
    std::wstring value;
};

Heard Hear(HWND control) {
    Heard heard;
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&object))))
        return heard;
    const UniqueResource<IAccessible*, ComRelease> owned(object);
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (auto [get, into] : {std::pair{&IAccessible::get_accName, &heard.name}, {&IAccessible::get_accValue, &heard.value}}) {
        BSTR text = nullptr;
        if ((object->*get)(self, &text) == S_OK && text) *into = text;
        SysFreeString(text);
    }
    for (auto [get, into] : {std::pair{&IAccessible::get_accRole, &heard.role}, {&IAccessible::get_accState, &heard.state}}) {
        VARIANT v{};
        if (SUCCEEDED((object->*get)(self, &v)) && v.vt == VT_I4) *into = v.lVal;
    }
    return heard;
}

// A, F5 and Esc: assigned Enter, assigned a macro, left alone.
class ScreenReader : public MainWindow {
protected:
    void BeforeStart() override {
        const std::wstring wide = folder_ + L"qorn.pfs";
        const std::u16string path(wide.begin(), wide.end());
        CDocProfileSet set;
        StdFileStore files;
        FakeUserPrompt prompt;
        ASSERT_TRUE(set.OnOpenDocument(path, DocumentIo{files, prompt}));
        CKeyAction& a = set.Current()->keys[0x41];
        a.kind = kKindKeyboard;
        a.keyboardInputs = {InputRecord::Keyboard(0x0D, 0x1C, 0), InputRecord::Keyboard(0x0D, 0x1C, kKeyEventKeyUp)};
        set.Current()->keys[0x74].kind = kKindMacro;
        set.Current()->keys[0x74].macroName = u"Raid";
        ASSERT_TRUE(set.OnSaveDocument(path, DocumentIo{files, prompt}));
    }
    void SetUp() override {
        ASSERT_EQ(CoInitialize(nullptr), S_OK);
        MainWindow::SetUp();
        SendMessageW(main_, WM_USER + 10, 128, WM_LBUTTONDBLCLK);  // shown from the tray
    }
    void TearDown() override { CoUninitialize(); }
    // The keyboard page: the one child dialog with a button for each key.
    HWND KeyPage() const { return PageWith(main_, 1039, L"Button"); }
};

// Ids of the visible buttons and sliders of the window that read no name,
// and how many there are in all.
std::pair<std::vector<int>, std::size_t> Unnamed(HWND main) {
    std::vector<HWND> controls;
    EnumChildWindows(main, [](HWND h, LPARAM list) {
        wchar_t cls[32] = {};
        if (IsWindowVisible(h) && GetClassNameW(h, cls, 32) &&
            (lstrcmpiW(cls, L"Button") == 0 || lstrcmpiW(cls, L"msctls_trackbar32") == 0))
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(h);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&controls));
    std::vector<int> unnamed;
    for (HWND control : controls)
        if (Hear(control).name.empty()) unnamed.push_back(GetDlgCtrlID(control));
    return {unnamed, controls.size()};
}

TEST_F(ScreenReader, EveryPageNamesEveryVisibleButtonInEnglishAndChinese) {
    for (int language : {1020, 1021})
        for (int page : {1016, 1017, kBacklightPage, kGamingPage}) {
            Command(language);
            Command(page);
            const auto [unnamed, all] = Unnamed(main_);
            EXPECT_TRUE(unnamed.empty()) << unnamed.size() << " of " << all << " unnamed on page " << page
                                         << " in language " << language << ": " << testing::PrintToString(unnamed);
        }
    Exit();
}

TEST_F(ScreenReader, KeysSayWhatTheyDoAndIconButtonsTheirTip) {
    EXPECT_EQ(Unnamed(main_).second, 125u) << "the keyboard page's buttons and the window's";
    const Heard a = Hear(GetDlgItem(KeyPage(), 1054));
    EXPECT_EQ(a.name.substr(0, 12), L"A, Keyboard:") << "then the layout's name of Enter";
    EXPECT_EQ(a.role, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(Hear(GetDlgItem(KeyPage(), 1039)).name, L"F5, Macro: Raid");
    EXPECT_EQ(Hear(GetDlgItem(KeyPage(), 1001)).name, L"Esc, Default");
    EXPECT_EQ(Hear(GetDlgItem(main_, 1002)).name, L"Close to the notification area");
    EXPECT_EQ(Hear(GetDlgItem(main_, kNew)).name, L"New profile");
    const Heard accelerator = Hear(GetDlgItem(main_, 1027));
    EXPECT_EQ(accelerator.role, ROLE_SYSTEM_COMBOBOX);
    EXPECT_EQ(accelerator.name, L"Accelerator") << "a drop-down is named by its label";

    Command(kKorean);
    EXPECT_EQ(Hear(GetDlgItem(main_, 1002)).name, L"\uC54C\uB9BC \uC601\uC5ED\uC73C\uB85C \uB2EB\uAE30");
    EXPECT_EQ(Hear(GetDlgItem(main_, kNew)).name, L"\uC0C8 \uD504\uB85C\uD544") << "names follow the language";
    Exit();
}

// The text of the program's tooltip on show, once one shows within `wait`;
// empty when none does.
std::wstring ShownTip(HWND main, std::chrono::milliseconds wait) {
    struct Search {
        HWND main;
        std::wstring text;
    } search{main, {}};
    for (auto end = std::chrono::steady_clock::now() + wait; std::chrono::steady_clock::now() < end; Sleep(50)) {
        EnumWindows([](HWND h, LPARAM found) {
            auto& s = *reinterpret_cast<Search*>(found);
            wchar_t cls[32] = {}, text[128] = {};
            if (IsWindowVisible(h) && GetWindow(h, GW_OWNER) == s.main && GetClassNameW(h, cls, 32) &&
                lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && SendMessageW(h, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text)))
                s.text = text;
            return TRUE;
        }, reinterpret_cast<LPARAM>(&search));
        if (!search.text.empty()) break;
    }
    return search.text;
}

TEST_F(ScreenReader, IconButtonsShowTheirNameAsATipInTheLanguageShownAndNoneWhenHidden) {
    MoveCursor(CentreOf(GetDlgItem(main_, 1002)));
    EXPECT_EQ(ShownTip(main_, 3000ms), L"Close to the notification area");
    Command(kKorean);
    MoveCursor(CentreOf(GetDlgItem(main_, kNew)));
    EXPECT_EQ(ShownTip(main_, 3000ms), L"\uC0C8 \uD504\uB85C\uD544");
    SendMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_EQ(ShownTip(main_, 1500ms), L"") << "hidden to the tray";
    Exit();
}

TEST_F(ScreenReader, SwitchesRadiosAndSliderReportTheirState) {
    Command(kBacklightPage);
    HWND page = PageWith(main_, 1005, L"msctls_trackbar32");
    HWND backlight = GetDlgItem(page, 1054);
    const Heard before = Hear(backlight);
    EXPECT_EQ(before.role, ROLE_SYSTEM_CHECKBUTTON);
    EXPECT_EQ(before.name, L"Backlight") << "named by its label";
    SendMessageW(backlight, BM_CLICK, 0, 0);
    EXPECT_NE(Hear(backlight).state & STATE_SYSTEM_CHECKED, before.state & STATE_SYSTEM_CHECKED) << "the click shows";

    const Heard slider = Hear(GetDlgItem(page, 1005));
    EXPECT_EQ(slider.role, ROLE_SYSTEM_SLIDER);
    EXPECT_EQ(slider.name, L"Brightness");
    EXPECT_EQ(slider.value, std::to_wstring(SendMessageW(GetDlgItem(page, 1005), TBM_GETPOS, 0, 0)));
    int chosen = 0;
    for (int id : {1055, 1056, 1057}) {
        const Heard radio = Hear(GetDlgItem(page, id));
        EXPECT_EQ(radio.role, ROLE_SYSTEM_RADIOBUTTON);
        chosen += (radio.state & STATE_SYSTEM_CHECKED) != 0;
    }
    EXPECT_EQ(chosen, 1) << "one effect reads as chosen";
    Exit();
}

// The window's children in the order Tab reaches them from the first; a
// page stands for all of its controls (0: a page's id).
std::vector<int> TabOrder(HWND main) {
    std::vector<int> order;
    const HWND first = GetNextDlgTabItem(main, nullptr, FALSE);
    HWND at = first;
    for (int step = 0; at && step < 200; ++step) {
        HWND child = at;
        while (GetParent(child) != main) child = GetParent(child);
        if (const int id = GetDlgCtrlID(child); order.empty() || order.back() != id) order.push_back(id);
        at = GetNextDlgTabItem(main, at, FALSE);
        if (at == first) break;
    }
    return order;
}

TEST_F(ScreenReader, TabGoesTopToBottomThenThroughThePageAndEndsOnTheWebsiteLink) {
    // Minimize, close, languages, page buttons, profile list and buttons (no
    // Delete with one profile), name, accelerator, program (no Clear without
    // one), the keyboard page, the website link.
    const std::vector<int> expected = {1001, 1002, 1020, 1021, 1022, 1016, 1017, 1018, 1019, 1024,
                                       kNew, kCopy, 1031, 1032, 1026, 1027, 1045, 1046, 0, 1081};
    EXPECT_EQ(TabOrder(main_), expected);
    Exit();
}

// A screen reader's view of the events: out of context, on this thread.
std::vector<std::pair<DWORD, HWND>> heardEvents;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD, DWORD) {
    if (object == OBJID_CLIENT) heardEvents.emplace_back(event, window);
}

struct WinEventUnhook {
    void operator()(HWINEVENTHOOK hook) const { UnhookWinEvent(hook); }
};

TEST_F(ScreenReader, FocusStateAndNameChangesReachAnEventHookOutOfContext) {
    DWORD process = 0;
    GetWindowThreadProcessId(main_, &process);
    const UniqueResource<HWINEVENTHOOK, WinEventUnhook> hook(SetWinEventHook(
        EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, OnWinEvent, process, 0, WINEVENT_OUTOFCONTEXT));
    ASSERT_TRUE(hook);
    const auto focus = [&] { return FocusIn(main_); };
    const auto heard = [](DWORD event, HWND window) {
        return PumpUntil([&] { return std::ranges::count(heardEvents, std::pair{event, window}) > 0; }, 3000ms);
    };
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main_ && GetParent(focus()) == KeyPage(); }, 5000ms));
    const auto ctrlTab = [] {
        Key(VK_CONTROL, true);
        TapKey(VK_TAB);
        Key(VK_CONTROL, false);
    };
    const auto backlight = [&] { return GetDlgItem(PageWith(main_, 1005, L"msctls_trackbar32"), 1054); };
    const struct {
        const char* what;
        std::function<void()> gesture;
        DWORD event;
        std::function<HWND()> control;
    } steps[] = {
        {"Right: from Esc to the next key", [] { TapKey(VK_RIGHT); }, EVENT_OBJECT_FOCUS, focus},
        {"a new profile: key A reads its name again", [&] { Click(CentreOf(GetDlgItem(main_, kNew))); },
         EVENT_OBJECT_NAMECHANGE, [&] { return GetDlgItem(KeyPage(), 1054); }},
        {"Ctrl+Tab twice: the backlight page's switch", [&] { ctrlTab(), PumpFor(200ms), ctrlTab(); },
         EVENT_OBJECT_FOCUS, backlight},
        {"Space turns the switch", [] { TapKey(VK_SPACE); }, EVENT_OBJECT_STATECHANGE, backlight},
    };
    for (const auto& step : steps) {
        heardEvents.clear();
        const HWND before = focus();
        step.gesture();
        if (step.event == EVENT_OBJECT_FOCUS) {
            ASSERT_TRUE(PumpUntil([&] { return focus() != before; }, 3000ms)) << step.what;
        }
        EXPECT_TRUE(heard(step.event, step.control())) << step.what;
    }
    Exit();
}
}  // namespace
