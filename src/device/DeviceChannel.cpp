#include "device/DeviceChannel.h"

#include <algorithm>

#include "platform/IClock.h"
#include "platform/IDeviceIo.h"

namespace {
constexpr int kMaxAttempts = 5;
constexpr uint32_t kAttemptPauseMs = 10;
// Set on the thread of OpenInBackground, which never waits for itself.
thread_local bool onOpener = false;
}  // namespace

CDeviceChannel::CDeviceChannel(IDeviceIo& io, IClock& clock) : io_(io), clock_(clock) {}

CDeviceChannel::~CDeviceChannel() {
    Close();
    handover_->SetReceiver({});
}

void CDeviceChannel::Settle() const {
    if (!onOpener && opener_.joinable()) opener_.join();
}

void CDeviceChannel::OpenInBackground(std::function<void(CDeviceChannel&)> then, std::function<void()> done) {
    Settle();
    opener_ = std::thread(clock_.TrackActivity([this, then = std::move(then), done = std::move(done)] {
        onOpener = true;
        if (Open() && then) then(*this);
        if (done) done();
    }));
}

bool CDeviceChannel::Open() {
    if (IsOpen()) return true;
    // A driver opened anew holds a table of its own until the first upload.
    tableSent_ = false;
    device_ = io_.Open(kDevicePath);
    deviceFound_ = device_ != nullptr;
    const bool confirmed = SendCommand(kCommandPresence, 1);
    if (!confirmed) {
        Close();
        return false;
    }
    listenerControl_ = std::make_shared<ListenerControl>();
    listener_ = std::thread(ListenerThreadProc, device_, listenerControl_, handover_);
    return true;
}

void CDeviceChannel::Close() {
    Settle();
    if (listenerControl_) listenerControl_->Stop();
    if (device_) {
        // Results are not looked at: the keyboard may already be gone.
        (void)SendCommand(kCommandGaming, 0);
        (void)SendCommand(kCommandPresence, 0);
        const std::shared_ptr<IDeviceHandle> device = std::move(device_);
        device->Close();  // fails the listener's pending request
    }
    if (listenerControl_) {
        // A listener blocked in a hand-over may be waiting for this very
        // thread; it is let go and ends by itself once the hand-over returns.
        if (listenerControl_->WaitUntilFinishedOrHandingOver())
            listener_.join();
        else
            listener_.detach();
        listenerControl_.reset();
    }
}

bool CDeviceChannel::ControlTransfer(bool write, DevicePacket& packet) {
    if (!device_) return false;
    ControlTransferRequest envelope = BuildControlTransfer(write, packet);
    const DeviceRequestResult r =
        device_->DeviceRequest(write ? IOCTL_KB_SET_REPORT : IOCTL_KB_GET_REPORT, envelope, envelope);
    if (!r.ok) return false;
    std::copy_n(envelope.begin() + kEnvelopePacketOffset, 4, packet.begin());
    return true;
}

bool CDeviceChannel::SendCommand(int command, uint8_t value) {
    Settle();
    DevicePacket packet = BuildPacket(command, value);
    // A busy reply is answered by writing the packet as it now stands: its
    // first four bytes hold the reply, the checksum stays as built.
    for (int attempts = 0; device_;) {
        if (!ControlTransfer(true, packet)) break;
        clock_.SleepMs(kAttemptPauseMs);
        if (!ControlTransfer(false, packet)) break;
        if (packet[0] != kStatusBusy) break;
        if (++attempts == kMaxAttempts) return false;
    }
    return packet[0] == kStatusDone && (packet[1] & 0x0F) == command && packet[2] == value;
}

bool CDeviceChannel::UploadKeyTable() {
    Settle();
    if (!device_) return false;
    const KeyTableUpload block = BuildKeyTableUpload(reserved_, gamingFlags_, table_);
    tableSent_ = device_->DeviceRequest(IOCTL_KB_SET_KEYTABLE, block, {}).ok;
    return tableSent_;
}

bool CDeviceChannel::SetKeyEntry(uint8_t code, bool isModifier, bool unassigned) {
    Settle();
    // Entry 255 is the modifier mask, never an ordinary key's entry.
    if (!device_ || (!isModifier && code == kModifierMaskEntry)) return false;
    const InterceptTable before = table_;
    if (!isModifier)
        table_[code] = unassigned ? 0 : 1;
    else if (unassigned)
        table_[kModifierMaskEntry] |= code;
    else
        table_[kModifierMaskEntry] &= static_cast<uint8_t>(~code);
    if (table_ != before) tableSent_ = false;
    return true;
}

bool CDeviceChannel::SetKeyIntercept(uint8_t code, bool isModifier, bool unassigned) {
    return SetKeyEntry(code, isModifier, unassigned) && UploadKeyTable();
}

void CDeviceChannel::SetGamingFlag(uint8_t bit, bool on) {
    Settle();
    const uint8_t before = gamingFlags_;
    gamingFlags_ = static_cast<uint8_t>(on ? (gamingFlags_ | bit) : (gamingFlags_ & ~bit));
    if (gamingFlags_ != before) tableSent_ = false;
}
