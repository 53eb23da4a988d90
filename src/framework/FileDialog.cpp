#include "framework/FileDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "framework/ModalMoment.h"
#include "ui/FileFilter.h"

CFileDialog::CFileDialog(bool open, const std::wstring& defaultExt, const std::wstring& fileName, DWORD flags,
                         const std::wstring& filter, HWND owner)
    : open_(open), defaultExt_(defaultExt), path_(fileName), flags_(flags), owner_(owner) {
    const std::u16string system = ToSystemFileFilter(std::u16string(filter.begin(), filter.end()));
    filter_.assign(system.begin(), system.end());
}

INT_PTR CFileDialog::DoModal() {
    // Room for long paths; the proposed name is cut to fit rather than
    // overflowing the buffer.
    std::vector<wchar_t> buffer(32768, L'\0');
    path_.copy(buffer.data(), std::min(path_.size(), buffer.size() - 1));
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = filter_.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrDefExt = defaultExt_.empty() ? nullptr : defaultExt_.c_str();
    ofn.Flags = flags_ | OFN_EXPLORER | OFN_ENABLESIZING;
    const ModalMoment modal;
    const BOOL chosen = open_ ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
    if (!chosen) return IDCANCEL;
    path_ = buffer.data();
    return IDOK;
}
