#include "ui/MacroRows.h"

#include <gtest/gtest.h>

#include "support/FakeKeyNames.h"

namespace {
using Texts = std::vector<std::u16string>;
// Virtual keys with scan codes in the fake layout.
constexpr uint16_t kX = 0x58, kZ = 0x5A, kC = 0x43, kSpace = 0x20;

MacroEvent Key(uint16_t vk, bool up, uint32_t delay = 0, bool extended = false) {
    return MacroEvent::Key(vk, FakeKeyNames().ScanCodeOfVirtualKey(vk),
                           (up ? kKeyEventKeyUp : 0u) | (extended ? kKeyEventExtendedKey : 0u), delay);
}

class MacroRows : public ::testing::Test {
protected:
    Texts Shown() const {
        Texts texts;
        for (const MacroRow& row : rows.Rows()) texts.push_back(row.text);
        return texts;
    }
    FakeKeyNames names;
    CMacroRows rows{names};
};
}  // namespace

TEST_F(MacroRows, EventsBecomeKeyRowsWithDelayRowsAboveAndComeBackTheSame) {
    const std::vector<MacroEvent> events{Key(kX, false), Key(kX, true, 500), Key(kZ, false, 20, true), Key(kZ, true, 0, true)};
    rows.SetEvents(events);
    EXPECT_EQ(Shown(), (Texts{u"X", u"500 ms", u"X", u"20 ms", u"Ext-Z", u"Ext-Z"}));
    EXPECT_EQ(rows.Rows()[2].kind, MacroRowKind::Release);
    EXPECT_EQ(rows.Rows()[1].buttons, kRowButtonEdit | kRowButtonDelete);
    EXPECT_EQ(rows.Events(), events);

    // A mouse record and a key without a name show nothing; the delay row stays.
    MacroEvent mouse;
    EXPECT_EQ(rows.AddEvent(mouse), -1);
    EXPECT_EQ(rows.AddEvent(MacroEvent::Key(0x41, 0x7F, 0, 30)), -1);
    EXPECT_EQ(Shown().back(), u"30 ms");
    rows.Clear();
    EXPECT_TRUE(rows.Events().empty());
}

TEST_F(MacroRows, PairsAreFoundByNameAndKind) {
    // X down, Z down, X down, Z up, X up: the first X press pairs with the
    // only X release below it; the second press too (the nearest press wins
    // seen from the release).
    rows.SetEvents({Key(kX, false), Key(kZ, false), Key(kX, false), Key(kZ, true), Key(kX, true), Key(kC, false, 10)});
    const struct {
        const char* name;
        int row, partner;
    } cases[] = {{"first press", 0, 4}, {"press of Z", 1, 3}, {"second press", 2, 4}, {"release of Z", 3, 1},
                 {"release seeks upward to the nearest press", 4, 2}, {"delay row", 5, -1},
                 {"press without release", 6, -1}, {"no row", 9, -1}};
    for (const auto& c : cases) EXPECT_EQ(rows.FindPartner(c.row), c.partner) << c.name;
}

TEST_F(MacroRows, DeletingHalfAPairDeletesBothWithTheirDelays) {
    rows.SetEvents({Key(kC, false), Key(kX, false, 100), Key(kC, true, 5), Key(kX, true, 200), Key(kZ, false, 7)});
    // C, 100 ms, X, 5 ms, C, 200 ms, X, 7 ms, Z
    rows.Select(2);
    EXPECT_EQ(rows.Partner(), 6);
    rows.Delete(6);
    EXPECT_EQ(Shown(), (Texts{u"C", u"5 ms", u"C", u"7 ms", u"Z"}));
    EXPECT_EQ(rows.Partner(), -1);
    rows.Delete(3);  // a delay row alone
    rows.Delete(3);  // a press without a partner alone
    EXPECT_EQ(Shown(), (Texts{u"C", u"5 ms", u"C"}));
}

