#include "app/ActivityWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "app/ActivityIds.h"
#include "lang/win32/LocalText.h"
#include "ui/Activity.h"
#include "platform/win32/WideText.h"

namespace {

// Minutes east of UTC now, from the system's own conversion.
int32_t LocalOffsetMinutes() {
    FILETIME utc{}, local{};
    GetSystemTimeAsFileTime(&utc);
    if (!FileTimeToLocalFileTime(&utc, &local)) return 0;
    const auto value = [](const FILETIME& t) {
        return static_cast<int64_t>((static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    };
    return static_cast<int32_t>((value(local) - value(utc)) / 600000000);
}
}  // namespace

CActivityWindow::CActivityWindow(CActivity& activity) : CDialogEx(IDD_ACTIVITY), activity_(activity) {}

void CActivityWindow::Open() {
    if (!GetSafeHwnd() && !Create(nullptr)) return;
    Refresh(true);
    if (IsIconic(GetSafeHwnd()))
        Show(SW_RESTORE);
    else
        Show(SW_SHOWNORMAL);
    SetForegroundWindow(GetSafeHwnd());
}

BOOL CActivityWindow::OnInitDialog() {
    HWND list = DlgItem(IDC_ACTIVITY_LIST);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER,
                 LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_SUBITEM;
        column.cx = 80;
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    SetTimer(GetSafeHwnd(), kRefreshTimer, kRefreshMs, nullptr);
    ApplyLanguage();
    Layout();
    return TRUE;
}

void CActivityWindow::ApplyLanguage() {
    if (!GetSafeHwnd()) return;
    SetText(LocalText(u"ID_ACTIVITY", u"Activity"));
    SetDlgItemTextW(GetSafeHwnd(), IDC_ACTIVITY_COPY, LocalText(u"ID_ACTIVITY_COPY", u"Copy").c_str());
    const std::vector<std::u16string> columns = ActivityColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        std::wstring text = Wide(columns[i]);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = text.data();
        SendMessageW(DlgItem(IDC_ACTIVITY_LIST), LVM_SETCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    Refresh(true);
}

void CActivityWindow::Refresh(bool always) {
    if (!GetSafeHwnd()) return;
    CActivityRing::Snapshot snapshot = activity_.Ring().Latest();
    std::vector<std::u16string> header = HeaderLines(activity_);
    const bool eventsChanged = snapshot.written != shownWritten_ || !shownComplete_;
    if (!always && !eventsChanged && header == header_) return;
    if (always || header != header_) {
        header_ = std::move(header);
        std::u16string text;
        for (const std::u16string& line : header_) text += (text.empty() ? u"" : u"\r\n") + line;
        SetDlgItemTextW(GetSafeHwnd(), IDC_ACTIVITY_HEADER, Wide(text).c_str());
    }
    if (always || eventsChanged) {
        const int32_t offset = LocalOffsetMinutes();
        rows_ = ActivityRows(snapshot.events, activity_, [offset](uint64_t ms) { return ClockText(ms, offset); });
        shownWritten_ = snapshot.written;
        shownComplete_ = snapshot.complete;
        HWND list = DlgItem(IDC_ACTIVITY_LIST);
        SendMessageW(list, LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOINVALIDATEALL);
        InvalidateRect(list, nullptr, FALSE);
    }
}

// Margins and the button in dialog units, so that they scale with the font.
void CActivityWindow::Layout() {
    RECT units{7, 4, 50, 14};
    MapDialogRect(GetSafeHwnd(), &units);
    const int margin = static_cast<int>(units.left), gap = static_cast<int>(units.top);
    const int buttonWidth = static_cast<int>(units.right), buttonHeight = static_cast<int>(units.bottom);
    const RECT client = ClientRect();
    const int width = static_cast<int>(client.right) - 2 * margin;
    HWND headerText = DlgItem(IDC_ACTIVITY_HEADER);
    int headerHeight = 3 * 16;
    if (HDC dc = GetDC(headerText)) {
        const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(headerText, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        headerHeight = 3 * static_cast<int>(metrics.tmHeight);
        SelectObject(dc, old);
        ReleaseDC(headerText, dc);
    }
    MoveWindow(headerText, margin, margin, width, headerHeight, TRUE);
    const int buttonTop = static_cast<int>(client.bottom) - margin - buttonHeight;
    MoveWindow(DlgItem(IDC_ACTIVITY_COPY), static_cast<int>(client.right) - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight,
               TRUE);
    const int listTop = margin + headerHeight + gap;
    HWND list = DlgItem(IDC_ACTIVITY_LIST);
    MoveWindow(list, margin, listTop, width, std::max(0, buttonTop - gap - listTop), TRUE);
    // Time, key and profile get what they need; what happened the rest.
    RECT listClient{};
    GetClientRect(list, &listClient);
    const int fixed[3] = {buttonWidth * 3 / 2, buttonWidth * 3 / 2, buttonWidth * 2};
    int rest = static_cast<int>(listClient.right);
    for (int i = 0; i < 3; ++i) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i), fixed[i]);
        rest -= fixed[i];
    }
    SendMessageW(list, LVM_SETCOLUMNWIDTH, 3, std::max(rest, buttonWidth * 2));
}

void CActivityWindow::CopyToClipboard() {
    Refresh(false);  // what it shows, as of now
    const std::u16string text = ActivityReport(header_, rows_);
    if (!OpenClipboard(GetSafeHwnd())) return;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, text.c_str(), bytes);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

bool CActivityWindow::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_ACTIVITY_LIST || header.code != LVN_GETDISPINFOW) return false;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(const_cast<NMHDR&>(header)).item;
    if ((item.mask & LVIF_TEXT) == 0 || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows_.size())
        return false;
    const ActivityRow& row = rows_[static_cast<std::size_t>(item.iItem)];
    const std::u16string* cells[] = {&row.time, &row.key, &row.profile, &row.what};
    if (item.iSubItem < 0 || item.iSubItem > 3 || item.cchTextMax <= 0) return false;
    cell_ = Wide(*cells[item.iSubItem]);
    lstrcpynW(item.pszText, cell_.c_str(), item.cchTextMax);
    result = 0;
    return true;
}

LRESULT CActivityWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SIZE:
        Layout();
        break;
    case WM_GETMINMAXINFO: {
        RECT least{0, 0, 200, 120};
        if (GetSafeHwnd()) MapDialogRect(GetSafeHwnd(), &least);
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = {least.right, least.bottom};
        return 0;
    }
    case WM_TIMER:
        if (wp == kRefreshTimer) {
            if (IsWindowVisible(GetSafeHwnd())) Refresh(false);
            return 0;
        }
        break;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (OnNotify(*reinterpret_cast<const NMHDR*>(lp), result)) return result;
        break;
    }
    case WM_DESTROY:
        KillTimer(GetSafeHwnd(), kRefreshTimer);
        break;
    }
    return CDialogEx::WindowProc(msg, wp, lp);
}

bool CActivityWindow::OnCommand(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == IDC_ACTIVITY_COPY) {
        CopyToClipboard();
        return true;
    }
    return CDialogEx::OnCommand(wp, lp);
}
