#include "ui/MacroPageModel.h"

#include <algorithm>

#include "device/KeyboardCommands.h"
#include "macro/DocMacroSet.h"
#include "macro/MacroRecorder.h"
#include "model/DocProfileSet.h"
#include "model/NamingRules.h"

namespace {
char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

// As the picker's own search: `text` begins with `prefix`, ignoring the case
// of Latin letters.
bool BeginsWith(const std::u16string& text, const std::u16string& prefix) {
    return prefix.size() <= text.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char16_t a, char16_t b) { return Folded(a) == Folded(b); });
}
}  // namespace

const std::u16string& CMacroPageModel::CurrentName() const { return links_.macros.currentName; }

int CMacroPageModel::IndexOf(const std::u16string& name) const {
    const auto it = std::ranges::find(items_, name);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void CMacroPageModel::Fill() {
    items_.clear();
    for (const auto& [name, macro] : links_.macros.macros) items_.push_back(name);
    int shown = IndexOf(links_.macros.currentName);
    if (shown < 0) {
        const auto it = std::ranges::find_if(
            items_, [this](const std::u16string& item) { return BeginsWith(item, links_.macros.currentName); });
        shown = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    selected_ = shown;
    OnMacroPicked();
}

void CMacroPageModel::Choose(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    Pick(index);
}

void CMacroPageModel::Pick(int index) {
    selected_ = index;
    OnMacroPicked();
}

// Recording stops first, so the keystrokes recorded so far are saved into
// the macro they were recorded for.
void CMacroPageModel::OnMacroPicked() {
    CutOff();
    std::u16string& current = links_.macros.currentName;
    if (selected_ < 0) {
        view_.ShowName(u"");
        view_.EventList().SetEvents({});
        return;
    }
    const std::u16string name = items_[static_cast<std::size_t>(selected_)];
    if (name != current && !current.empty()) SavePage();
    current = name;
    view_.ShowName(name);
    const CDocMacro* macro = links_.macros.Find(name);
    view_.EventList().SetEvents(macro ? macro->events : std::vector<MacroEvent>{});
}

void CMacroPageModel::New() {
    items_.push_back(links_.macros.NewMacro());
    Pick(static_cast<int>(items_.size()) - 1);
}

void CMacroPageModel::Copy() {
    std::u16string name = links_.macros.CopyCurrent();
    if (name.empty()) return;
    items_.push_back(std::move(name));
    Pick(static_cast<int>(items_.size()) - 1);
}

void CMacroPageModel::Delete() {
    const int index = IndexOf(links_.macros.currentName);
    if (index < 0) return;
    // Nothing of the deleted macro is saved on the way.
    links_.macros.DeleteCurrent();
    items_.erase(items_.begin() + index);
    Pick(std::min(index, static_cast<int>(items_.size()) - 1));
}

std::optional<std::u16string> CMacroPageModel::Import(const std::u16string& path, const DocumentIo& io) {
    std::optional<std::u16string> name = links_.macros.Import(path, io);
    if (!name) return name;
    if (IndexOf(*name) < 0) items_.push_back(*name);
    Pick(IndexOf(*name));
    return name;
}

bool CMacroPageModel::Export(const std::u16string& path, const DocumentIo& io) {
    Store();
    return links_.macros.ExportMacro(links_.macros.currentName, path, io);
}

bool CMacroPageModel::Refused(const std::u16string& name) const {
    return std::ranges::any_of(items_, [&name](const std::u16string& item) { return BeginsWith(item, name); });
}

void CMacroPageModel::SavePage() {
    std::u16string& current = links_.macros.currentName;
    const std::u16string typed = TrimmedName(view_.TypedName());
    const int index = IndexOf(current);
    if (!Refused(typed) && typed != current && links_.macros.Rename(current, typed, links_.profiles) && index >= 0)
        items_[static_cast<std::size_t>(index)] = typed;
    if (CDocMacro* macro = links_.macros.Find(current)) macro->events = view_.EventList().GetEvents();
}

void CMacroPageModel::Store() {
    if (!links_.macros.currentName.empty()) SavePage();
}

void CMacroPageModel::ToggleRecording() {
    if (recording_) {
        StopRecording();
        SavePage();
        return;
    }
    CDocMacro* macro = links_.macros.Find(links_.macros.currentName);
    if (macro == nullptr) return;
    view_.EndEdit();
    links_.recorder.SetRecordTimeMode(view_.RecordTime() ? RecordTimeMode::Measured : RecordTimeMode::NoDelays);
    view_.EventList().SetEvents({});
    macro->events.clear();
    links_.recorder.Start(view_.RecordTarget());
    recording_ = true;
    EnterRecording(links_.channel);
}

void CMacroPageModel::StopRecording() {
    links_.recorder.Stop();
    recording_ = false;
    if (const CDocProfile* profile = links_.profiles.Current())
        LeaveRecording(links_.channel, *profile);
    else
        SetRecording(links_.channel, false);
}

void CMacroPageModel::CutOff() {
    if (recording_) StopRecording();
}
