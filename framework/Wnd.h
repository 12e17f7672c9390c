// CWnd: a C++ object bound to a window, with explicit per-class message dispatch.
//
// A window of ours is subclassed: AfxWndProc finds its CWnd and calls WindowProc, which hands the
// message to the class's OnWndMsg. Each class overrides OnWndMsg with a switch over the messages it
// handles and passes the rest to its base; what no class handles goes to the window's previous
// procedure (DefWindowProc). A parent reflects WM_COMMAND notifications, WM_CTLCOLOR* and WM_DRAWITEM
// back to the child's CWnd as OCM__BASE + message, so a control can answer for itself; a reflected
// message the child does not handle is the parent's to process as usual.
#pragma once

#include "platform/text.h"
#include "platform/win32.h"

#ifndef OCM__BASE
#define OCM__BASE (WM_USER + 0x1C00)
#endif

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // Binds this object to a window without subclassing it.
    BOOL Attach(HWND window);
    HWND Detach();
    // The object bound to a window, or nullptr.
    static CWnd* FromHandlePermanent(HWND window);

    // Binds this object to an existing window and routes its messages through WindowProc.
    BOOL SubclassWindow(HWND window);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    // Called by SubclassWindow once the object is bound, before messages are routed.
    virtual void PreSubclassWindow() {}
    // Called by the modal loop for a message to this window or a child before it is dispatched;
    // TRUE swallows it.
    virtual BOOL PreTranslateMessage(MSG* message);

    void SetWindowText(LPCTSTR text);
    WString GetWindowText() const;
    void GetClientRect(RECT* rect) const;
    void GetWindowRect(RECT* rect) const;
    void ScreenToClient(RECT* rect) const;
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    void Invalidate(BOOL erase = TRUE);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // Entry from AfxWndProc.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The default processing of the message being handled now.
    LRESULT Default();
    // The window's processing before it was subclassed.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Dispatches a message: TRUE when handled, with its result in *result.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    HWND m_hWnd = nullptr;

protected:
    // After the window's last message (WM_NCDESTROY), once the object is no longer bound.
    virtual void PostNcDestroy() {}

    WNDPROC m_pfnSuper = nullptr;

private:
    // Sends a notification back to the control it came from; TRUE when the control handled it.
    static BOOL ReflectToChild(HWND child, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

    MSG m_currentMsg = {};
};

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

class CButton : public CWnd {};
class CStatic : public CWnd {};
