#include "ui/FileFilter.h"

std::u16string ToSystemFileFilter(const std::u16string& filter) {
    std::u16string result = filter;
    for (char16_t& c : result)
        if (c == u'|') c = u'\0';
    // Drop the written terminator, then end with exactly two NULs.
    while (!result.empty() && result.back() == u'\0') result.pop_back();
    result.append(2, u'\0');
    return result;
}
