#pragma once
// The listener's hand-over to a window: WM_DEVICE_REPORT sent synchronously,
// so the window's thread handles the reports one at a time and in order.
#include <windows.h>

#include "device/DeviceListener.h"

// wParam: address of the report bytes, valid only during the call; lParam:
// the record's length byte (12 for a keyboard report, kLinkLost when the
// link failed). Result: 1 when the
// report was processed, 0 when it was ignored.
constexpr UINT WM_DEVICE_REPORT = WM_USER + 9;

// Sends each report to `window` with SendMessageW. Once the window is
// destroyed the message fails and the report is dropped, so this receiver
// never needs dropping; dropping it from the window's own thread could wait
// for a listener that waits in SendMessageW for that thread.
ReportHandover::Receiver WindowReportReceiver(HWND window);
