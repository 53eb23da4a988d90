#pragma once
// The application's whole link to the keyboard's filter driver: opening and
// closing its control device with the presence handshake, command exchanges
// with the keyboard, the upload of the key interception table and gaming
// flags, and the listener thread that delivers keyboard reports.
//
// Threads: every member is called on one thread (the user-interface thread);
// only the listener runs elsewhere, on its own shared state. The listener is
// not a clock activity: it waits in the driver, not on the clock. The one
// exception is OpenInBackground: its thread uses the channel alone, and
// every member called meanwhile first waits for that thread to end. Failures
// are reported as false and change nothing else.
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "device/DeviceListener.h"
#include "device/DeviceProtocol.h"

class IClock;
class IDeviceHandle;
class IDeviceIo;

class CDeviceChannel {
public:
    CDeviceChannel(IDeviceIo& io, IClock& clock);
    // Closes the channel and drops the receiver, waiting for a hand-over
    // under way; so never destroy it on a thread the receiver may block on.
    ~CDeviceChannel();
    CDeviceChannel(const CDeviceChannel&) = delete;
    CDeviceChannel& operator=(const CDeviceChannel&) = delete;

    // Opens the device, says the application is present (command 4 with 1)
    // and starts the listener. True if the keyboard confirmed; an open channel
    // stays as it is and answers true.
    bool Open();
    // Open, then `then` (a first upload) on a thread of the channel's, so
    // that the caller goes on at once; `done` ends that thread. Until then
    // the thread owns the channel: any other member waits for it first, so
    // calls still reach the keyboard one at a time and in call order. The
    // thread is a clock activity; a virtual clock's participant must not
    // call members while it runs, as it cannot wait for it.
    void OpenInBackground(std::function<void(CDeviceChannel&)> then, std::function<void()> done);
    // Ends the listener, sends gaming mode off and application leaving and
    // closes the device. Never waits for a listener that is handing over a
    // report. Harmless when closed.
    void Close();
    bool IsOpen() const { return Settle(), device_ != nullptr; }
    // Whether the last Open found the driver's control device (false: the
    // driver is missing; true and not open: the handshake failed).
    bool DeviceFound() const { return Settle(), deviceFound_; }
    // Whether a listener thread was started and not yet released by Close.
    bool HasListener() const { return Settle(), listener_.joinable(); }
    // Whether reports can arrive: open, and the listener not ended by a
    // failed request (a link lost under the program's feet).
    bool IsListening() const { return Settle(), listenerControl_ && !listenerControl_->Finished(); }

    // One command exchange of up to five attempts, 10 ms apart; true only if
    // the keyboard confirmed exactly this command and value.
    bool SendCommand(int command, uint8_t value);

    // Sends the interception table and the gaming flags.
    bool UploadKeyTable();
    // Updates one entry (an ordinary key's device code, or a modifier's bit
    // with `isModifier`) without sending it; false for an entry that is no
    // key's or a closed channel.
    bool SetKeyEntry(uint8_t code, bool isModifier, bool unassigned);
    // SetKeyEntry, then the whole table is uploaded.
    bool SetKeyIntercept(uint8_t code, bool isModifier, bool unassigned);
    const InterceptTable& Table() const { return Settle(), table_; }
    // True while the driver holds exactly the table and flags kept here: the
    // last upload succeeded and nothing changed since.
    bool TableSent() const { return Settle(), tableSent_; }

    // Gaming flag bits (kBlockAltF4, kBlockAltTab); only an upload sends them.
    uint8_t GamingFlags() const { return Settle(), gamingFlags_; }
    void SetGamingFlag(uint8_t bit, bool on);

    // Where reports go; see ReportHandover::SetReceiver for the waiting rule:
    // never drop a receiver from a thread it may block on.
    void SetReportReceiver(ReportHandover::Receiver receiver) { handover_->SetReceiver(std::move(receiver)); }

private:
    // Waits for the thread of OpenInBackground, unless called on it.
    void Settle() const;
    // One feature-report write or read; on success packet bytes 0..3 become
    // what the device returned.
    bool ControlTransfer(bool write, DevicePacket& packet);

    IDeviceIo& io_;
    IClock& clock_;
    std::shared_ptr<IDeviceHandle> device_;
    std::thread listener_;
    mutable std::thread opener_;
    std::shared_ptr<ListenerControl> listenerControl_;
    InterceptTable table_ = EmptyInterceptTable();
    uint8_t reserved_ = 0;
    uint8_t gamingFlags_ = 0;
    bool tableSent_ = false;
    bool deviceFound_ = false;
    std::shared_ptr<ReportHandover> handover_ = std::make_shared<ReportHandover>();
};
