#pragma once
// The system's notifications of HID device interfaces arriving and going
// away, as the main window receives them with WM_DEVICECHANGE.
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/UniqueResource.h"

struct DeviceNotificationFree {
    void operator()(HDEVNOTIFY h) const { UnregisterDeviceNotification(h); }
};
// Registered for one window; unregistered when dropped.
using DeviceNotification = UniqueResource<HDEVNOTIFY, DeviceNotificationFree>;

// Subscribes `window` to arrivals and removals of HID interfaces (the class
// HidD_GetHidGuid names). Empty when the system refused.
DeviceNotification RegisterHidNotification(HWND window);

struct DeviceInterfaceChange {
    bool arrived = false;  // false: removed
    std::u16string path;
};

// The interface event a WM_DEVICECHANGE carries: an arrival or a completed
// removal of a device interface. Anything else (other events, other kinds
// of device record, no record) gives nothing.
std::optional<DeviceInterfaceChange> InterfaceChangeOf(WPARAM event, LPARAM data);
