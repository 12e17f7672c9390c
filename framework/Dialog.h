// CDialog: a modal dialog from a template resource, with data exchange.
//
// DoModal creates the dialog from its template with the framework's CBT hook in place, which binds
// the dialog window to this object as it is created, so the object sees WM_CREATE before the dialog
// manager makes the controls. The dialog's messages are then handled in its subclass procedure
// (results are returned directly, WM_CTLCOLOR* brushes included); the dialog procedure itself only
// returns FALSE. DoModal runs its own modal loop, which gives PreTranslateMessage a look at each
// message for the dialog and its controls before IsDialogMessage.
#pragma once

#include "framework/Wnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds `control` to the dialog's item `id` by subclassing it, once.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // IDOK, IDCANCEL or another EndDialog code; -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    virtual void DoDataExchange(CDataExchange*) {}
    // Runs the data exchange; TRUE lets the dialog manager set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // WM_COMMAND that no control handled; TRUE when handled.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    UINT m_nIDHelp;
    CWnd* m_pParentWnd;

private:
    BOOL PreTranslateForWindows(MSG* message);

    HFONT m_hDialogFont = nullptr;
    int m_nModalResult = -1;
    bool m_inModalLoop = false;
};
