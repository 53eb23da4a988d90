#include "device/sim/KeyboardSimulator.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>

#include "platform/IClock.h"

namespace {
// The envelope's fields before the packet, as the application builds them.
bool ValidEnvelope(std::span<const uint8_t> in, std::span<uint8_t> out, bool write) {
    if (in.size() != kEnvelopeSize || out.size() < kEnvelopeSize) return false;
    const ControlTransferRequest expected = BuildControlTransfer(write, DevicePacket{});
    return std::equal(expected.begin(), expected.begin() + kEnvelopePacketOffset, in.begin());
}

bool ValidUpload(std::span<const uint8_t> in) {
    const KeyTableUpload expected = BuildKeyTableUpload(0, 0, InterceptTable{});
    return in.size() == kUploadSize && std::equal(expected.begin(), expected.begin() + 6, in.begin());
}

// Takes one from a fault counter; true if the fault applies now.
bool Consume(int& counter) {
    if (counter <= 0) return false;
    --counter;
    return true;
}
}  // namespace

struct KeyboardSimulator::Core {
    explicit Core(const IClock& c) : clock(c) {}

    const IClock& clock;
    mutable std::mutex m;
    std::condition_variable changed;
    bool driverInstalled = true;
    bool handleOpen = false;
    int liveHandles = 0;
    int pendingStatus = 0;
    std::map<uint32_t, int> requests;
    SimulatedKeyboardState state;
    std::deque<EventReport> queue;
    std::vector<SimulatedDeviceEvent> log;
    std::optional<std::pair<uint8_t, uint8_t>> lastWrite;  // command, value

    int busyReplies = 0;
    int badStatusReplies = 0;
    uint8_t badStatus = 0;
    int wrongEchoReplies = 0;
    uint8_t echoHighBits = 0;
    int silentReplies = 0;
    int failingRequests = 0;
    int statusWordReplies = 0;
    uint16_t statusWord = 0;
    std::optional<int32_t> claimedEventCount;

    // Runs one request of a handle; `lock` holds `m`, `closed` is the
    // handle's flag, watched while a status request waits.
    DeviceRequestResult Serve(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out,
                              std::unique_lock<std::mutex>& lock, const bool& closed);
    // A feature-report write or read: checks the envelope, echoes it into
    // `out`, then takes the command or answers in the packet.
    DeviceRequestResult FeatureReport(bool write, std::span<const uint8_t> in, std::span<uint8_t> out);
    void TakeCommand(std::span<const uint8_t> in);
    void Answer(std::span<uint8_t> out);
    DeviceRequestResult Upload(std::span<const uint8_t> in);
    DeviceRequestResult WaitStatus(std::span<uint8_t> out, std::unique_lock<std::mutex>& lock, const bool& closed);
    DeviceRequestResult FetchEvents(std::span<uint8_t> out);
    void Apply(uint8_t command, uint8_t value);
    void ForgetKeyboard();

    // Runs `f` on the core while holding `m`; returns what f returns.
    template <class F>
    auto Locked(F f) {
        std::lock_guard lock(m);
        return f(*this);
    }
};

namespace {
class SimulatedHandle final : public IDeviceHandle {
public:
    explicit SimulatedHandle(std::shared_ptr<KeyboardSimulator::Core> core) : core_(std::move(core)) {
        ++core_->liveHandles;  // the caller holds core_->m
    }
    ~SimulatedHandle() override {
        Close();
        std::lock_guard lock(core_->m);
        --core_->liveHandles;
    }

    DeviceRequestResult DeviceRequest(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out) override {
        std::unique_lock lock(core_->m);
        ++core_->requests[code];
        if (closed_ || Consume(core_->failingRequests)) return {};
        ++inFlight_;
        const DeviceRequestResult result = core_->Serve(code, in, out, lock, closed_);
        --inFlight_;
        core_->changed.notify_all();
        return result;
    }

    void Close() override {
        std::unique_lock lock(core_->m);
        if (closed_) return;
        closed_ = true;
        core_->handleOpen = false;
        core_->changed.notify_all();
        core_->changed.wait(lock, [this] { return inFlight_ == 0; });
    }

private:
    std::shared_ptr<KeyboardSimulator::Core> core_;
    bool closed_ = false;  // guarded by core_->m, as is inFlight_
    int inFlight_ = 0;
};
}  // namespace

