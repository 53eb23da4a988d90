#include "skin/SkinMacroListBox.h"

#include "macro/MacroRecorder.h"
#include "skin/SkinGdi.h"

namespace {
std::wstring Wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
}  // namespace

CSkinMacroListBox::CSkinMacroListBox(const IKeyNames& names, CMacroRecorder& recorder)
    : rows_(names), recorder_(recorder) {
    SetDefaultMask(kRowButtonsAll);
}

void CSkinMacroListBox::SetEvents(const std::vector<MacroEvent>& events) {
    EndEdit();
    rows_.SetEvents(events);
    Show();
}

void CSkinMacroListBox::SetRecording(bool on) {
    recording_ = on;
    SetButtonsHidden(on);
}

void CSkinMacroListBox::Show(int from, int select) {
    if (from == 0) ClearRows();
    const std::vector<MacroRow>& rows = rows_.Rows();
    for (std::size_t i = static_cast<std::size_t>(from); i < rows.size(); ++i)
        AddRow(Wide(rows[i].text), static_cast<int>(rows[i].kind), rows[i].buttons);
    if (select >= 0) SetCurSel(select);
    if (!rows.empty()) Send(LB_SETTOPINDEX, rows.size() - 1);
    Invalidate();
}

void CSkinMacroListBox::OnRecordedEvent(const MacroEvent& event) {
    if (capturing_ && IsEditing()) {
        const std::wstring shown = InPlaceEdit().Text();
        if (const auto name = rows_.Capture(event, std::u16string(shown.begin(), shown.end()))) {
            InPlaceEdit().SetText(Wide(*name));
            InPlaceEdit().SetSel(0, -1);
        }
        // Posted: the edit ends (and the recorder's hook goes) after the
        // hook has delivered this event.
        if (captureEnding_.Ends(event.IsRelease(), event.Vk()))
            PostMessageW(GetAncestor(GetSafeHwnd(), GA_ROOT), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetSafeHwnd()),
                         TRUE);
        return;
    }
    const int before = GetCount();
    rows_.AddEvent(event);
    Show(before);
}

void CSkinMacroListBox::OnRowCommand(UINT command, int row) {
    switch (command) {
    case kCommandEdit:
        BeginRowEdit(row);
        return;
    case kCommandDelete:
        rows_.Delete(row);
        Show();
        return;
    case kCommandUp:
    case kCommandDown: {
        const auto to = command == kCommandUp ? rows_.MoveUp(row) : rows_.MoveDown(row);
        Show(0, to.value_or(row));
        if (to) PointAtRow(*to);
        return;
    }
    }
}

void CSkinMacroListBox::BeginRowEdit(int row) {
    const MacroRowEdit edit = rows_.BeginEdit(row);
    SetCurSel(row);
    Invalidate();
    BeginEdit();
    if (!IsEditing()) return;
    SetButtonsHidden(true);
    if (edit.keyCapture) {
        InPlaceEdit().SetMode(CSkinListBoxEdit_Edit::kKeyCapture);
        capturing_ = true;
        captureEnding_.Restart();
        recorder_.Start(*this);
        return;
    }
    InPlaceEdit().SetMode(CSkinListBoxEdit_Edit::kNumeric);
    InPlaceEdit().Send(EM_LIMITTEXT, 16);
    InPlaceEdit().SetText(Wide(edit.text));
    InPlaceEdit().SetSel(0, -1);
}

void CSkinMacroListBox::OnEditEnding(int row, const std::wstring& text) {
    if (capturing_) {
        recorder_.Stop();
        capturing_ = false;
    }
    rows_.CommitEdit(row, std::u16string(text.begin(), text.end()));
    SetButtonsHidden(recording_);
    Show(0, row);
}

bool CSkinMacroListBox::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
    if (msg == WM_COMMAND && HIWORD(wp) == LBN_SELCHANGE) {
        rows_.Select(GetCurSel());
        Invalidate();
    }
    return CSkinListBoxEdit::OnChildNotify(msg, wp, lp, result);
}

// The partner of the selected key row gets a one-pixel frame in the Over colour.
void CSkinMacroListBox::DrawItem(const DRAWITEMSTRUCT& item) {
    CSkinListBoxEdit::DrawItem(item);
    if (static_cast<int>(item.itemID) != rows_.Partner() || !(item.itemAction & ODA_DRAWENTIRE)) return;
    Gdiplus::Graphics graphics(item.hDC);
    Gdiplus::Pen pen(Gdiplus::Color(TextColour(SkinState::Over)), 1.0f);
    const RECT& r = item.rcItem;
    graphics.DrawRectangle(&pen, static_cast<INT>(r.left + 1), static_cast<INT>(r.top + 1),
                           static_cast<INT>(r.right - r.left - 3), static_cast<INT>(r.bottom - r.top - 3));
}
