#pragma once
// The listener thread: waits in the driver for keyboard reports, fetches
// them and hands each to the receiver, one at a time and in order.
//
// Lifetimes: the thread shares its device handle, its control and the
// hand-over with the channel through shared pointers, so nothing it touches
// is freed under it; the channel ends it by stopping its control and closing
// the handle, which fails its pending request.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

#include "device/DeviceProtocol.h"

class IDeviceHandle;

// Stop flag and progress of one listener thread.
class ListenerControl {
public:
    // No hand-over begins after this returns.
    void Stop();
    // Marks the start of a hand-over; false (and nothing marked) once stopped.
    bool BeginHandover();
    void EndHandover();
    bool Stopped() const;
    void Finish();
    bool Finished() const;
    // Waits until the listener has finished or is inside a hand-over, which
    // may be blocked on the waiting thread; true if it has finished.
    bool WaitUntilFinishedOrHandingOver();

private:
    mutable std::mutex m_;
    std::condition_variable changed_;
    bool stop_ = false;
    bool handingOver_ = false;
    bool finished_ = false;
};

// The receiver of reports, shared by the channel and every listener it
// started. Hand-overs are serialized: one report at a time, in order.
class ReportHandover {
public:
    using Receiver = std::function<void(const EventReport&)>;

    // Replaces the receiver (empty: none). Waits until a hand-over under way
    // on another thread has returned, so whatever the old receiver refers to
    // may be destroyed afterwards. From inside a hand-over it does not wait.
    void SetReceiver(Receiver receiver);

    // Gives the report to the receiver unless the listener was stopped or no
    // receiver is set; a report without receiver is dropped.
    void Deliver(const EventReport& report, const ListenerControl& listener);

private:
    std::mutex serial_;  // held for a whole hand-over
    std::mutex m_;       // guards the fields below
    std::condition_variable idle_;
    std::shared_ptr<const Receiver> receiver_;
    std::thread::id deliveringThread_;
};

// Body of the listener thread. Works on `device` for its whole life and ends
// when a status request fails or the control is stopped. A failure it did
// not cause by stopping is handed over as a report of length kLinkLost,
// so that the receiver lets go of what the keyboard's keys started.
void ListenerThreadProc(std::shared_ptr<IDeviceHandle> device, std::shared_ptr<ListenerControl> control,
                        std::shared_ptr<ReportHandover> handover);
