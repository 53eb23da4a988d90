#include "app/TrayIcon.h"

#include <shellapi.h>

#include <algorithm>

CTrayIcon::CTrayIcon(HWND owner, UINT callback, HICON icon, const std::wstring& tip) {
    data_.cbSize = sizeof(data_);
    data_.hWnd = owner;
    data_.uID = kId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callback;
    data_.hIcon = icon;
    SetTip(tip);
}

void CTrayIcon::SetTip(const std::wstring& tip) {
    // A long translation is cut to the field, leaving room for the NUL.
    const std::size_t room = sizeof(data_.szTip) / sizeof(data_.szTip[0]) - 1;
    const std::size_t n = tip.copy(data_.szTip, std::min(tip.size(), room));
    data_.szTip[n] = L'\0';
    (void)Shell_NotifyIconW(NIM_MODIFY, &data_);  // fails harmlessly while the icon is not shown
}

void CTrayIcon::SetIcon(HICON icon) {
    data_.hIcon = icon;
    (void)Shell_NotifyIconW(NIM_MODIFY, &data_);  // fails harmlessly while the icon is not shown
}

void CTrayIcon::ShowBalloon(const std::wstring& text) {
    NOTIFYICONDATAW balloon = data_;
    balloon.uFlags = NIF_INFO;
    const std::size_t room = sizeof(balloon.szInfo) / sizeof(balloon.szInfo[0]) - 1;
    balloon.szInfo[text.copy(balloon.szInfo, std::min(text.size(), room))] = L'\0';
    balloon.szInfoTitle[data_.szTip[0] ? std::wstring(data_.szTip).copy(balloon.szInfoTitle, 63) : 0] = L'\0';
    balloon.dwInfoFlags = NIIF_INFO | NIIF_NOSOUND;
    (void)Shell_NotifyIconW(NIM_MODIFY, &balloon);  // fails harmlessly while the icon is not shown
}

bool CTrayIcon::Add() const { return Shell_NotifyIconW(NIM_ADD, const_cast<NOTIFYICONDATAW*>(&data_)) != 0; }

bool CTrayIcon::Delete() const { return Shell_NotifyIconW(NIM_DELETE, const_cast<NOTIFYICONDATAW*>(&data_)) != 0; }
