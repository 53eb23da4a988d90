#pragma once
// File-type filters of the file dialogs. Callers write them as
// "Text(*.ext)|*.ext||": description and pattern pairs separated by '|',
// ended by an empty pair. The system wants the same with NUL separators and
// a double NUL at the end.
#include <string>

// The system form of `filter`; always ends with two NULs, even when the
// written form lacks its closing "||".
std::u16string ToSystemFileFilter(const std::u16string& filter);
