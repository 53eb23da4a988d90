// The key assignment without windows: the kind-change and Save steps on
// sub-pages that write and read markers, and the click's assignment steps
// against the simulated keyboard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/DocProfileSet.h"
#include "support/OneProfileLink.h"
#include "ui/KeyAssignment.h"
#include "ui/KindSwitch.h"

namespace {
// A sub-page that owns one field: keyboardInputs[0].wVk for kind 1,
// mouseInputs[0].mouseData for kind 2. It writes its `value` and remembers
// what it read.
class FakePage final : public IKeyActionPage {
public:
    FakePage(char name, int kind, std::string& log) : name_(name), kind_(kind), log_(log) {}
    void SaveTo(CKeyAction& a) override {
        log_ += std::string("save ") + name_ + ";";
        if (kind_ == 1) a.keyboardInputs[0].SetVk(value);
        else a.mouseInputs[0].SetMouseData(value);
    }
    void LoadFrom(const CKeyAction& a) override {
        log_ += std::string("load ") + name_ + ";";
        read = kind_ == 1 ? a.keyboardInputs[0].Vk() : a.mouseInputs[0].MouseData();
    }
    void ShowPage(bool show) override { log_ += std::string(show ? "show " : "hide ") + name_ + ";"; }

    uint16_t value = 0;
    uint32_t read = 0;

private:
    char name_;
    int kind_;
    std::string& log_;
};

class KindSwitchSteps : public ::testing::Test {
protected:
    std::string log;
    FakePage keyboard{'K', 1, log};
    FakePage mouse{'M', 2, log};
    CKindSwitch kinds{{nullptr, &keyboard, &mouse, nullptr, nullptr, nullptr, nullptr, nullptr}};
};

TEST_F(KindSwitchSteps, TheWorkingActionCollectsWhatEveryVisitedPageWrote) {
    kinds.Working().kind = kKindKeyboard;
    kinds.Working().keyboardInputs[0].SetVk(0x41);
    kinds.Change(KindPosition(kinds.Working().kind));
    EXPECT_EQ(log, "load K;show K;");
    EXPECT_EQ(keyboard.read, 0x41u);

    keyboard.value = 0x0D;
    mouse.value = 120;
    kinds.Change(2);
    EXPECT_EQ(log, "load K;show K;hide K;save K;load M;show M;");
    EXPECT_EQ(kinds.Working().kind, kKindKeyboard) << "the kind left, until Save";
    kinds.Change(2);
    EXPECT_EQ(log, "load K;show K;hide K;save K;load M;show M;") << "the same position runs no step";

    kinds.Change(7);  // Disable: no page to load
    kinds.Change(1);
    EXPECT_EQ(keyboard.read, 0x0Du) << "returning to a kind reads what its page wrote";
    kinds.Save(2);
    EXPECT_EQ(kinds.Working().kind, kKindMouse);
    EXPECT_EQ(kinds.Working().keyboardInputs[0].Vk(), 0x0D) << "the keyboard page's data stay";
    EXPECT_EQ(kinds.Working().mouseInputs[0].MouseData(), 120u);
}

TEST_F(KindSwitchSteps, AKindOutsideTheListSelectsNothingAndSaveKeepsIt) {
    const struct {
        const char* name;
        uint32_t stored;
        int position;
    } cases[] = {{"Default", 0, 0}, {"Disable", 7, 7}, {"kind 8", 8, -1}, {"kind 2^32-1", 0xFFFFFFFF, -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CKindSwitch fresh{{nullptr, &keyboard, &mouse, nullptr, nullptr, nullptr, nullptr, nullptr}};
        log.clear();
        fresh.Working().kind = c.stored;
        fresh.Working().keyboardInputs[0].SetVk(0x41);
        EXPECT_EQ(KindPosition(c.stored), c.position);
        fresh.Change(KindPosition(c.stored));
        fresh.Save(KindPosition(c.stored));
        EXPECT_EQ(log, "") << "no sub-page shows, loads or writes";
        EXPECT_EQ(fresh.Working().kind, c.stored);
        EXPECT_EQ(fresh.Working().keyboardInputs[0].Vk(), 0x41);
    }
}

class AssignSteps : public OneProfileLink {
protected:
    CKeyAction& KeyA() { return set.Current()->keys[0x41]; }

    std::vector<CKeyAction*> ended;
    KeyAssignmentContext context{set, channel, [this](std::span<CKeyAction> keys) { ended.push_back(keys.data()); }};
};

TEST_F(AssignSteps, CancelChangesNothingAndSaveReplacesSendsAndMarks) {
    const bool cancelled = AssignKey(context, 0x41, [](CKeyAction& a) {
        a.kind = kKindDisable;
        return false;
    });
    EXPECT_FALSE(cancelled);
    EXPECT_EQ(KeyA().kind, kKindDefault);
    EXPECT_FALSE(set.Current()->IsModified());
    EXPECT_TRUE(keyboard.Log().empty());
    EXPECT_TRUE(ended.empty());

    std::u16string shown;
    ASSERT_TRUE(AssignKey(context, 0x41, [&](CKeyAction& a) {
        shown = a.name;
        a.kind = kKindDisable;
        return true;
    }));
    EXPECT_EQ(shown, u"A") << "the dialog edits a copy of the key's action";
    EXPECT_EQ(KeyA().kind, kKindDisable);
    EXPECT_EQ(UploadCount(keyboard), 1);
    EXPECT_EQ(keyboard.State().table[0x04], 1) << "the keyboard now hands A to the host";
    EXPECT_TRUE(set.Current()->IsModified());
    EXPECT_EQ(ended, std::vector<CKeyAction*>{&KeyA()}) << "the key's running actions end first";
}

TEST_F(AssignSteps, SaveWithoutChangeStillSendsAndARecordWithoutDeviceCodeSendsNothing) {
    ASSERT_TRUE(AssignKey(context, 0x41, [](CKeyAction&) { return true; }));
    EXPECT_EQ(UploadCount(keyboard), 1);
    EXPECT_TRUE(set.Current()->IsModified());

    keyboard.ClearLog();
    ASSERT_EQ(set.Current()->keys[0x07].code, 0u) << "slot 7 is outside the key table";
    ASSERT_TRUE(AssignKey(context, 0x07, [](CKeyAction& a) {
        a.kind = kKindKeyboard;
        return true;
    }));
    EXPECT_EQ(set.Current()->keys[0x07].kind, kKindKeyboard) << "stored";
    EXPECT_TRUE(keyboard.Log().empty()) << "but never sent";

    channel.Close();
    ASSERT_TRUE(AssignKey(context, 0x42, [](CKeyAction& a) {
        a.kind = kKindMouse;
        return true;
    }));
    EXPECT_EQ(set.Current()->keys[0x42].kind, kKindMouse) << "stored while the keyboard is away";
    EXPECT_FALSE(AssignKey(context, 255, [](CKeyAction&) { return true; })) << "no slot 255";
}

TEST_F(AssignSteps, AProfileGoneWhileTheDialogWasOpenTakesNothing) {
    set.AddDefaultProfile(u"Profile2");
    EXPECT_FALSE(AssignKey(context, 0x41, [&](CKeyAction& a) {
        a.kind = kKindDisable;
        set.currentName = u"Profile2";
        set.RemoveProfile(u"Profile1");
        return true;
    }));
    EXPECT_EQ(set.Current()->keys[0x41].kind, kKindDefault);
    EXPECT_TRUE(keyboard.Log().empty());
}
}  // namespace
