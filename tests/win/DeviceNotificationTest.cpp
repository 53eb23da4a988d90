#include "device/win32/DeviceNotification.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// A device-interface record as the system builds it: header, class, then
// the path filling the rest of `size` bytes.
std::vector<unsigned char> InterfaceRecord(const std::wstring& path, DWORD size, DWORD type = DBT_DEVTYP_DEVICEINTERFACE) {
    std::vector<unsigned char> bytes(std::max<std::size_t>(size, sizeof(DEV_BROADCAST_DEVICEINTERFACE_W)) +
                                     (path.size() + 1) * sizeof(wchar_t));
    auto* record = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(bytes.data());
    record->dbcc_size = size;
    record->dbcc_devicetype = type;
    std::memcpy(record->dbcc_name, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    return bytes;
}

DWORD FullSize(const std::wstring& path) {
    return static_cast<DWORD>(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (path.size() + 1) * sizeof(wchar_t));
}

LPARAM Data(std::vector<unsigned char>& bytes) { return reinterpret_cast<LPARAM>(bytes.data()); }
}  // namespace

TEST(DeviceNotification, ArrivalAndRemovalOfAnInterfaceCarryItsPath) {
    const std::wstring path = L"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&Col03#7&1&0002#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    std::vector<unsigned char> record = InterfaceRecord(path, FullSize(path));
    for (const WPARAM event : {DBT_DEVICEARRIVAL, DBT_DEVICEREMOVECOMPLETE}) {
        const auto change = InterfaceChangeOf(event, Data(record));
        ASSERT_TRUE(change.has_value());
        EXPECT_EQ(change->arrived, event == DBT_DEVICEARRIVAL);
        EXPECT_EQ(change->path, std::u16string(path.begin(), path.end()));
    }
}

TEST(DeviceNotification, OtherEventsAndRecordsAreIgnored) {
    const std::wstring path = L"\\\\?\\HID#VID_FFFE&PID_011A";
    std::vector<unsigned char> volume = InterfaceRecord(path, FullSize(path), DBT_DEVTYP_VOLUME);
    EXPECT_FALSE(InterfaceChangeOf(DBT_DEVICEARRIVAL, Data(volume)));
    std::vector<unsigned char> record = InterfaceRecord(path, FullSize(path));
    EXPECT_FALSE(InterfaceChangeOf(DBT_DEVICEQUERYREMOVE, Data(record)));
    EXPECT_FALSE(InterfaceChangeOf(DBT_DEVNODES_CHANGED, 0));
    EXPECT_FALSE(InterfaceChangeOf(DBT_DEVICEARRIVAL, 0));
}

// The path ends where the record ends even when no terminator comes first.
TEST(DeviceNotification, PathStopsAtTheRecordSize) {
    const std::wstring path = L"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&Col03";
    const DWORD cut = FullSize(path) - 6 * sizeof(wchar_t);
    std::vector<unsigned char> record = InterfaceRecord(path, cut);
    const auto change = InterfaceChangeOf(DBT_DEVICEARRIVAL, Data(record));
    ASSERT_TRUE(change.has_value());
    EXPECT_EQ(change->path, u"\\\\?\\HID#VID_FFFE&PID_011A&MI_01&");
}
