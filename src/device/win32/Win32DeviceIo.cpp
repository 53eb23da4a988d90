#include "device/win32/Win32DeviceIo.h"

#include <condition_variable>
#include <mutex>
#include <string>

#include "platform/win32/UniqueHandle.h"

namespace {
// Close may run while another thread's request is pending or about to be
// issued. It marks the handle closed, sets `closing_` and cancels every
// request on the file (CancelIoEx, since CancelIo reaches only the calling
// thread's requests); a request that slipped past the cancel sees `closing_`
// while it waits and cancels itself. The file is closed only once no request
// is in flight, so no thread ever issues a request on a closed handle value.
class Win32DeviceHandle final : public IDeviceHandle {
public:
    Win32DeviceHandle(UniqueHandle file, UniqueHandle closing) : file_(std::move(file)), closing_(std::move(closing)) {}
    ~Win32DeviceHandle() override { Close(); }

    DeviceRequestResult DeviceRequest(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) override {
        {
            std::lock_guard lock(m_);
            if (closed_) return {};
            ++inFlight_;
        }
        const DeviceRequestResult result = Issue(code, in, out);
        std::lock_guard lock(m_);
        --inFlight_;
        idle_.notify_all();
        return result;
    }

    void Close() override {
        {
            std::lock_guard lock(m_);
            if (closed_) return;
            closed_ = true;
        }
        SetEvent(closing_.Get());
        CancelIoEx(file_.Get(), nullptr);
        std::unique_lock lock(m_);
        idle_.wait(lock, [this] { return inFlight_ == 0; });
        file_.Reset();
    }

private:
    DeviceRequestResult Issue(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) {
        UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        if (!done) return {};
        OVERLAPPED overlapped{};
        overlapped.hEvent = done.Get();
        // Buffered requests copy the input before any output is written, so
        // the two buffers may be the same bytes.
        const BOOL started = DeviceIoControl(file_.Get(), code, const_cast<uint8_t*>(in.data()),
                                             static_cast<DWORD>(in.size()), out.data(), static_cast<DWORD>(out.size()),
                                             nullptr, &overlapped);
        if (!started && GetLastError() != ERROR_IO_PENDING) return {};
        const HANDLE waits[2] = {done.Get(), closing_.Get()};
        if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) CancelIoEx(file_.Get(), &overlapped);
        DWORD bytes = 0;
        if (!GetOverlappedResult(file_.Get(), &overlapped, &bytes, TRUE)) return {};
        return {true, bytes};
    }

    UniqueHandle file_;
    UniqueHandle closing_;
    std::mutex m_;
    std::condition_variable idle_;
    bool closed_ = false;
    int inFlight_ = 0;
};
}  // namespace

std::shared_ptr<IDeviceHandle> Win32DeviceIo::Open(std::u16string_view path) {
    const std::wstring name(path.begin(), path.end());
    UniqueHandle file(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_FLAG_OVERLAPPED, nullptr));
    if (!file) return nullptr;
    UniqueHandle closing(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!closing) return nullptr;
    return std::make_shared<Win32DeviceHandle>(std::move(file), std::move(closing));
}
