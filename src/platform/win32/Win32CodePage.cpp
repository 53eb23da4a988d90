#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include <climits>

std::u16string Win32CodePage::ToUtf16(std::string_view narrow) const {
    if (narrow.empty() || narrow.size() > INT_MAX) return {};
    const int in = static_cast<int>(narrow.size());
    const int n = MultiByteToWideChar(CP_THREAD_ACP, 0, narrow.data(), in, nullptr, 0);
    if (n <= 0) return {};
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, narrow.data(), in, reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

std::string Win32CodePage::FromUtf16(std::u16string_view wide) const {
    if (wide.empty() || wide.size() > INT_MAX) return {};
    const int in = static_cast<int>(wide.size());
    const auto* text = reinterpret_cast<const wchar_t*>(wide.data());
    const int n = WideCharToMultiByte(CP_THREAD_ACP, 0, text, in, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_THREAD_ACP, 0, text, in, out.data(), n, nullptr, nullptr);
    return out;
}
