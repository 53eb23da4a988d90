#include "e2e/support/WindowFlowFixture.h"

#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"

HWND WindowFlowFixture::Start(CDocProfileSet profiles) {
    if (!ProfileApplied(StartWith(std::move(profiles), ProfileApplied))) return nullptr;
    HWND main = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
    return main && ShowFromTray(main) ? main : nullptr;
}

void WindowFlowFixture::Click(HWND window, POINT at) { ASSERT_TRUE(ClickAt(window, at.x, at.y)); }

CDocProfileSet WindowFlowFixture::ExitAndRead() {
    exited_ = true;
    EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
    return run_.ReadProfiles();
}

void WindowFlowFixture::TearDown() {
    if (!exited_ && !IsSkipped()) {
        EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
    }
    watch_.Hold({});
}
