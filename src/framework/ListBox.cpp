#include "framework/ListBox.h"

std::wstring CListBox::GetText(int index) const {
    const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

int CListBox::ItemFromPoint(POINT client) const {
    if (GetCount() <= 0) return LB_ERR;
    const LRESULT hit = Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    return static_cast<int>(LOWORD(hit));
}
