#pragma once
// The system's file-open or file-save dialog.
#include <windows.h>

#include <string>

class CFileDialog {
public:
    // `filter` in the written form "Text(*.ext)|*.ext||"; `defaultExt`
    // without the dot; `flags` are OFN_* options.
    CFileDialog(bool open, const std::wstring& defaultExt, const std::wstring& fileName, DWORD flags,
                const std::wstring& filter, HWND owner);
    // IDOK when the user chose a file, else IDCANCEL.
    INT_PTR DoModal();
    const std::wstring& GetPathName() const { return path_; }

private:
    bool open_;
    std::wstring defaultExt_;
    std::wstring path_;
    DWORD flags_;
    std::wstring filter_;
    HWND owner_;
};
