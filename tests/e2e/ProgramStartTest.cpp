// The real program's start and exit as the keyboard sees them: the presence
// handshake at start; at Exit gaming mode off, application leaving, and the
// data files saved.
#include <gtest/gtest.h>

#include "e2e/support/ProgramFixture.h"

namespace {

bool Handshake(const KeyboardLog& log) { return Taken(log, FindCommand(log, 4, 1)); }

using ProgramStart = ProgramFixture;

TEST_F(ProgramStart, TheKeyboardLearnsTheProgramIsPresent) {
    const KeyboardLog log = StartWith(DefaultProfiles(), Handshake);
    ASSERT_FALSE(log.empty()) << "nothing reached the keyboard: the program did not open its device";
    EXPECT_EQ(FindCommand(log, 4, 1), 0u) << "the handshake comes first";
    EXPECT_TRUE(watch_.State().present);
    EXPECT_TRUE(run_.Exit(kProgramTimeoutMs));
}

TEST_F(ProgramStart, ExitTurnsGamingOffSaysGoodbyeAndSavesTheDataFiles) {
    ASSERT_TRUE(Handshake(StartWith(DefaultProfiles(), Handshake)));
    const auto profiles = run_.Folder() / "qorn.pfs";
    const auto macros = run_.Folder() / "qorn.mcs";
    const auto written = std::filesystem::last_write_time(profiles) - std::chrono::hours(1);
    std::filesystem::last_write_time(profiles, written);

    watch_.Mark();
    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
    const KeyboardLog log = watch_.WaitUntil([](const KeyboardLog&) { return true; }, 0);
    const std::size_t gamingOff = FindCommand(log, 7, 0);
    ASSERT_NE(gamingOff, kNotFound);
    EXPECT_NE(FindCommand(log, 4, 0, gamingOff), kNotFound) << "application leaving, after gaming off";
    EXPECT_FALSE(watch_.State().present);
    EXPECT_TRUE(std::filesystem::exists(macros)) << "a first run creates the macro data file at exit";
    EXPECT_NE(std::filesystem::last_write_time(profiles), written);
}

}  // namespace
