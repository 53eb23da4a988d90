#include "ui/MacroPageModel.h"

#include <gtest/gtest.h>

#include "device/KeyboardCommands.h"
#include "macro/DocMacroSet.h"
#include "macro/MacroRecorder.h"
#include "model/DocProfileSet.h"
#include "support/DocumentFixture.h"
#include "support/FakeKeyNames.h"
#include "support/FakeKeyboardHook.h"
#include "support/SimulatedLink.h"
#include "ui/MacroRows.h"

namespace {
using Names = std::vector<std::u16string>;
constexpr uint16_t kVkX = 0x58, kScanX = 0x2D;
constexpr uint8_t kCodeA = 0x04;

// The page's controls: an event list of real rows, a name edit, the box.
class FakePageView final : public IMacroPageView, public IMacroUI, public IMacroRecordTarget {
public:
    IMacroUI& EventList() override { return *this; }
    void SetEvents(const std::vector<MacroEvent>& events) override { rows.SetEvents(events); }
    std::vector<MacroEvent> GetEvents() const override { return rows.Events(); }
    IMacroRecordTarget& RecordTarget() override { return *this; }
    void OnRecordedEvent(const MacroEvent& event) override { rows.AddEvent(event); }
    void EndEdit() override {}
    std::u16string TypedName() const override { return typed; }
    void ShowName(const std::u16string& name) override { typed = name; }
    bool RecordTime() const override { return recordTime; }

    FakeKeyNames names;
    CMacroRows rows{names};
    std::u16string typed;
    bool recordTime = false;
};

class MacroPageModel : public DocumentFixture {
protected:
    MacroPageModel() {
        profiles.AddDefaultProfile(u"Profile1");
        profiles.currentName = u"Profile1";
        // The profile intercepts A.
        for (CKeyAction& key : profiles.Current()->keys)
            if (key.code == kCodeA && key.keyType == 0) {
                key.kind = kKindMacro;
                key.macroName = u"Macro1";
            }
        link.channel.Open();
    }
    void Add(std::initializer_list<const char16_t*> names) {
        for (const char16_t* name : names) {
            CDocMacro m;
            m.name = name;
            macros.Insert(m);
        }
    }
    void TypeX() {
        hook.Down(kVkX, kScanX);
        hook.Up(kVkX, kScanX);
    }
    // Whether the keyboard is in record mode, and whether it intercepts A.
    bool KeyboardRecording() const { return link.keyboard.State().recording.value_or(false); }
    bool InterceptsA() const { return link.keyboard.State().table[kCodeA] != 0; }

    SimulatedLink link;
    FakeKeyboardHook hook{link.clock};
    CMacroRecorder recorder{hook};
    CDocMacroSet macros;
    CDocProfileSet profiles;
    FakePageView view;
    CMacroPageModel page{{macros, profiles, link.channel, recorder}, view};
};
}  // namespace

TEST_F(MacroPageModel, RecordingTellsTheKeyboardAndStopStoresTheKeys) {
    page.Fill();
    EXPECT_FALSE(page.HasMacro());
    page.New();
    EXPECT_EQ(page.Items(), (Names{u"Macro1"}));
    page.ToggleRecording();
    EXPECT_TRUE(page.IsRecording());
    EXPECT_TRUE(KeyboardRecording());
    EXPECT_FALSE(InterceptsA());
    TypeX();
    page.ToggleRecording();
    EXPECT_FALSE(KeyboardRecording());
    EXPECT_TRUE(InterceptsA());
    ASSERT_EQ(macros.Find(u"Macro1")->events.size(), 2u);
    EXPECT_TRUE(macros.Find(u"Macro1")->events[1].IsRelease());
}

// Every way recording is cut off gives the keyboard its profile back.
TEST_F(MacroPageModel, CutOffRecordingLeavesRecordModeOnTheKeyboard) {
    const struct {
        const char* name;
        std::function<void(CMacroPageModel&)> cut;
    } cases[] = {{"pick", [](CMacroPageModel& p) { p.Choose(0); }},
                 {"new", [](CMacroPageModel& p) { p.New(); }},
                 {"copy", [](CMacroPageModel& p) { p.Copy(); }},
                 {"delete", [](CMacroPageModel& p) { p.Delete(); }},
                 {"page closed", [](CMacroPageModel& p) { p.Close(); }}};
    Add({u"Other"});
    page.Fill();
    for (const auto& c : cases) {
        page.New();
        page.ToggleRecording();
        TypeX();
        c.cut(page);
        EXPECT_FALSE(page.IsRecording()) << c.name;
        EXPECT_FALSE(recorder.IsRecording()) << c.name;
        EXPECT_FALSE(KeyboardRecording()) << c.name;
        EXPECT_TRUE(InterceptsA()) << c.name;
    }
}

