#include "device/win32/DeviceNotification.h"

#include <dbt.h>
// MinGW-w64's HID header declares C functions without C linkage.
extern "C" {
#include <hidsdi.h>
}

DeviceNotification RegisterHidNotification(HWND window) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HidD_GetHidGuid(&filter.dbcc_classguid);
    return DeviceNotification(RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

std::optional<DeviceInterfaceChange> InterfaceChangeOf(WPARAM event, LPARAM data) {
    if (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) return std::nullopt;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return std::nullopt;
    const auto* record = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    // The path fills the record up to its size; it need not be terminated there.
    const std::size_t nameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (record->dbcc_size <= nameOffset) return DeviceInterfaceChange{event == DBT_DEVICEARRIVAL, {}};
    const std::size_t room = (record->dbcc_size - nameOffset) / sizeof(wchar_t);
    const wchar_t* name = record->dbcc_name;
    const std::wstring_view path(name, wcsnlen(name, room));
    return DeviceInterfaceChange{event == DBT_DEVICEARRIVAL, std::u16string(path.begin(), path.end())};
}
