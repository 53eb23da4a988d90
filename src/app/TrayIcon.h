#pragma once
// The main window's icon in the notification area. Adding an icon that is
// already there, or deleting one that is absent, fails without effect.
#include <windows.h>

#include <string>

class CTrayIcon {
public:
    static constexpr UINT kId = 128;

    // `callback` is posted to `owner` with wParam kId and the mouse message.
    CTrayIcon(HWND owner, UINT callback, HICON icon, const std::wstring& tip);
    bool Add() const;
    bool Delete() const;
    // A new tip text, cut to the 127 characters the field holds; an icon on
    // show takes it at once, a hidden one when next added.
    void SetTip(const std::wstring& tip);
    // Another picture (the size for a new DPI), at once where it shows.
    // The caller keeps the icon alive while the tray shows it.
    void SetIcon(HICON icon);
    // A notification balloon from the icon, without sound and without taking
    // the focus; it replaces one still on show. Nothing while the icon is
    // not shown.
    void ShowBalloon(const std::wstring& text);

private:
    NOTIFYICONDATAW data_{};
};
