// Profile changes as a new user makes them, with the mouse and the keys on
// the real program: what Yes to the save question keeps, and where, when
// New follows a change or Fn + digit follows a name typed but not confirmed.
#include <gtest/gtest.h>

#include <windows.h>

#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "e2e/support/WindowFlowFixture.h"
#include "win/support/AppProcess.h"
#include "e2e/support/MainWindowPlaces.h"

using namespace std::chrono_literals;

namespace {
constexpr POINT kNewButton{59, 257};
constexpr int kNameEditId = 1026;

class ProfileChangeFlow : public WindowFlowFixture {
protected:
    // Answers the save question, which must name `profile`.
    void AnswerYes(const std::wstring& profile) {
        HWND question = WaitForMessageBox(5s);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(MessageText(question), L"Are you sure to save '" + profile + L"'?");
        ASSERT_TRUE(ClickButton(question, IDYES));
    }
};

TEST_F(ProfileChangeFlow, NewAfterYesKeepsTheChangeInTheProfileLeftAndGivesTheNewOneTheDefaults) {
    HWND main = Start(DefaultProfiles());
    ASSERT_NE(main, nullptr);
    Click(main, kBacklightButton);
    watch_.Mark();
    Click(main, kBacklightSwitch);
    ASSERT_NE(FindCommand(watch_.WaitUntilTaken(9, 0), 9, 0), kNotFound) << "the backlight goes off";

    watch_.Mark();
    Click(main, kNewButton);
    AnswerYes(L"Profile1");
    EXPECT_NE(FindCommand(watch_.WaitUntilTaken(9, 1), 9, 1), kNotFound) << "the new profile's backlight is on";

    CDocProfileSet saved = ExitAndRead();
    ASSERT_NE(saved.Find(u"Profile2"), nullptr);
    EXPECT_EQ(saved.currentName, u"Profile2");
    EXPECT_EQ(saved.Find(u"Profile1")->backlightOn, 0u) << "the change stays where it was made";
    EXPECT_EQ(saved.Find(u"Profile2")->backlightOn, 1u) << "a new profile starts from the defaults";
}

TEST_F(ProfileChangeFlow, FnDigitOverANameNotYetConfirmedRenamesAsksAndSwitches) {
    CDocProfileSet profiles = AlphaAndBeta();
    HWND main = Start(std::move(profiles));
    ASSERT_NE(main, nullptr);

    Click(main, kProfileNameEdit);
    ASSERT_TRUE(PressKeys("End"));
    ASSERT_TRUE(TypeText("X"));
    // The keyboard's report would overtake the typed key in the window's queue.
    ASSERT_TRUE(WaitFor([&] { return EditText(HostedEdit(main, kNameEditId)) == L"AlphaX"; }, 5s));
    FnChord(kUsageDigit2);
    AnswerYes(L"AlphaX");

    CDocProfileSet saved = ExitAndRead();
    EXPECT_EQ(saved.currentName, u"Beta") << "Fn + 2 is not lost";
    EXPECT_EQ(saved.Find(u"Alpha"), nullptr);
    ASSERT_NE(saved.Find(u"AlphaX"), nullptr);
    EXPECT_EQ(saved.Find(u"AlphaX")->accelerator, 1u);
    EXPECT_EQ(saved.Find(u"Beta")->accelerator, 2u);
}
}  // namespace
