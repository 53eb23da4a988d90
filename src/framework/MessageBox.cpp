#include "framework/MessageBox.h"

#include "framework/ModalMoment.h"

namespace {
// The executable's name without folder and extension.
std::wstring ProgramName() {
    wchar_t path[MAX_PATH] = {};
    const std::wstring full(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    const std::size_t start = full.find_last_of(L'\\') + 1;
    return full.substr(start, full.find_last_of(L'.') - start);
}
}  // namespace

int ShowMessageBox(const std::wstring& text, UINT type) {
    static const std::wstring caption = ProgramName();
    const ModalMoment modal;
    return MessageBoxW(GetActiveWindow(), text.c_str(), caption.c_str(), type);
}
