#pragma once
// The rows of the macro event list without its window: a key row per
// keyboard event (named by the layout, press or release), and above it a
// delay row ("200 ms") when the event's delay is not 0. The window shows
// Rows() and forwards its row buttons and in-place edits here.
//
// Rules kept here:
// - A key row keeps a copy of its event; a delay row holds only its text.
//   Events() reads every key row's delay from the delay row directly above
//   it, so what the user typed into a delay row is what plays.
// - A press and a release are a pair when they carry the same key name: the
//   release is the first release of that name below the press. Delete,
//   move and key capture act on the pair; a row without a partner is
//   deleted alone and does not move.
// - A press never moves below its release, nor a release above its press.
// - A delay edit is read as a whole number of milliseconds, saturated at
//   the largest delay an event holds; an empty or unreadable edit is 0 ms.
//
// User-interface thread only.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "macro/MacroEvent.h"

class IKeyNames;

// The indicator column of a row.
enum class MacroRowKind : int { Press = 0, Delay = 1, Release = 2 };

// Row-button bits: edit, delete, up, down.
constexpr int kRowButtonEdit = 1;
constexpr int kRowButtonDelete = 2;
constexpr int kRowButtonsAll = 15;

struct MacroRow {
    std::u16string text;
    MacroRowKind kind = MacroRowKind::Delay;
    int buttons = kRowButtonEdit | kRowButtonDelete;
    // Key rows only.
    std::optional<MacroEvent> event;
};

// What an edit of a row opens: a key capture for a paired key row, a
// number for anything else.
struct MacroRowEdit {
    bool keyCapture = false;
    std::u16string text;
};

class CMacroRows {
public:
    // `names` must outlive the rows.
    explicit CMacroRows(const IKeyNames& names) : names_(names) {}

    const std::vector<MacroRow>& Rows() const { return rows_; }
    // The row drawn with the partner frame; -1 for none.
    int Partner() const { return partner_; }

    // Appends an event's rows; the key row's index, or -1 when the event is
    // not a keyboard event or its key has no name (a delay row stays).
    int AddEvent(const MacroEvent& event);
    void SetEvents(const std::vector<MacroEvent>& events);
    std::vector<MacroEvent> Events() const;
    void Clear();

    // The other half of a press/release pair, or -1.
    int FindPartner(int row) const;
    // A row was selected: its partner gets the frame.
    void Select(int row) { partner_ = FindPartner(row); }

    // Deletes the row, or the pair with the delay row above each half.
    void Delete(int row);
    // The row's new index when it moved, else nullopt (the partner frame
    // follows either way).
    std::optional<int> MoveUp(int row);
    std::optional<int> MoveDown(int row);

    // Opens the edit of a row: its partner gets the frame.
    MacroRowEdit BeginEdit(int row);
    // The edit's new text for a captured keystroke, or nullopt when the key
    // has no name or the edit shows it already. Remembers the key.
    std::optional<std::u16string> Capture(const MacroEvent& event, const std::u16string& shown);
    // Ends the edit of `row` (begun with BeginEdit) with the edit's text. A
    // captured key goes to the pair the edit began on, even when another row
    // was selected meanwhile (the click that ends the edit selects first).
    void CommitEdit(int row, const std::u16string& text);

    // The delay shown in a row ("1500 ms"), and the number read from an edit.
    static std::u16string DelayText(uint32_t ms);
    static std::optional<uint32_t> ParseDelay(const std::u16string& text);

private:
    std::u16string KeyName(const MacroEvent& event) const;
    bool IsDelay(int row) const;
    bool Exists(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    std::optional<int> Move(int row, int direction);

    const IKeyNames& names_;
    std::vector<MacroRow> rows_;
    int partner_ = -1;
    // The partner when the edit began.
    int editPartner_ = -1;
    MacroEvent captured_;
};
