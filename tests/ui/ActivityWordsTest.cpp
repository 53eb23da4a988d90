// The Activity window's words: every kind of event in one table, the header
// and what Copy puts on the clipboard (English, the defaults).
#include <gtest/gtest.h>

#include <set>

#include "ui/Activity.h"
#include "ui/ActivityText.h"

namespace {
uint64_t FixedNoon() { return 1700000000000 - 1700000000000 % 86400000 + 12 * 3600000 + 34 * 60000 + 56000; }

ActivityEvent Event(ActivityKind kind, uint8_t detail = 0, int32_t number = 0, std::u16string_view text = {}) {
    ActivityEvent e;
    e.kind = kind;
    e.detail = detail;
    e.number = number;
    e.text.Set(text);
    return e;
}
constexpr auto D = [](auto value) { return static_cast<uint8_t>(value); };
using K = ActivityKind;
}  // namespace

TEST(ActivityWords, EveryKindOfEventSaysWhatHappened) {
    CActivity activity(&FixedNoon);
    activity.Foreground(u"game.exe", u"", true);  // program 1
    const struct {
        ActivityEvent event;
        std::u16string words;
    } table[] = {
        {Event(K::Sent, D(SentWhat::Keys), 0x0D), u"sent Enter"},
        {Event(K::Sent, D(SentWhat::Keys), 0xA2 | 'C' << 8), u"sent L-Ctrl+C"},
        {Event(K::Sent, D(SentWhat::Mouse), 0), u"sent Left Click"},
        {Event(K::Sent, D(SentWhat::Media), 2), u"sent Mute"},
        {Event(K::Disabled), u"disabled: nothing sent"},
        {Event(K::MacroPlayed, 0, 1, u"Raid"), u"macro 'Raid' played once"},
        {Event(K::MacroPlayed, 0, 3, u"Raid"), u"macro 'Raid' played 3 times"},
        {Event(K::MacroStopped, 0, 1, u"Raid"), u"macro 'Raid' stopped"},
        {Event(K::MacroMissing, 0, 0, u"Gone"), u"macro 'Gone' not found: nothing played"},
        {Event(K::MacroMissing, 1, 0, u"Blank"), u"macro 'Blank' is empty: nothing played"},
        {Event(K::LoopStarted, 0, 0, u"Farm"), u"loop of 'Farm' started"},
        {Event(K::LoopStopped, 0, 0, u"Farm"), u"loop of 'Farm' stopped"},
        {Event(K::Launched, 0, 0, u"C:\\Games\\app.exe"), u"launched C:\\Games\\app.exe"},
        {Event(K::LaunchFailed, 0, 0, u"https://x.example/"), u"could not launch https://x.example/"},
        {Event(K::GamingMode, 0), u"gaming mode off (Fn+F10)"},
        {Event(K::GamingMode, 1), u"gaming mode on (Fn+F10)"},
        {Event(K::Profile, D(ProfileReason::Window), 0, u"Alpha"), u"profile Alpha (window)"},
        {Event(K::Profile, D(ProfileReason::FnDigit), 2, u"Beta"), u"profile Beta (Fn+2)"},
        {Event(K::Profile, D(ProfileReason::Automatic), 1, u"Raid"), u"profile Raid (linked program game.exe)"},
        {Event(K::Profile, D(ProfileReason::CommandLine), 0, u"Raid"), u"profile Raid (command line)"},
        {Event(K::Profile, D(ProfileReason::StartUp), 0, u"Raid"), u"profile Raid (start-up)"},
        {Event(K::Profile, D(ProfileReason::KeyboardArrival), 0, u"Raid"), u"profile Raid (keyboard arrival)"},
        {Event(K::Blocked, 0, 1), u"blocked: game.exe runs as administrator"},
        {Event(K::Keyboard, D(KeyboardLink::Connected)), u"keyboard connected"},
        {Event(K::Keyboard, D(KeyboardLink::DriverMissing)), u"keyboard not connected: driver missing"},
        {Event(K::Keyboard, D(KeyboardLink::HandshakeFailed)), u"keyboard not connected: handshake failed"},
        {Event(K::Keyboard, D(KeyboardLink::Unplugged)), u"keyboard not connected: unplugged"},
    };
    std::set<ActivityKind> kinds;
    for (const auto& row : table) {
        EXPECT_EQ(ActivityWords(row.event, activity), row.words);
        kinds.insert(row.event.kind);
    }
    EXPECT_EQ(kinds.size(), kActivityKindCount) << "every kind is in the table";
    EXPECT_EQ(AdministratorBalloon(u"game.exe"),
              u"Keys from Qorn can't reach game.exe because it runs as administrator. "
              u"Use 'Restart as administrator' in the tray menu.");
}

TEST(ActivityWords, ALongPathKeepsItsDriveAndItsProgram) {
    ActivityText text;
    text.Set(u"C:\\Program Files\\A Very Long Vendor Name\\Another Folder Level\\Deeper Still\\app.exe");
    const std::u16string shown(text.View());
    EXPECT_LE(shown.size(), ActivityText::kUnits);
    EXPECT_EQ(shown.substr(0, 5), u"C:\\\u2026\\");
    EXPECT_TRUE(shown.ends_with(u"\\Deeper Still\\app.exe")) << "cut at a separator";
}

TEST(ActivityWords, CopyGivesTheHeaderAndTheListAsPlainText) {
    CActivity activity(&FixedNoon);
    EXPECT_EQ(HeaderLines(activity)[0], u"Keyboard: not looked for yet");
    activity.Keyboard(KeyboardLink::Connected);
    activity.ProfileMadeCurrent(u"Alpha", ProfileReason::StartUp);
    NoteActivity(&activity.Ring(), {0x04, {}}, K::Sent, D(SentWhat::Keys), 0x0D);
    activity.Foreground(u"notepad.exe", u"Work", false);
    activity.ProfileMadeCurrent(u"Beta", ProfileReason::FnDigit, 2);
    EXPECT_EQ(HeaderLines(activity), (std::vector<std::u16string>{u"Keyboard: connected", u"Current profile: Beta (Fn+2)",
                                                                   u"Program in front: notepad.exe, linked to profile Work"}));

    const CActivityRing::Snapshot snapshot = activity.Ring().Latest();
    ASSERT_EQ(snapshot.events.size(), 4u);
    const auto rows = ActivityRows(snapshot.events, activity, [](uint64_t ms) { return ClockText(ms, 60); });
    EXPECT_EQ(ActivityReport(HeaderLines(activity), rows),
              u"Keyboard: connected\r\nCurrent profile: Beta (Fn+2)\r\n"
              u"Program in front: notepad.exe, linked to profile Work\r\n\r\n"
              u"Time\tKey\tProfile\tWhat happened\r\n"
              u"13:34:56\t\tBeta\tprofile Beta (Fn+2)\r\n"
              u"13:34:56\tA\tAlpha\tsent Enter\r\n"
              u"13:34:56\t\tAlpha\tprofile Alpha (start-up)\r\n"
              u"13:34:56\t\t\tkeyboard connected\r\n");
    activity.Foreground(u"game.exe", u"", true);
    EXPECT_EQ(HeaderLines(activity)[2], u"Program in front: game.exe, which runs as administrator");
}