DeviceRequestResult KeyboardSimulator::Core::Serve(uint32_t code, std::span<const uint8_t> in, std::span<uint8_t> out,
                                                   std::unique_lock<std::mutex>& lock, const bool& closed) {
    switch (code) {
    case IOCTL_KB_SET_REPORT: return FeatureReport(true, in, out);
    case IOCTL_KB_GET_REPORT: return FeatureReport(false, in, out);
    case IOCTL_KB_SET_KEYTABLE: return Upload(in);
    case IOCTL_KB_GET_STATUS: return WaitStatus(out, lock, closed);
    case IOCTL_KB_GET_EVENTS: return FetchEvents(out);
    default: return {};
    }
}

DeviceRequestResult KeyboardSimulator::Core::FeatureReport(bool write, std::span<const uint8_t> in,
                                                           std::span<uint8_t> out) {
    if (!state.plugged || !ValidEnvelope(in, out, write)) return {};
    std::copy(in.begin(), in.end(), out.begin());
    if (write)
        TakeCommand(in);
    else
        Answer(out);
    return {true, kEnvelopeSize};
}

void KeyboardSimulator::Core::TakeCommand(std::span<const uint8_t> in) {
    const uint8_t command = in[kEnvelopePacketOffset + 1] & 0x0F;
    const uint8_t value = in[kEnvelopePacketOffset + 2];
    log.push_back({.timeMs = clock.NowMs(), .kind = SimulatedDeviceEvent::Kind::Command, .command = command,
                   .value = value});
    Apply(command, value);
    lastWrite.emplace(command, value);
}

// A silent keyboard, or one told nothing yet, leaves the packet as sent.
void KeyboardSimulator::Core::Answer(std::span<uint8_t> out) {
    if (Consume(silentReplies) || !lastWrite) return;
    uint8_t* reply = out.data() + kEnvelopePacketOffset;
    reply[0] = Consume(busyReplies) ? kStatusBusy : Consume(badStatusReplies) ? badStatus : kStatusDone;
    reply[1] = static_cast<uint8_t>(lastWrite->first | echoHighBits);
    reply[2] = static_cast<uint8_t>(lastWrite->second + (Consume(wrongEchoReplies) ? 1 : 0));
}

DeviceRequestResult KeyboardSimulator::Core::Upload(std::span<const uint8_t> in) {
    if (!ValidUpload(in)) return {};
    state.gamingFlags = in[7];
    std::copy(in.begin() + 8, in.end(), state.table.begin());
    log.push_back({.timeMs = clock.NowMs(), .kind = SimulatedDeviceEvent::Kind::Upload,
                   .gamingFlags = state.gamingFlags, .table = state.table});
    return {true, 0};
}

DeviceRequestResult KeyboardSimulator::Core::WaitStatus(std::span<uint8_t> out, std::unique_lock<std::mutex>& lock,
                                                        const bool& closed) {
    if (out.size() < 2) return {};
    ++pendingStatus;
    changed.notify_all();
    changed.wait(lock, [&] { return closed || !queue.empty() || statusWordReplies > 0; });
    --pendingStatus;
    if (closed) return {};
    const uint16_t word = Consume(statusWordReplies) ? statusWord : kEventsWaiting;
    out[0] = static_cast<uint8_t>(word);
    out[1] = static_cast<uint8_t>(word >> 8);
    return {true, 2};
}

DeviceRequestResult KeyboardSimulator::Core::FetchEvents(std::span<uint8_t> out) {
    if (out.size() < 4) return {};
    const std::size_t n = std::min({queue.size(), kMaxEventRecords, (out.size() - 4) / kEventRecordSize});
    const int32_t count = claimedEventCount.value_or(static_cast<int32_t>(n));
    claimedEventCount.reset();
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(static_cast<uint32_t>(count) >> (8 * i));
    for (std::size_t i = 0; i < n; ++i) {
        uint8_t* record = out.data() + 4 + i * kEventRecordSize;
        std::fill(record, record + 7, uint8_t{0});
        record[7] = queue.front().length;
        std::copy(queue.front().bytes.begin(), queue.front().bytes.end(), record + 8);
        queue.pop_front();
    }
    return {true, static_cast<uint32_t>(4 + n * kEventRecordSize)};
}

void KeyboardSimulator::Core::Apply(uint8_t command, uint8_t value) {
    switch (command) {
    case kCommandPresence: state.present = value != 0; break;
    case kCommandGaming: state.gaming = value != 0; break;
    case kCommandBacklight: state.backlight = value != 0; break;
    case kCommandEffect: state.effect = value; break;
    case kCommandBrightness: state.brightness = value; break;
    case kCommandRecording: state.recording = value != 0; break;
    default: break;  // confirmed, but the keyboard has nothing to keep
    }
}

