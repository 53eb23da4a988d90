#pragma once
// A key of the keyboard page's picture: a skinned push button without an
// image of its own (it shows the page's image under it) that knows the key
// code of its key. A screen reader hears the key's name and what it does,
// asked of the page each time, so it always tells the current profile.
//
// The keys are one tab stop: the key that last had the focus holds it (Esc
// at first), and the arrow keys move the focus among the keys by their
// places on the picture. The page hears of a key taking the focus
// (BN_SETFOCUS), so that the key hint can follow it.
#include <functional>
#include <string>

#include "skin/SkinButton.h"

class CKeyButton : public CSkinButton {
public:
    int keyCode = 0;
    // Set by the page; none reads as no name.
    std::function<std::u16string(int keyCode)> describe;

    std::optional<AccessibleFacts> Accessible() const override {
        const std::u16string name = describe ? describe(keyCode) : std::u16string();
        return AccessibleFacts{std::wstring(name.begin(), name.end()), ROLE_SYSTEM_PUSHBUTTON};
    }
    // The key's action changed: screen readers read its name again.
    void AnnounceNameChange() const { NotifyAccessible(EVENT_OBJECT_NAMECHANGE); }

protected:
    void OnSkinInit() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Moves the focus to the key an arrow leads to; false for other keys.
    bool OnArrow(WPARAM vk) const;
    // Only this key of the picture is a tab stop.
    void TakeTabStop() const;
};
