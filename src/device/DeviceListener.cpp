#include "device/DeviceListener.h"

#include "platform/IDeviceIo.h"

void ListenerControl::Stop() {
    std::lock_guard lock(m_);
    stop_ = true;
}

bool ListenerControl::BeginHandover() {
    std::lock_guard lock(m_);
    if (stop_) return false;
    handingOver_ = true;
    changed_.notify_all();
    return true;
}

void ListenerControl::EndHandover() {
    std::lock_guard lock(m_);
    handingOver_ = false;
    changed_.notify_all();
}

bool ListenerControl::Stopped() const {
    std::lock_guard lock(m_);
    return stop_;
}

bool ListenerControl::Finished() const {
    std::lock_guard lock(m_);
    return finished_;
}

void ListenerControl::Finish() {
    std::lock_guard lock(m_);
    finished_ = true;
    changed_.notify_all();
}

bool ListenerControl::WaitUntilFinishedOrHandingOver() {
    std::unique_lock lock(m_);
    changed_.wait(lock, [this] { return finished_ || handingOver_; });
    return finished_;
}

void ReportHandover::SetReceiver(Receiver receiver) {
    std::unique_lock lock(m_);
    receiver_ = receiver ? std::make_shared<const Receiver>(std::move(receiver)) : nullptr;
    const auto self = std::this_thread::get_id();
    idle_.wait(lock, [&] { return deliveringThread_ == std::thread::id() || deliveringThread_ == self; });
}

void ReportHandover::Deliver(const EventReport& report, const ListenerControl& listener) {
    std::lock_guard serial(serial_);
    // A listener stopped while it waited for its turn delivers nothing.
    if (listener.Stopped()) return;
    std::shared_ptr<const Receiver> receiver;
    {
        std::lock_guard lock(m_);
        receiver = receiver_;
        if (!receiver) return;
        deliveringThread_ = std::this_thread::get_id();
    }
    (*receiver)(report);
    std::lock_guard lock(m_);
    deliveringThread_ = std::thread::id();
    idle_.notify_all();
}

void ListenerThreadProc(std::shared_ptr<IDeviceHandle> device, std::shared_ptr<ListenerControl> control,
                        std::shared_ptr<ReportHandover> handover) {
    std::array<uint8_t, 2> status{};
    std::array<uint8_t, kEventBufferSize> events{};
    while (!control->Stopped()) {
        status = {};
        const DeviceRequestResult waited = device->DeviceRequest(IOCTL_KB_GET_STATUS, {}, status);
        if (!waited.ok) {
            if (control->BeginHandover()) {  // false when Close failed the request
                handover->Deliver(EventReport{}, *control);
                control->EndHandover();
            }
            break;
        }
        if (waited.bytes < status.size() || (status[0] | status[1] << 8) != kEventsWaiting) continue;
        events = {};
        const DeviceRequestResult fetched = device->DeviceRequest(IOCTL_KB_GET_EVENTS, {}, events);
        if (!fetched.ok) continue;
        for (const EventReport& report : ParseEventBuffer(events, fetched.bytes)) {
            if (!control->BeginHandover()) break;
            handover->Deliver(report, *control);
            control->EndHandover();
        }
    }
    control->Finish();
}