TEST_F(MacroPageModel, PickingAnotherMacroWhileRecordingKeepsTheKeysInTheOldOne) {
    Add({u"Other"});
    page.Fill();
    page.New();
    page.ToggleRecording();
    TypeX();
    page.Choose(0);
    EXPECT_EQ(macros.Find(u"Macro1")->events.size(), 2u);
    EXPECT_EQ(macros.currentName, u"Other");
}

// The key capture of an in-place edit runs the recorder; it is not
// recording a macro.
TEST_F(MacroPageModel, AKeyCaptureIsNotRecording) {
    Add({u"Macro1"});
    page.Fill();
    recorder.Start(view);
    EXPECT_FALSE(page.IsRecording());
    // Fn+F9 as the dispatcher runs it.
    const auto fnF9 = [this] {
        if (!page.IsRecording()) page.New();
        page.ToggleRecording();
    };
    fnF9();
    EXPECT_TRUE(page.IsRecording()) << "Fn+F9 starts, it does not stop";
    EXPECT_EQ(macros.currentName, u"Macro2");
    fnF9();
    EXPECT_FALSE(page.IsRecording());
    EXPECT_EQ(page.Items(), (Names{u"Macro1", u"Macro2"}));
}

TEST_F(MacroPageModel, RenameAndDeleteFindTheCurrentMacroByItsExactName) {
    Add({u"Macro10", u"Macro2"});
    page.Fill();
    page.New();  // Macro1, after Macro10 in the unsorted picker
    ASSERT_EQ(page.Items(), (Names{u"Macro10", u"Macro2", u"Macro1"}));
    view.typed = u"Jump";
    page.SavePage();
    EXPECT_EQ(page.Items(), (Names{u"Macro10", u"Macro2", u"Jump"}));
    EXPECT_EQ(page.Selected(), 2);
    bool followed = false;
    for (const CKeyAction& key : profiles.Current()->keys) followed |= key.macroName == u"Jump";
    EXPECT_TRUE(followed) << "the key action that played Macro1 follows the new name";
    page.Delete();
    EXPECT_EQ(page.Items(), (Names{u"Macro10", u"Macro2"}));
    EXPECT_NE(macros.Find(u"Macro10"), nullptr);
    EXPECT_EQ(macros.Find(u"Jump"), nullptr);
}

TEST_F(MacroPageModel, RenamesThatAreRefused) {
    Add({u"Macro1", u"Macro2"});
    macros.currentName = u"Macro2";
    page.Fill();
    for (const char16_t* typed : {u"", u" \u00A0\u200B\uFEFF", u"macro", u"Macro1", u"MACRO2", u"\u3000Macro1\t"}) {
        view.typed = typed;
        page.SavePage();
        EXPECT_EQ(macros.currentName, u"Macro2");
    }
    view.typed = u"\u2009Macro10 ";
    page.SavePage();
    EXPECT_EQ(page.Items(), (Names{u"Macro1", u"Macro10"})) << "stored trimmed";
}

TEST_F(MacroPageModel, ExportStoresTheTypedNameAndEditsFirst) {
    Add({u"Macro1"});
    page.Fill();
    view.rows.AddEvent(MacroEvent::Key(kVkX, kScanX, 0, 0));
    view.typed = u"Typed";
    ASSERT_TRUE(page.Export(dir.File("m.mc"), io));
    CDocMacroSet other;
    ASSERT_EQ(other.Import(dir.File("m.mc"), io), u"Typed");
    EXPECT_EQ(other.Find(u"Typed")->events.size(), 1u);
}

TEST_F(MacroPageModel, ImportUnderATakenNameAsksAndNoChangesNothing) {
    Add({u"Macro1"});
    page.Fill();
    view.rows.AddEvent(MacroEvent::Key(kVkX, kScanX, 0, 0));
    ASSERT_TRUE(page.Export(dir.File("m.mc"), io));
    page.New();
    prompt.answers = {false};
    EXPECT_EQ(page.Import(dir.File("m.mc"), io), std::nullopt);
    EXPECT_EQ(prompt.questions.size(), 1u);
    EXPECT_EQ(page.Items(), (Names{u"Macro1", u"Macro2"}));
    EXPECT_EQ(macros.currentName, u"Macro2");
}
