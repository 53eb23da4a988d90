#pragma once
// How the profile set and the macro set name new and copied entries.
#include <functional>
#include <string>
#include <string_view>

using NameTaken = std::function<bool(const std::u16string&)>;

// `prefix` followed by the lowest n = 1, 2, 3, ... that gives a free name.
std::u16string NextFreeName(std::u16string_view prefix, const NameTaken& taken);

// `name` without leading and trailing white space: Unicode White_Space and
// the invisible zero-width space and byte order mark. A name that is only
// such characters comes back empty, and is refused like an empty one.
std::u16string TrimmedName(std::u16string_view name);

// "base(Copy)" when free, else "base(Copy1)", "base(Copy2)", ...
std::u16string CopyName(std::u16string_view base, const NameTaken& taken);
