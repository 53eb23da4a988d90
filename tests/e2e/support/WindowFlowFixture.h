#pragma once
// A test that works the real program's window as a user does: the program
// starts with the test's profiles and its window is shown from the tray;
// the user ends it with Exit. Nothing stays held on the keyboard after it.
#include "e2e/support/ProgramFixture.h"

class WindowFlowFixture : public ProgramFixture {
protected:
    // The shown main window once the profile has been applied; null when
    // the program did not get that far.
    HWND Start(CDocProfileSet profiles);
    void Click(HWND window, POINT at);
    // Exit, as the tray menu's item, and what the program saved.
    CDocProfileSet ExitAndRead();
    void TearDown() override;

private:
    bool exited_ = false;
};
