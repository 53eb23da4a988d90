#pragma once
// The macro page without its window: the picker's items and selection, the
// current macro, the rename rules, the macro commands and recording. The
// window forwards its controls here and shows Items, Selected and
// IsRecording; the event list and the name edit are reached through
// IMacroPageView.
//
// Rules kept here:
// - The page's edits reach the macro only through SavePage: when another
//   macro is shown, when recording stops, when the page is hidden, before
//   an export, and at exit (Store).
// - A rename is refused without a message when the typed name is empty or
//   is the start of a listed name (an existing name among them). A rename
//   follows into every profile's key actions.
// - The current macro's item is found by its exact name, never by prefix:
//   the list is unsorted after New, Copy and Import.
// - Recording a macro is this object's state alone; an in-place edit of
//   the event list (which may run the recorder for a key capture) is not
//   recording. The dispatcher asks IsRecording.
// - Whenever recording ends, by Stop or cut off by another macro, New,
//   Copy, Delete, Import or the page going away, the keyboard leaves record
//   mode and gets the current profile's interception and flags back.
//
// User-interface thread only.
#include <optional>
#include <string>
#include <vector>

#include "macro/MacroEvent.h"
#include "ui/IMacroUI.h"

class CDeviceChannel;
class CDocMacroSet;
class CDocProfileSet;
class CMacroRecorder;
class IMacroRecordTarget;
struct DocumentIo;

// The page's controls as the model uses them.
class IMacroPageView {
public:
    virtual ~IMacroPageView() = default;
    // The event list.
    virtual IMacroUI& EventList() = 0;
    // Recorded keystrokes become rows here.
    virtual IMacroRecordTarget& RecordTarget() = 0;
    // Ends an in-place edit of the event list, if one is open.
    virtual void EndEdit() = 0;
    // The name edit.
    virtual std::u16string TypedName() const = 0;
    virtual void ShowName(const std::u16string& name) = 0;
    // Whether "Record Time" is ticked.
    virtual bool RecordTime() const = 0;
};

class CMacroPageModel {
public:
    struct Links {
        CDocMacroSet& macros;
        CDocProfileSet& profiles;
        CDeviceChannel& channel;
        CMacroRecorder& recorder;
    };
    // Everything given must outlive the model.
    CMacroPageModel(Links links, IMacroPageView& view) : links_(links), view_(view) {}

    // The picker gets every macro name; the current macro (or the first
    // name beginning with it, ignoring case) is shown.
    void Fill();
    const std::vector<std::u16string>& Items() const { return items_; }
    int Selected() const { return selected_; }
    bool HasMacro() const { return selected_ >= 0; }
    bool IsRecording() const { return recording_; }
    // The macro shown; empty for none.
    const std::u16string& CurrentName() const;

    // The user picked an item.
    void Choose(int index);
    void New();
    void Copy();
    void Delete();
    // The name of the import when the set changed.
    std::optional<std::u16string> Import(const std::u16string& path, const DocumentIo& io);
    bool Export(const std::u16string& path, const DocumentIo& io);
    // The Record button: starts recording into the current macro, or stops.
    void ToggleRecording();
    // Stores the page into the current macro, renaming it when the typed
    // name is accepted.
    void SavePage();
    // Exit, the end of the session, the page hidden: SavePage when a macro
    // is shown.
    void Store();
    // The page goes away: recording is cut off.
    void Close() { CutOff(); }

private:
    void OnMacroPicked();
    void CutOff();
    void StopRecording();
    void Pick(int index);
    // The item holding exactly `name`, or -1.
    int IndexOf(const std::u16string& name) const;
    bool Refused(const std::u16string& name) const;

    Links links_;
    IMacroPageView& view_;
    std::vector<std::u16string> items_;
    int selected_ = -1;
    bool recording_ = false;
};
