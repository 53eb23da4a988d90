#include "ui/MacroRows.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "platform/IKeyNames.h"

namespace {
// The first 16 bytes of a keyboard event (kind, codes, flags, delay); the
// rest 0.
MacroEvent KeyPart(const MacroEvent& e, uint32_t delay) {
    return MacroEvent::Key(e.Vk(), e.Scan(), e.KeyFlags(), delay);
}
}  // namespace

std::u16string CMacroRows::KeyName(const MacroEvent& event) const {
    return names_.NameOfScanCode(event.Scan(), (event.KeyFlags() & kKeyEventExtendedKey) != 0);
}

bool CMacroRows::IsDelay(int row) const { return Exists(row) && !rows_[static_cast<std::size_t>(row)].event; }

int CMacroRows::AddEvent(const MacroEvent& event) {
    if (event.Type() != kInputKeyboard) return -1;
    if (event.Delay() != 0) rows_.push_back(MacroRow{DelayText(event.Delay()), MacroRowKind::Delay, kRowButtonEdit | kRowButtonDelete, std::nullopt});
    if (event.Scan() == 0) return -1;
    std::u16string name = KeyName(event);
    if (name.empty()) return -1;
    rows_.push_back(MacroRow{std::move(name), event.IsRelease() ? MacroRowKind::Release : MacroRowKind::Press,
                             kRowButtonsAll, event});
    return static_cast<int>(rows_.size()) - 1;
}

void CMacroRows::SetEvents(const std::vector<MacroEvent>& events) {
    Clear();
    for (const MacroEvent& e : events) AddEvent(e);
}

void CMacroRows::Clear() {
    rows_.clear();
    partner_ = -1;
}

std::vector<MacroEvent> CMacroRows::Events() const {
    std::vector<MacroEvent> events;
    uint32_t delay = 0;
    for (const MacroRow& row : rows_) {
        if (!row.event) {
            delay = ParseDelay(row.text).value_or(delay);
            continue;
        }
        events.push_back(KeyPart(*row.event, delay));
        delay = 0;
    }
    return events;
}

int CMacroRows::FindPartner(int row) const {
    if (!Exists(row)) return -1;
    const MacroRow& r = rows_[static_cast<std::size_t>(row)];
    if (r.kind == MacroRowKind::Delay) return -1;
    const bool press = r.kind == MacroRowKind::Press;
    const MacroRowKind wanted = press ? MacroRowKind::Release : MacroRowKind::Press;
    const int step = press ? 1 : -1;
    for (int i = row + step; Exists(i); i += step) {
        const MacroRow& other = rows_[static_cast<std::size_t>(i)];
        if (other.kind == wanted && other.text == r.text) return i;
    }
    return -1;
}

void CMacroRows::Delete(int row) {
    if (!Exists(row)) return;
    const int p = FindPartner(row);
    partner_ = -1;
    if (p < 0) {
        rows_.erase(rows_.begin() + row);
        return;
    }
    const int hi = std::max(row, p), lo = std::min(row, p);
    // Both delay rows are found before anything moves.
    const bool hiDelay = IsDelay(hi - 1), loDelay = IsDelay(lo - 1);
    for (const auto& [at, with] : {std::pair{hi, hiDelay}, std::pair{lo, loDelay}}) {
        rows_.erase(rows_.begin() + at);
        if (with) rows_.erase(rows_.begin() + at - 1);
    }
}

std::optional<int> CMacroRows::MoveUp(int row) { return Move(row, -1); }
std::optional<int> CMacroRows::MoveDown(int row) { return Move(row, 1); }

// A delay row next to the moving row stays where it is: the key jumps over it.
std::optional<int> CMacroRows::Move(int row, int direction) {
    const int p = FindPartner(row);
    if (p < 0) return std::nullopt;
    partner_ = p;
    const int target = row + direction * (IsDelay(row + direction) ? 2 : 1);
    // A pair's halves keep their order; nothing leaves the list.
    const bool towardPartner = (p - row) * direction > 0;
    const bool allowed = towardPartner ? (direction < 0 ? target > p : target < p) : Exists(target);
    if (!allowed) return std::nullopt;
    std::swap(rows_[static_cast<std::size_t>(row)], rows_[static_cast<std::size_t>(target)]);
    return target;
}

MacroRowEdit CMacroRows::BeginEdit(int row) {
    partner_ = FindPartner(row);
    editPartner_ = partner_;
    captured_ = MacroEvent{};
    if (!Exists(row)) return {};
    const MacroRow& r = rows_[static_cast<std::size_t>(row)];
    if (r.event) return {true, r.text};
    const std::size_t space = r.text.rfind(u' ');
    return {false, space == std::u16string::npos ? r.text : r.text.substr(0, space)};
}

std::optional<std::u16string> CMacroRows::Capture(const MacroEvent& event, const std::u16string& shown) {
    std::u16string name = KeyName(event);
    if (name.empty() || name == shown) return std::nullopt;
    captured_ = KeyPart(event, event.Delay());
    return name;
}

// A key row takes the captured key, with its partner; both keep their
// press and release kinds. A delay row takes the number typed.
void CMacroRows::CommitEdit(int row, const std::u16string& text) {
    if (!Exists(row)) return;
    MacroRow& r = rows_[static_cast<std::size_t>(row)];
    if (!r.event) {
        r.text = DelayText(ParseDelay(text).value_or(0));
        return;
    }
    if (text == r.text || captured_.Scan() == 0) return;
    for (int i : {row, editPartner_}) {
        if (!Exists(i) || !rows_[static_cast<std::size_t>(i)].event) continue;
        MacroRow& changed = rows_[static_cast<std::size_t>(i)];
        MacroEvent& e = *changed.event;
        const uint32_t flags = (e.KeyFlags() & ~kKeyEventExtendedKey) | (captured_.KeyFlags() & kKeyEventExtendedKey);
        e = MacroEvent::Key(captured_.Vk(), captured_.Scan(), flags, e.Delay());
        changed.text = text;
    }
}

std::u16string CMacroRows::DelayText(uint32_t ms) {
    const std::string digits = std::to_string(ms) + " ms";
    return std::u16string(digits.begin(), digits.end());
}

// Leading blanks and a sign are read as "%d" reads them; the number
// saturates instead of overflowing, and a negative one is 0.
std::optional<uint32_t> CMacroRows::ParseDelay(const std::u16string& text) {
    std::size_t i = text.find_first_not_of(u" \t");
    if (i == std::u16string::npos) return std::nullopt;
    const bool negative = text[i] == u'-';
    if (text[i] == u'-' || text[i] == u'+') ++i;
    uint64_t value = 0;
    const std::size_t first = i;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<uint64_t>(value * 10 + (text[i] - u'0'), std::numeric_limits<uint32_t>::max());
    if (i == first) return std::nullopt;
    return negative ? 0 : static_cast<uint32_t>(value);
}
