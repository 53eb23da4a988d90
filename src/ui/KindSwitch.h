#pragma once
// The key assignment dialog without its window: the working action, the
// kind whose sub-page is on show, and the steps that move data between the
// working action and the sub-pages. The dialog reads its kind list's
// selected position (-1 for none) and calls Change or Save; the sub-pages
// are reached through IKeyActionPage.
//
// Rules kept here:
// - A list position is a kind value; kinds 0 (Default) and 7 (Disable) have
//   no sub-page.
// - Leaving a kind lets its sub-page write into the working action, so the
//   action collects what every visited sub-page wrote; only `kind` says
//   which of it counts.
// - Returning to a kind lets its sub-page read the working action again.
// - Without a selection (a stored kind outside 0..7) nothing is shown and
//   Save keeps the stored kind.
//
// User-interface thread only.
#include <array>
#include <cstdint>
#include <string_view>

#include "model/KeyAction.h"

// A sub-page of the key assignment dialog.
class IKeyActionPage {
public:
    virtual ~IKeyActionPage() = default;
    // Writes the page's controls into the fields of its kind; never `kind`.
    virtual void SaveTo(CKeyAction& action) = 0;
    // Sets the page's controls from those fields.
    virtual void LoadFrom(const CKeyAction& action) = 0;
    virtual void ShowPage(bool show) = 0;
};

constexpr int kKindCount = 8;

// The kinds as the kind list and the key hint name them, in kind order.
struct KindText {
    std::u16string_view id;
    std::u16string_view english;
};
extern const std::array<KindText, kKindCount> kKindTexts;

// The kind list position of a stored kind, -1 when it is outside the list.
int KindPosition(uint32_t kind);

class CKindSwitch {
public:
    // pages[kind]: the sub-page of that kind, null for none. Pages must
    // outlive the switch.
    explicit CKindSwitch(const std::array<IKeyActionPage*, kKindCount>& pages) : pages_(pages) {}

    CKeyAction& Working() { return working_; }
    int CurrentIndex() const { return current_; }

    // The kind list's selection became `selected`.
    void Change(int selected);
    // Save: `selected` becomes the kind and its sub-page writes last.
    void Save(int selected);

private:
    IKeyActionPage* PageOf(int position) const;

    std::array<IKeyActionPage*, kKindCount> pages_;
    CKeyAction working_;
    int current_ = -1;
};
