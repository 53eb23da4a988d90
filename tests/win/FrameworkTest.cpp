#include <gtest/gtest.h>

#include "framework/DialogEx.h"
#include "skin/SkinButton.h"
#include "win/support/MessagePump.h"
#include "win/support/SkinTestDialog.h"
#include "win/support/TestIds.h"

using namespace std::chrono_literals;

namespace {
// Ends itself from inside its own modal run and notes what it saw there.
class SelfEndingDialog : public CDialogEx {
public:
    explicit SelfEndingDialog(CWnd* owner) : CDialogEx(IDD_SKIN_TEST, owner) {}
    bool ownerWasDisabled = false;
    bool sawInit = false;

protected:
    BOOL OnInitDialog() override {
        sawInit = true;
        Post(WM_COMMAND, MAKEWPARAM(IDC_T_BUTTON, BN_CLICKED));
        return TRUE;
    }
    bool OnCommand(WPARAM wp, LPARAM lp) override {
        if (LOWORD(wp) != IDC_T_BUTTON) return CDialogEx::OnCommand(wp, lp);
        HWND owner = GetWindow(GetSafeHwnd(), GW_OWNER);
        ownerWasDisabled = owner && !IsWindowEnabled(owner);
        EndDialog(42);
        return true;
    }
};

// A button that records the notifications reflected back to it.
class RecordingButton : public CSkinButton {
public:
    int reflectedClicks = 0;
    bool skinInitRan = false;

protected:
    void OnSkinInit() override {
        skinInitRan = true;
        CSkinButton::OnSkinInit();
    }
    bool OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override {
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) ++reflectedClicks;
        return CSkinButton::OnChildNotify(msg, wp, lp, result);
    }
};
}  // namespace

TEST(DialogEx, ModalRunDisablesTheOwnerAndReturnsTheEndResult) {
    SkinTestDialog owner;
    owner.Open();
    SelfEndingDialog dialog(&owner);
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_TRUE(dialog.sawInit);
    EXPECT_TRUE(dialog.ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner.GetSafeHwnd()));
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr) << "the window is destroyed after the run";
}

TEST(Wnd, ControlCreatedInCodeIsBoundBeforeCreateAndGetsItsClicksReflected) {
    SkinTestDialog dialog;
    dialog.Open();
    RecordingButton button;
    const RECT rect{300, 200, 380, 230};
    ASSERT_TRUE(button.CreateEx(0, L"BUTTON", L"Made", WS_CHILD | WS_VISIBLE, rect, dialog.GetSafeHwnd(), 777));
    EXPECT_TRUE(button.skinInitRan) << "WM_CREATE reached the object";
    EXPECT_EQ(button.Style() & BS_TYPEMASK, static_cast<DWORD>(BS_OWNERDRAW));
    EXPECT_EQ(CWnd::FromHandle(button.GetSafeHwnd()), &button);

    button.Send(BM_CLICK);
    PumpFor(50ms);
    EXPECT_EQ(button.reflectedClicks, 1);
    EXPECT_EQ(dialog.Clicks(777), 1) << "the parent still gets the click";

    HWND hwnd = button.GetSafeHwnd();
    button.DestroyWindow();
    EXPECT_EQ(button.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
}

TEST(Wnd, SubclassedControlIsReleasedWhenItsObjectGoesFirst) {
    SkinTestDialog dialog;
    dialog.Open();
    HWND hwnd = dialog.DlgItem(IDC_T_AFTER);
    dialog.after.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
    {
        CSkinButton temporary;
        ASSERT_TRUE(temporary.SubclassWindow(hwnd));
        EXPECT_FALSE(CSkinButton().SubclassWindow(hwnd)) << "a window has one object";
    }
    // The window outlived its object and still works.
    EXPECT_EQ(CWnd::FromHandle(hwnd), nullptr);
    SendMessageW(hwnd, BM_CLICK, 0, 0);
    PumpFor(50ms);
    EXPECT_EQ(dialog.Clicks(IDC_T_AFTER), 1);
}
