#include "framework/ControlAccessible.h"

#include <optional>

#include "framework/AccessibleFacts.h"
#include "framework/Wnd.h"

namespace {
BSTR ToBstr(const std::wstring& text) { return SysAllocStringLen(text.data(), static_cast<UINT>(text.size())); }
}  // namespace

LRESULT CControlAccessible::Serve(HWND hwnd, WPARAM wp) {
    IAccessible* proxy = nullptr;
    if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, kIidAccessible, reinterpret_cast<void**>(&proxy))))
        return 0;
    auto* object = new CControlAccessible(hwnd, proxy);
    const LRESULT result = LresultFromObject(kIidAccessible, wp, object);
    object->Release();  // the result holds its own reference
    return result;
}

std::optional<AccessibleFacts> CControlAccessible::FactsFor(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal != CHILDID_SELF || !IsWindow(hwnd_)) return std::nullopt;
    const auto* source = dynamic_cast<const IAccessibleSource*>(CWnd::FromHandle(hwnd_));
    return source ? source->Accessible() : std::nullopt;
}

HRESULT CControlAccessible::QueryInterface(REFIID riid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kIidAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CControlAccessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG CControlAccessible::Release() {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT CControlAccessible::get_accName(VARIANT child, BSTR* name) {
    const std::optional<AccessibleFacts> facts = FactsFor(child);
    if (!facts) return proxy_.Get()->get_accName(child, name);
    if (name == nullptr) return E_POINTER;
    *name = ToBstr(facts->name);
    return S_OK;
}

HRESULT CControlAccessible::get_accRole(VARIANT child, VARIANT* role) {
    const std::optional<AccessibleFacts> facts = FactsFor(child);
    if (!facts) return proxy_.Get()->get_accRole(child, role);
    if (role == nullptr) return E_POINTER;
    role->vt = VT_I4;
    role->lVal = facts->role;
    return S_OK;
}

// The window's own states (focus, availability, visibility) from the proxy;
// checked from the control, never from the owner-drawn button's guess.
HRESULT CControlAccessible::get_accState(VARIANT child, VARIANT* state) {
    const HRESULT result = proxy_.Get()->get_accState(child, state);
    const std::optional<AccessibleFacts> facts = FactsFor(child);
    if (FAILED(result) || !facts || state->vt != VT_I4) return result;
    state->lVal &= ~(STATE_SYSTEM_CHECKED | STATE_SYSTEM_PRESSED);
    if (facts->checked) state->lVal |= STATE_SYSTEM_CHECKED;
    return result;
}

HRESULT CControlAccessible::get_accValue(VARIANT child, BSTR* value) {
    const std::optional<AccessibleFacts> facts = FactsFor(child);
    if (!facts) return proxy_.Get()->get_accValue(child, value);
    if (value == nullptr) return E_POINTER;
    *value = nullptr;
    if (facts->value.empty()) return S_FALSE;
    *value = ToBstr(facts->value);
    return S_OK;
}

HRESULT CControlAccessible::GetTypeInfoCount(UINT* count) { return proxy_.Get()->GetTypeInfoCount(count); }
HRESULT CControlAccessible::GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) {
    return proxy_.Get()->GetTypeInfo(index, lcid, info);
}
HRESULT CControlAccessible::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) {
    return proxy_.Get()->GetIDsOfNames(riid, names, count, lcid, ids);
}
HRESULT CControlAccessible::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                                   EXCEPINFO* exception, UINT* argError) {
    return proxy_.Get()->Invoke(id, riid, lcid, flags, params, result, exception, argError);
}
HRESULT CControlAccessible::get_accParent(IDispatch** parent) { return proxy_.Get()->get_accParent(parent); }
HRESULT CControlAccessible::get_accChildCount(LONG* count) { return proxy_.Get()->get_accChildCount(count); }
HRESULT CControlAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
    return proxy_.Get()->get_accChild(child, dispatch);
}
HRESULT CControlAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return proxy_.Get()->get_accDescription(child, description);
}
HRESULT CControlAccessible::get_accHelp(VARIANT child, BSTR* help) { return proxy_.Get()->get_accHelp(child, help); }
HRESULT CControlAccessible::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
    return proxy_.Get()->get_accHelpTopic(file, child, topic);
}
HRESULT CControlAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return proxy_.Get()->get_accKeyboardShortcut(child, shortcut);
}
HRESULT CControlAccessible::get_accFocus(VARIANT* focus) { return proxy_.Get()->get_accFocus(focus); }
HRESULT CControlAccessible::get_accSelection(VARIANT* selection) { return proxy_.Get()->get_accSelection(selection); }
HRESULT CControlAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return proxy_.Get()->get_accDefaultAction(child, action);
}
HRESULT CControlAccessible::accSelect(LONG flags, VARIANT child) { return proxy_.Get()->accSelect(flags, child); }
HRESULT CControlAccessible::accLocation(LONG* x, LONG* y, LONG* width, LONG* height, VARIANT child) {
    return proxy_.Get()->accLocation(x, y, width, height, child);
}
HRESULT CControlAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return proxy_.Get()->accNavigate(direction, start, end);
}
HRESULT CControlAccessible::accHitTest(LONG x, LONG y, VARIANT* child) { return proxy_.Get()->accHitTest(x, y, child); }
HRESULT CControlAccessible::accDoDefaultAction(VARIANT child) { return proxy_.Get()->accDoDefaultAction(child); }
HRESULT CControlAccessible::put_accName(VARIANT child, BSTR name) { return proxy_.Get()->put_accName(child, name); }
HRESULT CControlAccessible::put_accValue(VARIANT child, BSTR value) { return proxy_.Get()->put_accValue(child, value); }
