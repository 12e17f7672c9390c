// CDialogExt: a dialog laid out from its own template at a fixed pixels-per-inch, whatever the display.
//
// Its CDialogFontScaler reads the template's font (falling back to "Arial", then "MS Shell Dlg", when
// the face is not installed), makes that font for the given resolution, gives it to the dialog and its
// controls, and places them again from the template's dialog units with the base units of the new font.
// A template that is missing, truncated or malformed is left alone: the dialog keeps what the dialog
// manager made.
#pragma once

#include "framework/Dialog.h"
#include "ui/DialogTemplate.h"

class CDialogFontScaler {
public:
    CDialogFontScaler() = default;
    ~CDialogFontScaler() { Restore(); }
    CDialogFontScaler(const CDialogFontScaler&) = delete;
    CDialogFontScaler& operator=(const CDialogFontScaler&) = delete;

    // Gives the dialog and its controls the template's font and layout; restores first if applied.
    void Apply(HWND dialog, DWORD templateId, double pixelsPerInch, HINSTANCE module);
    // Puts the previous font back on the dialog and its controls and deletes the created font.
    // Positions stay. Does nothing when no font is applied.
    void Restore();

    DWORD m_templateId = 0;
    HINSTANCE m_hInstance = nullptr;
    HWND m_hDialog = nullptr;  // not null exactly while a font is applied
    HFONT m_hFont = nullptr;   // owned
    HFONT m_hOldFont = nullptr;
};

class CDialogExt : public CDialog {
public:
    explicit CDialogExt(UINT templateId, CWnd* parent = nullptr);

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

protected:
    BOOL OnInitDialog() override;

    CDialogFontScaler m_fontScaler;
    int m_templateId;
};