TEST_F(MacroRows, MovesKeepAPressAboveItsReleaseAndJumpDelayRows) {
    // X down, Z down, 40 ms, Z up, X up
    rows.SetEvents({Key(kX, false), Key(kZ, false), Key(kZ, true, 40), Key(kX, true)});
    EXPECT_EQ(rows.MoveDown(1), std::nullopt) << "only a delay row separates Z's press from its release";
    EXPECT_EQ(rows.Partner(), 3);
    EXPECT_EQ(rows.MoveUp(3), std::nullopt) << "Z's release stays below its press";
    EXPECT_EQ(rows.MoveUp(0), std::nullopt) << "the top row";
    EXPECT_EQ(rows.MoveDown(4), std::nullopt) << "the bottom row";
    EXPECT_EQ(rows.MoveUp(2), std::nullopt) << "a delay row does not move";
    EXPECT_EQ(rows.MoveDown(0), 1);
    EXPECT_EQ(Shown(), (Texts{u"Z", u"X", u"40 ms", u"Z", u"X"}));
    EXPECT_EQ(rows.MoveUp(4), 3) << "X's release passes Z's";
    EXPECT_EQ(Shown(), (Texts{u"Z", u"X", u"40 ms", u"X", u"Z"}));
    EXPECT_EQ(rows.MoveUp(3), std::nullopt) << "only the delay row is between X's release and press";
    EXPECT_EQ(rows.MoveUp(1), 0);
    EXPECT_EQ(rows.MoveDown(4), std::nullopt);
    EXPECT_EQ(rows.MoveUp(4), 3);
    EXPECT_EQ(rows.MoveUp(4), 3);
    EXPECT_EQ(rows.MoveUp(3), 1) << "X's release jumps the delay row, which stays";
    EXPECT_EQ(Shown(), (Texts{u"X", u"X", u"40 ms", u"Z", u"Z"}));
}

TEST_F(MacroRows, DelayEditsAreReadSafely) {
    rows.SetEvents({Key(kX, false), Key(kX, true, 1000)});
    const MacroRowEdit edit = rows.BeginEdit(1);
    EXPECT_FALSE(edit.keyCapture);
    EXPECT_EQ(edit.text, u"1000");
    const struct {
        const char16_t* typed;
        uint32_t delay;
    } cases[] = {{u"1500", 1500},       {u"", 0},          {u"12.5", 12},
                 {u"99999999999999999999", 4294967295u}, {u"abc", 0}, {u"4294967296", 4294967295u}};
    for (const auto& c : cases) {
        rows.BeginEdit(1);
        rows.CommitEdit(1, c.typed);
        ASSERT_EQ(rows.Events().size(), 2u);
        EXPECT_EQ(rows.Events()[1].Delay(), c.delay) << "typed " << std::string(c.typed, c.typed + std::char_traits<char16_t>::length(c.typed));
    }
    rows.BeginEdit(1);
    rows.CommitEdit(1, u"1500");
    EXPECT_EQ(rows.Rows()[1].text, u"1500 ms");
}

TEST_F(MacroRows, KeyCaptureReplacesTheKeyOfBothHalves) {
    rows.SetEvents({Key(kX, false), Key(kC, false, 10), Key(kX, true)});
    const MacroRowEdit edit = rows.BeginEdit(3);
    EXPECT_TRUE(edit.keyCapture);
    EXPECT_EQ(rows.Partner(), 0);
    // The key was already down when the edit opened: only its release comes.
    EXPECT_EQ(rows.Capture(Key(kSpace, true, 0, true), u"X"), u"Ext- ");
    EXPECT_EQ(rows.Capture(Key(kSpace, true, 0, true), u"Ext- "), std::nullopt) << "the same key changes nothing";
    rows.CommitEdit(3, u"Ext- ");
    const std::vector<MacroEvent> events = rows.Events();
    EXPECT_EQ(events[0], Key(kSpace, false, 0, true));
    EXPECT_EQ(events[2], Key(kSpace, true, 0, true)) << "press and release keep their kinds";
    EXPECT_EQ(events[1], Key(kC, false, 10));
}

// The click that ends a capture selects its row before the edit commits.
TEST_F(MacroRows, KeyCaptureCommitsToThePairItBeganOnWhenAnotherRowIsSelected) {
    rows.SetEvents({Key(kX, false), Key(kX, true), Key(kZ, false), Key(kZ, true)});
    rows.BeginEdit(0);
    ASSERT_TRUE(rows.Capture(Key(kC, false), u"X").has_value());
    rows.Select(2);
    rows.CommitEdit(0, u"C");
    EXPECT_EQ(rows.Events(), (std::vector<MacroEvent>{Key(kC, false), Key(kC, true), Key(kZ, false), Key(kZ, true)}))
        << "every press keeps its release; none is left held";
}
