// The macro page as a user works it on the real program, with the mouse and
// the keys: a new macro recorded with its timing, the keyboard told to
// record and given its profile back, the recorded keys played by a key that
// names the macro, a rename that the key follows; and Fn+F9.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "e2e/support/ProgramFixture.h"
#include "e2e/support/ProgramWindows.h"
#include "e2e/support/UserHands.h"
#include "macro/DocMacroSet.h"
#include "model/KeyAction.h"
#include "win/support/KeyboardHookRecorder.h"

using namespace std::chrono_literals;

namespace {
constexpr uint8_t kCodeA = 0x04;
constexpr uint8_t kF9 = 0x42;
constexpr int kRecordId = 1005, kPickerId = 1017, kEventListId = 1014, kNameId = 1059, kNewId = 1008;
constexpr DWORD kVkX = 0x58, kVkZ = 0x5A;

// Centres of controls relative to the main window; the macro page sits at
// 292,155 inside it.
constexpr POINT kMacroPageButton{241, 113};
constexpr POINT kNew{292 + 401, 155 + 97};
constexpr POINT kRecord{292 + 497, 155 + 220};
constexpr POINT kRecordTime{292 + 400, 155 + 270};
constexpr POINT kMacroNameEdit{292 + 501, 155 + 167};
constexpr POINT kExport{292 + 547, 155 + 97};
constexpr POINT kImport{292 + 595, 155 + 97};
constexpr int kEditButton = 300, kDeleteButton = 301, kDownButton = 303;


std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

std::vector<std::wstring> Rows(HWND list) {
    std::vector<std::wstring> rows;
    const int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        rows.push_back(text);
    }
    return rows;
}

