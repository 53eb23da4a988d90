#include "device/win32/WindowReportReceiver.h"

ReportHandover::Receiver WindowReportReceiver(HWND window) {
    return [window](const EventReport& report) {
        SendMessageW(window, WM_DEVICE_REPORT, reinterpret_cast<WPARAM>(report.bytes.data()),
                     static_cast<LPARAM>(report.length));
    };
}
