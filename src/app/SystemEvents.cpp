#include "app/SystemEvents.h"

#include <wtsapi32.h>

#include "app/MainKeyboard.h"

void SessionNotificationFree::operator()(HWND window) const { WTSUnRegisterSessionNotification(window); }

CSystemEvents::CSystemEvents(HWND window, CMainKeyboard& keyboard, std::function<void()> restoreTray)
    : keyboard_(keyboard),
      restoreTray_(std::move(restoreTray)),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      session_(WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION) ? window : nullptr) {}

std::optional<LRESULT> CSystemEvents::OnMessage(UINT msg, WPARAM wp, LPARAM) {
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        restoreTray_();
        return 0;
    }
    switch (msg) {
    case WM_WTSSESSION_CHANGE:
        if (wp == WTS_SESSION_LOCK || wp == WTS_SESSION_LOGOFF) Away();
        if (wp == WTS_SESSION_UNLOCK) Back(false);
        return 0;
    case WM_POWERBROADCAST:
        if (wp == PBT_APMSUSPEND) Away();
        if (wp == PBT_APMRESUMEAUTOMATIC) Back(true);
        return TRUE;
    case WM_TIMER:
        if (keyboard_.OnTimer(wp)) return 0;
        break;
    }
    return std::nullopt;
}

// A release refused by the locked desktop stays in the ledger for Back.
void CSystemEvents::Away() { (void)keyboard_.ReleaseAll(); }

void CSystemEvents::Back(bool resumed) {
    (void)keyboard_.ReleaseAll();  // still refused: the next event tries again
    if (resumed)
        keyboard_.ReapplyAfterResume();
    else
        keyboard_.Reapply();
}
