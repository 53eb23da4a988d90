#pragma once
// A key of the keyboard picture as a screen reader reads it: the key's name,
// the kind of its action in the current language and, where the kind has
// one, what it sends or starts ("A, Keyboard: Enter", "F5, Macro: Raid",
// "Esc, Default"). A kind outside the list reads as the key's name alone;
// a kind whose detail is empty or unknown reads without the colon.
//
// User-interface thread only (it reads the current language's texts).
#include <string>

class CKeyAction;
class IKeyNames;
class ShortcutTable;

std::u16string KeyAccessibleName(const CKeyAction& action, const IKeyNames& keyNames, const ShortcutTable& shortcuts);
