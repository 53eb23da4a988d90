#pragma once
// The device-I/O seam over the Windows driver interface: the control device
// opened exclusively in overlapped mode, and one OVERLAPPED record and event
// per request, so the listener's and the user-interface thread's requests
// can be outstanding on the handle at the same time.
#include "platform/IDeviceIo.h"

class Win32DeviceIo final : public IDeviceIo {
public:
    std::shared_ptr<IDeviceHandle> Open(std::u16string_view path) override;
};
