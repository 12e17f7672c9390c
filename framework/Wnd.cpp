#include "framework/Wnd.h"

#include <map>

namespace {

// The windows bound to objects. The program has one user-interface thread.
std::map<HWND, CWnd*>& HandleMap()
{
    static std::map<HWND, CWnd*> map;
    return map;
}

}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd != nullptr) {
        // Still bound: give the window its own procedure back so it no longer reaches this object.
        if (m_pfnSuper != nullptr)
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        Detach();
    }
}

BOOL CWnd::Attach(HWND window)
{
    if (window == nullptr || m_hWnd != nullptr)
        return FALSE;
    m_hWnd = window;
    HandleMap()[window] = this;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND window = m_hWnd;
    if (window != nullptr) {
        auto it = HandleMap().find(window);
        if (it != HandleMap().end() && it->second == this)
            HandleMap().erase(it);
    }
    m_hWnd = nullptr;
    return window;
}

CWnd* CWnd::FromHandlePermanent(HWND window)
{
    auto it = HandleMap().find(window);
    return it == HandleMap().end() ? nullptr : it->second;
}

BOOL CWnd::SubclassWindow(HWND window)
{
    if (!Attach(window))
        return FALSE;
    PreSubclassWindow();
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxWndProc)));
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    HWND control = parent != nullptr ? GetDlgItem(parent->m_hWnd, static_cast<int>(id)) : nullptr;
    return control != nullptr && SubclassWindow(control);
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

void CWnd::SetWindowText(LPCTSTR text)
{
    ::SetWindowTextW(m_hWnd, text);
}

WString CWnd::GetWindowText() const
{
    const int length = GetWindowTextLengthW(m_hWnd);
    WString text(static_cast<std::size_t>(length) + 1, 0);
    const int copied = ::GetWindowTextW(m_hWnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void CWnd::GetClientRect(RECT* rect) const
{
    ::GetClientRect(m_hWnd, rect);
}

void CWnd::GetWindowRect(RECT* rect) const
{
    ::GetWindowRect(m_hWnd, rect);
}

void CWnd::ScreenToClient(RECT* rect) const
{
    MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(rect), 2);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(m_hWnd, insertAfter != nullptr ? insertAfter->m_hWnd : nullptr, x, y, cx, cy, flags);
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(m_hWnd, GWL_STYLE));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    SetWindowLongPtrW(m_hWnd, GWL_STYLE, static_cast<LONG_PTR>(changed));
    if (flags != 0)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

void CWnd::Invalidate(BOOL erase)
{
    InvalidateRect(m_hWnd, nullptr, erase);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MSG outer = m_currentMsg;
    m_currentMsg = MSG{m_hWnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    m_currentMsg = outer;
    return result;
}

LRESULT CWnd::Default()
{
    return DefWindowProc(m_currentMsg.message, m_currentMsg.wParam, m_currentMsg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    CWnd* control = FromHandlePermanent(child);
    return control != nullptr && control->OnWndMsg(OCM__BASE + message, wParam, lParam, result);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_COMMAND:
        // lParam is the control for a notification; 0 for menus and accelerators.
        return lParam != 0 && ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ReflectToChild(reinterpret_cast<HWND>(lParam), message, wParam, lParam, result);
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return wParam != 0 && item != nullptr && ReflectToChild(item->hwndItem, message, wParam, lParam, result);
    }
    case WM_NCDESTROY: {
        *result = DefWindowProc(message, wParam, lParam);
        if (m_pfnSuper != nullptr)
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
        Detach();
        PostNcDestroy();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // No exception may cross into the system's code that called us.
    try {
        if (CWnd* object = CWnd::FromHandlePermanent(window))
            return object->WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
