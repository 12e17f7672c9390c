#include "framework/Dialog.h"

#include "framework/Resources.h"

namespace {

// The object whose window is being created, and the hook that binds it.
CWnd* s_creating = nullptr;
HHOOK s_createHook = nullptr;

LRESULT CALLBACK BindOnCreate(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && s_creating != nullptr) {
        CWnd* object = s_creating;
        s_creating = nullptr;  // the dialog comes first; its controls are not ours to bind here
        object->SubclassWindow(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(s_createHook, code, wParam, lParam);
}

INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.SubclassDlgItem(static_cast<UINT>(id), pDX->m_pDlgWnd);
}

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal()
{
    HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    // Set before creation: OnInitDialog may already end the dialog.
    m_nModalResult = -1;
    m_inModalLoop = true;
    s_creating = this;
    s_createHook = SetWindowsHookExW(WH_CBT, BindOnCreate, nullptr, GetCurrentThreadId());
    HWND dialog = CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDHelp), parent, AfxDlgProc, 0);
    UnhookWindowsHookEx(s_createHook);
    s_createHook = nullptr;
    s_creating = nullptr;
    if (dialog == nullptr) {
        if (m_hWnd != nullptr)  // created, then refused by WM_CREATE
            Detach();
        return -1;
    }

    if (parent != nullptr)
        EnableWindow(parent, FALSE);
    MSG message;
    while (m_inModalLoop) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));  // the program's loop gets it
            break;
        }
        if (PreTranslateForWindows(&message) || IsDialogMessageW(dialog, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    m_inModalLoop = false;
    if (parent != nullptr)
        EnableWindow(parent, TRUE);
    DestroyWindow(dialog);
    return m_nModalResult;
}

BOOL CDialog::PreTranslateForWindows(MSG* message)
{
    // From the window the message is for up to the dialog.
    for (HWND window = message->hwnd; window != nullptr; window = GetParent(window)) {
        if (CWnd* object = CWnd::FromHandlePermanent(window))
            if (object->PreTranslateMessage(message))
                return TRUE;
        if (window == m_hWnd)
            break;
    }
    return FALSE;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_inModalLoop = false;
    PostMessageW(m_hWnd, WM_NULL, 0, 0);  // wake the modal loop
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM)
{
    switch (LOWORD(wParam)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_SETFONT:
        // The system's dialog procedure keeps answering WM_GETFONT with the template's font (so
        // Wine does); the dialog answers with the font it was given last.
        m_hDialogFont = reinterpret_cast<HFONT>(wParam);
        return FALSE;
    case WM_GETFONT:
        if (m_hDialogFont == nullptr)
            return FALSE;
        *result = reinterpret_cast<LRESULT>(m_hDialogFont);
        return TRUE;
    case WM_INITDIALOG:
        *result = OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        if (CWnd::OnWndMsg(message, wParam, lParam, result))
            return TRUE;
        // Clicks (BN_CLICKED is 0), menus and accelerators; the dialog manager turns Enter, Esc
        // and WM_CLOSE into IDOK and IDCANCEL.
        if (HIWORD(wParam) == BN_CLICKED && OnCommand(wParam, lParam)) {
            *result = 0;
            return TRUE;
        }
        return FALSE;
    default:
        return CWnd::OnWndMsg(message, wParam, lParam, result);
    }
}