void KeyboardSimulator::Core::ForgetKeyboard() {
    const bool plugged = state.plugged;
    const uint8_t flags = state.gamingFlags;
    const InterceptTable table = state.table;
    state = SimulatedKeyboardState{};
    state.plugged = plugged;
    state.gamingFlags = flags;
    state.table = table;
    lastWrite.reset();
}

KeyboardSimulator::KeyboardSimulator(const IClock& clock) : core_(std::make_shared<Core>(clock)) {}

KeyboardSimulator::~KeyboardSimulator() = default;

std::shared_ptr<IDeviceHandle> KeyboardSimulator::Open(std::u16string_view path) {
    std::lock_guard lock(core_->m);
    if (path != kDevicePath || !core_->driverInstalled || core_->handleOpen) return nullptr;
    core_->handleOpen = true;
    return std::make_shared<SimulatedHandle>(core_);
}

void KeyboardSimulator::SetDriverInstalled(bool installed) {
    core_->Locked([&](Core& c) { c.driverInstalled = installed; });
}

void KeyboardSimulator::Plug() {
    core_->Locked([](Core& c) {
        if (c.state.plugged) return;
        c.state.plugged = true;
        c.ForgetKeyboard();
    });
}

void KeyboardSimulator::Unplug() {
    core_->Locked([](Core& c) {
        c.state.plugged = false;
        c.ForgetKeyboard();
    });
}

bool KeyboardSimulator::QueueReport(const KeyboardReport& report) {
    EventReport record;
    std::copy(report.begin(), report.end(), record.bytes.begin());
    record.length = kKeyboardReportLength;
    return QueueRecord(record);
}

bool KeyboardSimulator::QueueRecord(const EventReport& record) {
    return core_->Locked([&](Core& c) {
        if (!c.state.plugged) return false;
        c.queue.push_back(record);
        c.changed.notify_all();
        return true;
    });
}

void KeyboardSimulator::ReplyBusy(int n) { core_->Locked([&](Core& c) { c.busyReplies = n; }); }

void KeyboardSimulator::ReplyStatus(uint8_t status, int n) {
    core_->Locked([&](Core& c) {
        c.badStatus = status;
        c.badStatusReplies = n;
    });
}

void KeyboardSimulator::ReplyWrongEcho(int n) { core_->Locked([&](Core& c) { c.wrongEchoReplies = n; }); }

void KeyboardSimulator::ReplyEchoHighBits(uint8_t highBits) {
    core_->Locked([&](Core& c) { c.echoHighBits = highBits & 0xF0; });
}

void KeyboardSimulator::StaySilent(int n) { core_->Locked([&](Core& c) { c.silentReplies = n; }); }

void KeyboardSimulator::FailRequests(int n) { core_->Locked([&](Core& c) { c.failingRequests = n; }); }

void KeyboardSimulator::ReportStatusWord(uint16_t word, int n) {
    core_->Locked([&](Core& c) {
        c.statusWord = word;
        c.statusWordReplies = n;
        c.changed.notify_all();
    });
}

void KeyboardSimulator::OverstateEventCount(int32_t count) {
    core_->Locked([&](Core& c) { c.claimedEventCount = count; });
}

SimulatedKeyboardState KeyboardSimulator::State() const { return core_->Locked([](const Core& c) { return c.state; }); }

std::vector<SimulatedDeviceEvent> KeyboardSimulator::Log() const {
    return core_->Locked([](const Core& c) { return c.log; });
}

void KeyboardSimulator::ClearLog() { core_->Locked([](Core& c) { c.log.clear(); }); }

bool KeyboardSimulator::DeviceOpen() const { return core_->Locked([](const Core& c) { return c.handleOpen; }); }

int KeyboardSimulator::LiveHandles() const { return core_->Locked([](const Core& c) { return c.liveHandles; }); }

int KeyboardSimulator::RequestCount(uint32_t code) const {
    return core_->Locked([code](const Core& c) {
        const auto it = c.requests.find(code);
        return it == c.requests.end() ? 0 : it->second;
    });
}

int KeyboardSimulator::PendingStatusRequests() const {
    return core_->Locked([](const Core& c) { return c.pendingStatus; });
}
