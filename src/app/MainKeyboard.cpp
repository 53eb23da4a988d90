#include "app/MainKeyboard.h"

#include <algorithm>

#include "actions/MacroPlayback.h"
#include "actions/SoftwareActions.h"
#include "device/DeviceArrival.h"
#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "device/win32/WindowReportReceiver.h"
#include "framework/ModalMoment.h"
#include "macro/win32/Win32KeyboardHook.h"
#include "model/DocProfileSet.h"
#include "ui/Activity.h"
#include "ui/ProfileStrip.h"

CMainKeyboard::CMainKeyboard(CDocProfileSet& profiles, CDocMacroSet& macros, CDeviceChannel& channel,
                             const ActionServices& services, CProfileStrip& strip, IKeyboardPages& pages,
                             CActivity& activity)
    : CKeyboardHost(profiles, channel),
      clock_(services.clock),
      strip_(strip),
      pages_(pages),
      activity_(activity),
      dispatcher_(profiles, *this, services, [&macros](const std::u16string& name) { return SnapshotOf(macros, name); }) {
    // Waiting for actions to end must still answer what other threads send to
    // the window: a brightness repeat waits in SendMessageW for its step.
    dispatcher_.Runner().SetWaitStep([] {
        MsgWaitForMultipleObjectsEx(0, nullptr, 1, QS_SENDMESSAGE, 0);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    });
}

void CMainKeyboard::Attach(HWND window) {
    window_ = window;
    // Set once for the run: the receiver stops delivering by itself when the
    // window is gone, and dropping it here could wait on a listener that
    // waits for this very thread.
    // The lane sees each report on the listener thread first, so a press
    // acts without waiting for the window (actions/PressLane.h).
    Channel().SetReportReceiver([lane = dispatcher_.Lane(), toWindow = WindowReportReceiver(window)](
                                    const EventReport& report) {
        lane->OnReport(std::span(report.bytes).first(std::min<std::size_t>(report.length, report.bytes.size())));
        toWindow(report);
    });
    notification_ = RegisterHidNotification(window);
    crashRelease_.emplace(dispatcher_.Held());
    // The recorder keeps injected keystrokes: what actions hold goes first.
    Win32KeyboardHook::SetBeforeInstall([this] { (void)ReleaseAll(); });
}

void CMainKeyboard::Connect(HWND window) {
    const CDocProfile* current = Profiles().Current();
    // The thread sends a copy: the window may change the profile meanwhile,
    // and what it then sends waits for this upload and follows it.
    Channel().OpenInBackground(
        [profile = current ? std::optional(*current) : std::nullopt](CDeviceChannel& channel) {
            if (profile) ApplyProfile(channel, *profile);
        },
        [window] { PostMessageW(window, WM_LINK_OPENED, 0, 0); });
}

void CMainKeyboard::OnLinkOpened() { activity_.Keyboard(LinkOf(Channel())); }

void CMainKeyboard::Detach() {
    window_ = nullptr;
    notification_.Reset();
    Win32KeyboardHook::SetBeforeInstall(nullptr);
    (void)ReleaseAll();  // at exit there is no later chance for a refused release
    crashRelease_.reset();
}

void CMainKeyboard::ReapplyAfterResume() {
    if (HWND window = window_) SetTimer(window, kResumeTimer, kResumeSettleMs, nullptr);
}

bool CMainKeyboard::OnTimer(WPARAM id) {
    if (id != kResumeTimer) return false;
    KillTimer(window_, kResumeTimer);
    Reapply();
    return true;
}

void CMainKeyboard::Reapply() {
    if (!Channel().IsListening()) Channel().Close();
    (void)Channel().Open();  // without the keyboard the apply below sends nothing
    activity_.Keyboard(LinkOf(Channel()));
    if (!IsRecording()) MakeCurrent();
}

LRESULT CMainKeyboard::OnDeviceReport(WPARAM report, LPARAM length) {
    if (window_ == nullptr) return 0;
    if (length == kLinkLost) {
        activity_.Keyboard(KeyboardLink::Unplugged);
        dispatcher_.OnKeyboardRemoved();  // no key release can arrive any more
        return 1;
    }
    return dispatcher_.OnDeviceReport(reinterpret_cast<const uint8_t*>(report), static_cast<std::size_t>(length));
}

void CMainKeyboard::OnDeviceChange(WPARAM event, LPARAM data) {
    if (window_ == nullptr) return;
    const std::optional<DeviceInterfaceChange> change = InterfaceChangeOf(event, data);
    if (!change) return;
    if (change->arrived) {
        // The keyboard's own return applies the profile: a resume's wait ends.
        if (IsKeyboardInterface(change->path)) KillTimer(window_, kResumeTimer);
        (void)OnKeyboardArrival(change->path, Channel(), clock_, IsRecording(), [this] {
            Reapply();
            if (!IsRecording() && Profiles().Current() != nullptr)
                activity_.ProfileMadeCurrent(Profiles().currentName, ProfileReason::KeyboardArrival);
        });
    } else {
        if (IsKeyboardInterface(change->path)) activity_.Keyboard(KeyboardLink::Unplugged);
        (void)OnKeyboardRemoval(change->path, Profiles().Current() != nullptr,
                                [this] { dispatcher_.OnKeyboardRemoved(); });
    }
}

// Under an open question or dialog the profile stays: a save question's No
// would otherwise restore the old profile over the new one.
void CMainKeyboard::SelectProfile(const std::u16string& name) {
    if (ModalMoment::Active()) return;
    strip_.Select(name, ProfileReason::FnDigit);
    pages_.AnnounceProfile();
}

void CMainKeyboard::OnBrightnessStepMessage(WPARAM step) {
    OnBrightnessStep(Profiles(), static_cast<int>(static_cast<INT_PTR>(step)), *this);
}

void CMainKeyboard::StepBrightness(int step) {
    // A window that is gone answers nothing and the step is lost, as it should be.
    if (HWND window = window_) SendMessageW(window, WM_BRIGHTNESS_STEP, static_cast<WPARAM>(static_cast<INT_PTR>(step)), 0);
}

// Nothing the profile left started runs on into the new one: its loops
// could not be stopped from a profile that lacks their keys.
void CMainKeyboard::Apply(const CDocProfile& current, ProfileReason reason) {
    (void)ReleaseAll();  // a refused release is sent again at the next one
    if (reason != ProfileReason::StartUp) ApplyProfile(Channel(), current);
    // After the release: what the old profile's actions note carries its name.
    activity_.ProfileMadeCurrent(Profiles().currentName, reason, current.accelerator);
}

void CMainKeyboard::ApplyGaming(const CDocProfile& profile) {
    CKeyboardHost::ApplyGaming(profile);
    if (CDocProfile* current = Profiles().Current()) pages_.ShowGaming(*current);
}

void CMainKeyboard::ApplyBacklight(const CDocProfile& profile) {
    CKeyboardHost::ApplyBacklight(profile);
    if (CDocProfile* current = Profiles().Current()) pages_.ShowBacklight(*current);
}