// The event list: the list box with its id among the page's windows (a
// scroll frame may hold it).
HWND EventList(HWND page) {
    struct Search {
        HWND found = nullptr;
    } search;
    EnumChildWindows(
        page,
        [](HWND child, LPARAM data) -> BOOL {
            wchar_t cls[32] = {};
            GetClassNameW(child, cls, 32);
            if (GetDlgCtrlID(child) != kEventListId || _wcsicmp(cls, L"ListBox") != 0) return TRUE;
            reinterpret_cast<Search*>(data)->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

class MacroPageFlow : public ProgramFixture {
protected:
    // The program with key A playing Macro1 once, its window shown and the
    // macro page open; the page.
    HWND Start(std::vector<MacroEvent> events = {}) {
        if (!events.empty()) {
            CDocMacroSet macros;
            CDocMacro macro;
            macro.name = u"Macro1";
            macro.events = std::move(events);
            macros.Insert(macro);
            macros.currentName = u"Macro1";
            run_.WriteMacros(macros);
        }
        CDocProfileSet profiles = DefaultProfiles();
        CKeyAction& a = profiles.Current()->keys[0x41];
        a.kind = kKindMacro;
        a.macroName = u"Macro1";
        a.playMode = kPlayOnce;
        if (!ProfileApplied(StartWith(std::move(profiles), ProfileApplied))) return nullptr;
        main_ = WaitForMainWindow(std::chrono::milliseconds(kProgramTimeoutMs));
        if (!main_ || !ShowFromTray(main_)) return nullptr;
        Click(kMacroPageButton);
        HWND page = PageWith(main_, kNewId);  // the macro page alone has a 1008
        return WaitFor([&] { return page && IsWindowVisible(page); }, 5s) ? page : nullptr;
    }
    void Click(POINT at) { ASSERT_TRUE(ClickAt(main_, at.x, at.y)); }
    // Clicks row `row` of the event list, then its row button `id` once it shows.
    void ClickRowButton(HWND list, int row, int id) {
        RECT listRect{}, mainRect{};
        GetWindowRect(list, &listRect);
        GetWindowRect(main_, &mainRect);
        const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
        const int rowMiddle = listRect.top + (row - top) * height + height / 2;
        Click({listRect.left - mainRect.left + 40, rowMiddle - mainRect.top});
        // The row buttons move to the picked row; until they have, they
        // may still stand on the row picked before.
        HWND button = GetDlgItem(list, id);
        RECT r{};
        ASSERT_TRUE(WaitFor([&] {
            return button && IsWindowVisible(button) && GetWindowRect(button, &r) && r.top <= rowMiddle &&
                   rowMiddle < r.bottom;
        }, 5s)) << "row button " << id << " on row " << row;
        Click({(r.left + r.right) / 2 - mainRect.left, (r.top + r.bottom) / 2 - mainRect.top});
    }
    // Types a full path into the program's file dialog titled `title`.
    void ChooseFile(const wchar_t* title, const std::filesystem::path& path) {
        const std::string name = path.string();
        HWND dialog = nullptr;
        ASSERT_TRUE(WaitFor([&] { return (dialog = FindWindowW(L"#32770", title)) && IsWindowVisible(dialog); }, 10s));
        ASSERT_TRUE(TypeText(name));
        ASSERT_TRUE(PressKeys("Return"));
        ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 10s));
    }
    // After command 14 with `on`, the upload that gives the driver its table.
    const KbSimLogEntry* TableAfter(const KeyboardLog& log, uint8_t on) {
        const std::size_t at = FindCommand(log, 14, on);
        for (std::size_t i = at == kNotFound ? log.size() : at; i < log.size(); ++i)
            if (UploadsBetween(log, i, i + 1) == 1) return &log[i];
        return nullptr;
    }
    void TearDown() override {
        if (!exited_) {
            EXPECT_TRUE(run_.Exit(kProgramTimeoutMs)) << "the program did not end on Exit";
        }
        watch_.Hold({});
    }

    HWND main_ = nullptr;
    bool exited_ = false;
};

TEST_F(MacroPageFlow, RecordWithTimingPlayItFromAKeyAndRenameIt) {
    HWND page = Start();
    ASSERT_NE(page, nullptr);
    HWND record = GetDlgItem(page, kRecordId);
    EXPECT_FALSE(IsWindowEnabled(record)) << "no macro yet";

    Click(kNew);
    EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(page, kPickerId)) == L"Macro1"; }, 5s)) << "the picker shows it";
    Click(kRecordTime);

    // The test's hook comes before the program's: what the program
    // withholds never reaches it.
    auto elsewhere = std::make_unique<KeyboardHookRecorder>();
    watch_.Mark();
    Click(kRecord);
    KeyboardLog log = watch_.WaitUntil([&](const KeyboardLog& l) { return TableAfter(l, 1) != nullptr; }, 5000);
    const KbSimLogEntry* table = TableAfter(log, 1);
    ASSERT_NE(table, nullptr) << "record mode on, then a table";
    EXPECT_FALSE(Intercepts(*table, kCodeA)) << "nothing is intercepted while recording";
    EXPECT_EQ(TextOf(record), L"Stop");

    ASSERT_TRUE(HoldKey("x", 500));
    ASSERT_TRUE(PressKeys("z"));
    HWND list = EventList(page);
    ASSERT_TRUE(WaitFor([&] { return Rows(list).size() >= 6 && Rows(list).back() == L"Z"; }, 5s));
    EXPECT_TRUE(elsewhere->WaitFor(1, 300ms).empty()) << "recorded keys reach no other program";
    elsewhere.reset();

    watch_.Mark();
    Click(kRecord);
    log = watch_.WaitUntil([&](const KeyboardLog& l) { return TableAfter(l, 0) != nullptr; }, 5000);
    table = TableAfter(log, 0);
    ASSERT_NE(table, nullptr) << "record mode off, then the profile's table";
    EXPECT_TRUE(Intercepts(*table, kCodeA)) << "A plays Macro1 again";
    const std::vector<std::wstring> rows = Rows(list);
    // X, its hold time, X, then Z's press and release, each after its delay
    // row unless the delay was 0.
    ASSERT_GE(rows.size(), 6u);
    EXPECT_EQ(rows[0], L"X");
    EXPECT_NE(rows[1].find(L" ms"), std::wstring::npos) << "the time X was held";
    EXPECT_EQ(rows[2], L"X");
    EXPECT_EQ(rows.back(), L"Z");
    const int held = _wtoi(rows[1].c_str());
    EXPECT_GE(held, 400);
    EXPECT_LE(held, 800);

    // Key A plays what was recorded, with X held as long as it was.
    KeyboardHookRecorder hook;
    watch_.Hold({kCodeA});
    watch_.Hold({});
    const std::vector<HookedKey> keys = hook.WaitFor(4, 5s);
    ASSERT_EQ(keys.size(), 4u);
    const DWORD expected[] = {kVkX, kVkX, kVkZ, kVkZ};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(keys[i].vk, expected[i]) << i;
        EXPECT_EQ((keys[i].flags & LLKHF_UP) != 0, i % 2 == 1) << i;
    }
    LARGE_INTEGER frequency{};
    QueryPerformanceFrequency(&frequency);
    const double heldMs = 1000.0 * static_cast<double>(keys[1].stamp - keys[0].stamp) / static_cast<double>(frequency.QuadPart);
    EXPECT_NEAR(heldMs, held, 100) << "X is held as long as the delay row says";

    // A new name, typed: the key that played Macro1 follows it at Exit.
    Click(kMacroNameEdit);
    ASSERT_TRUE(PressKeys("End BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace"));
    ASSERT_TRUE(TypeText("Jump"));
    // Exit is posted and would overtake the typed keys.
    ASSERT_TRUE(WaitFor([&] { return EditText(HostedEdit(page, kNameId)) == L"Jump"; }, 5s));
    exited_ = true;
    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));
    const CDocMacroSet macros = run_.ReadMacros();
    ASSERT_EQ(macros.macros.size(), 1u);
    const CDocMacro& jump = macros.macros.begin()->second;
    EXPECT_EQ(jump.name, u"Jump");
    ASSERT_EQ(jump.events.size(), 4u);
    EXPECT_EQ(jump.events[0].Vk(), kVkX);
    EXPECT_EQ(jump.events[1].Delay(), static_cast<uint32_t>(held));
    EXPECT_EQ(run_.ReadProfiles().Current()->keys[0x41].macroName, u"Jump");
}

