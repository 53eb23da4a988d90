#pragma once
// The Activity window: what the keyboard did and why. A plain, resizable,
// non-modal top-level window (outside the skin), reached from the tray
// menu and the main window's system menu: a header (the keyboard's
// connection, the current profile and why, the program in front), a
// standard report list view of the last 200 events, newest first, which
// screen readers read, and Copy, which puts both on the clipboard as plain
// text. It shows live while open and speaks the chosen language; closing it
// (Escape, the close box) only hides it.
//
// User-interface thread only.
#include <string>
#include <vector>

#include "framework/DialogEx.h"
#include "lang/MultiLanguage.h"
#include "ui/ActivityText.h"

class CActivity;

class CActivityWindow final : public CDialogEx, public CMultiLanguage {
public:
    explicit CActivityWindow(CActivity& activity);

    // Creates the window the first time, then shows it in front.
    void Open();
    // Title, button, headings, header and rows in the current language.
    void ApplyLanguage() override;

protected:
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(WPARAM wp, LPARAM lp) override;
    // Enter does not close it (a key assigned Enter may land here); Escape
    // and the close box hide it.
    void OnOK() override {}

private:
    static constexpr UINT_PTR kRefreshTimer = 0x4163;
    static constexpr UINT kRefreshMs = 200;

    // Reads the ring and the header again; nothing changes on screen when
    // neither did, unless `always`.
    void Refresh(bool always);
    void Layout();
    void CopyToClipboard();
    bool OnNotify(const NMHDR& header, LRESULT& result);

    CActivity& activity_;
    std::vector<ActivityRow> rows_;
    std::vector<std::u16string> header_;
    uint64_t shownWritten_ = UINT64_MAX;
    bool shownComplete_ = false;
    std::wstring cell_;  // the text last handed to the list view
};
