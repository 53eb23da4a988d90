#pragma once
// Sub-page Windows Shortcuts: one of the eight shortcuts, whose key records
// carry the scan codes of the keyboard layout in use when the page was made.
#include <optional>

#include "model/ShortcutTable.h"
#include "pages/DlgKAChoice.h"

class IKeyNames;

class CDlgKAWinShortCuts : public CDlgKAChoice {
public:
    // `keyNames` must outlive the page.
    explicit CDlgKAWinShortCuts(const IKeyNames& keyNames);
    // Nothing without a choice.
    void SaveTo(CKeyAction& action) override;
    // The shortcut whose records match byte for byte; records of another
    // layout match none and keep the choice the user last made here.
    void LoadFrom(const CKeyAction& action) override;

protected:
    // Also builds the shortcut table from the layout in use.
    void FillRows() override;

private:
    const IKeyNames& keyNames_;
    std::optional<ShortcutTable> table_;
};
