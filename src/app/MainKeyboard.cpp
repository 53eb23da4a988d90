#include "app/MainKeyboard.h"

#include "actions/MacroPlayback.h"
#include "actions/SoftwareActions.h"
#include "device/DeviceArrival.h"
#include "device/DeviceChannel.h"
#include "device/KeyboardCommands.h"
#include "device/win32/WindowReportReceiver.h"
#include "framework/ModalMoment.h"
#include "model/DocProfileSet.h"
#include "ui/ProfileStrip.h"

CMainKeyboard::CMainKeyboard(CDocProfileSet& profiles, CDocMacroSet& macros, CDeviceChannel& channel,
                             const ActionServices& services, CProfileStrip& strip, PageHooks pages)
    : CKeyboardHost(profiles, channel),
      clock_(services.clock),
      strip_(strip),
      pages_(std::move(pages)),
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
    Channel().SetReportReceiver(WindowReportReceiver(window));
    notification_ = RegisterHidNotification(window);
}

void CMainKeyboard::Detach() {
    window_ = nullptr;
    notification_.Reset();
    dispatcher_.EndAllActivations();
}

LRESULT CMainKeyboard::OnDeviceReport(WPARAM report, LPARAM length) {
    if (window_ == nullptr) return 0;
    return dispatcher_.OnDeviceReport(reinterpret_cast<const uint8_t*>(report), static_cast<std::size_t>(length));
}

void CMainKeyboard::OnDeviceChange(WPARAM event, LPARAM data) {
    if (window_ == nullptr) return;
    const std::optional<DeviceInterfaceChange> change = InterfaceChangeOf(event, data);
    if (!change) return;
    if (change->arrived)
        (void)OnKeyboardArrival(change->path, Channel(), clock_, IsRecording(), [this] { MakeCurrent(); });
    else
        (void)OnKeyboardRemoval(change->path, Profiles().Current() != nullptr,
                                [this] { dispatcher_.OnKeyboardRemoved(); });
}

// Under an open question or dialog the profile stays: a save question's No
// would otherwise restore the old profile over the new one.
void CMainKeyboard::SelectProfile(const std::u16string& name) {
    if (ModalMoment::Active()) return;
    strip_.Select(name, ProfileReason::FnDigit);
    pages_.announceProfile();
}

void CMainKeyboard::OnBrightnessStepMessage(WPARAM step) {
    OnBrightnessStep(Profiles(), static_cast<int>(static_cast<INT_PTR>(step)), *this);
}

void CMainKeyboard::StepBrightness(int step) {
    // A window that is gone answers nothing and the step is lost, as it should be.
    if (HWND window = window_) SendMessageW(window, WM_BRIGHTNESS_STEP, static_cast<WPARAM>(static_cast<INT_PTR>(step)), 0);
}

void CMainKeyboard::Apply(const CDocProfile& current, ProfileReason) { ApplyProfile(Channel(), current); }

void CMainKeyboard::ApplyGaming(const CDocProfile& profile) {
    CKeyboardHost::ApplyGaming(profile);
    if (CDocProfile* current = Profiles().Current()) pages_.showGaming(*current);
}

void CMainKeyboard::ApplyBacklight(const CDocProfile& profile) {
    CKeyboardHost::ApplyBacklight(profile);
    if (CDocProfile* current = Profiles().Current()) pages_.showBacklight(*current);
}