TEST_F(MacroPageFlow, FnF9StartsANewMacroAndStopsIt) {
    HWND page = Start();
    ASSERT_NE(page, nullptr);
    FnChord(kF9);
    KeyboardLog log = watch_.WaitUntilTaken(14, 1);
    ASSERT_NE(FindCommand(log, 14, 1), kNotFound) << "Fn+F9 starts recording";
    EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(page, kPickerId)) == L"Macro1"; }, 5s)) << "into a new macro";
    // The page shows the new macro, then its record button: wait for both.
    EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(page, kRecordId)) == L"Stop"; }, 5s));

    FnChord(kF9);
    log = watch_.WaitUntilTaken(14, 0);
    EXPECT_NE(FindCommand(log, 14, 0), kNotFound) << "Fn+F9 again stops it";
    EXPECT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(page, kRecordId)) == L"Record"; }, 5s));

    // Exit while recording: the keyboard leaves record mode on the way out.
    FnChord(kF9);
    ASSERT_NE(FindCommand(watch_.WaitUntilTaken(14, 1), 14, 1), kNotFound);
    watch_.Mark();
    exited_ = true;
    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));
    log = watch_.WaitUntil([](const KeyboardLog& l) { return FindCommand(l, 14, 0) != kNotFound; }, 5000);
    EXPECT_NE(FindCommand(log, 14, 0), kNotFound);
    CDocMacroSet macros = run_.ReadMacros();
    EXPECT_NE(macros.Find(u"Macro2"), nullptr) << "the second Fn+F9 made a second macro";
}
// Row buttons on a macro written beforehand: X held 1000 ms, then Z.
TEST_F(MacroPageFlow, EditRowsThenExportAndImportUnderTheTakenName) {
    HWND page = Start({MacroEvent::Key(kVkX, 0x2D, 0, 0), MacroEvent::Key(kVkX, 0x2D, kKeyEventKeyUp, 1000),
                       MacroEvent::Key(kVkZ, 0x2C, 0, 0), MacroEvent::Key(kVkZ, 0x2C, kKeyEventKeyUp, 0)});
    ASSERT_NE(page, nullptr);
    HWND list = EventList(page);
    ASSERT_TRUE(WaitFor([&] { return Rows(list).size() == 5; }, 5s));
    using Texts = std::vector<std::wstring>;
    EXPECT_EQ(Rows(list), (Texts{L"X", L"1000 ms", L"X", L"Z", L"Z"}));

    ClickRowButton(list, 0, kDownButton);
    Sleep(300);
    EXPECT_EQ(Rows(list), (Texts{L"X", L"1000 ms", L"X", L"Z", L"Z"})) << "X's press stays above its release";

    ClickRowButton(list, 1, kEditButton);
    ASSERT_TRUE(TypeText("1500"));
    ASSERT_TRUE(PressKeys("Return"));
    EXPECT_TRUE(WaitFor([&] { return Rows(list)[1] == L"1500 ms"; }, 5s)) << Rows(list)[1];

    // A key capture: the next key pressed becomes the pair's key; a click
    // elsewhere ends it.
    ClickRowButton(list, 3, kEditButton);
    ASSERT_TRUE(PressKeys("c"));
    Click(kMacroNameEdit);
    EXPECT_TRUE(WaitFor([&] { return Rows(list) == Texts{L"X", L"1500 ms", L"X", L"C", L"C"}; }, 5s));

    ClickRowButton(list, 2, kDeleteButton);
    EXPECT_TRUE(WaitFor([&] { return Rows(list) == Texts{L"C", L"C"}; }, 5s)) << "the pair and its delay row go";

    // Export, then import the same file: the name is taken, and No keeps all.
    Click(kExport);
    std::filesystem::remove(run_.Folder() / "m.mc");
    ChooseFile(L"Save As", run_.Folder() / "m.mc");
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(run_.Folder() / "m.mc"); }, 5s));
    Click(kNew);
    ASSERT_TRUE(WaitFor([&] { return TextOf(GetDlgItem(page, kPickerId)) == L"Macro2"; }, 5s));
    Click(kImport);
    ChooseFile(L"Open", run_.Folder() / "m.mc");
    HWND question = WaitForMessageBox(5s);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(MessageText(question), L"'Macro1' is existed, are you sure to replace it?");
    ASSERT_TRUE(ClickButton(question, IDNO));
    EXPECT_EQ(TextOf(GetDlgItem(page, kPickerId)), L"Macro2");

    exited_ = true;
    ASSERT_TRUE(run_.Exit(kProgramTimeoutMs));
    CDocMacroSet macros = run_.ReadMacros();
    ASSERT_EQ(macros.macros.size(), 2u);
    const CDocMacro& edited = *macros.Find(u"Macro1");
    ASSERT_EQ(edited.events.size(), 2u);
    EXPECT_EQ(edited.events[0].Vk(), 0x43);
    EXPECT_EQ(edited.events[1].Vk(), 0x43);
    EXPECT_TRUE(edited.events[1].IsRelease());
    EXPECT_TRUE(macros.Find(u"Macro2")->events.empty());
}
}  // namespace
