// The channel over the Win32 device path when the driver's device is absent.
// The prefix of ./test runs the simulated keyboard's driver, so absence is
// played by a device name that no driver provides.
#include <gtest/gtest.h>

#include "device/DeviceChannel.h"
#include "device/win32/Win32DeviceIo.h"
#include "platform/VirtualClock.h"

namespace {
class AbsentDeviceIo final : public IDeviceIo {
public:
    std::shared_ptr<IDeviceHandle> Open(std::u16string_view) override { return real_.Open(u"\\\\.\\QornNoSuchDevice"); }

private:
    Win32DeviceIo real_;
};
}  // namespace

TEST(DeviceChannelWin32, WithoutTheDriverOpenFailsAtOnceAndStartsNoListener) {
    CVirtualClock clock;
    CVirtualClock::Participant self(clock);
    AbsentDeviceIo io;
    CDeviceChannel channel(io, clock);
    EXPECT_FALSE(channel.Open());
    EXPECT_FALSE(channel.IsOpen());
    EXPECT_FALSE(channel.HasListener());
    EXPECT_EQ(clock.NowMs(), 0u) << "no command attempt was made";
    EXPECT_FALSE(channel.SendCommand(9, 1));
    channel.Close();
}
