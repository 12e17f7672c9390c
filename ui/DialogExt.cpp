#include "ui/DialogExt.h"

#include <vector>

#include "framework/Resources.h"
#include "ui/ControlMetrics.h"

namespace {

// The template resource, read whole, or false when it is missing, truncated or malformed.
struct DialogTemplate {
    DialogTemplateHeader header;
    std::vector<DialogTemplateItem> items;
};

bool LoadDialogTemplate(HINSTANCE module, DWORD templateId, DialogTemplate& out)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(LOWORD(templateId)), reinterpret_cast<LPCWSTR>(RT_DIALOG));
    if (resource == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
    const std::size_t size = SizeofResource(module, resource);
    return data != nullptr && ReadDialogTemplateHeader(data, size, out.header) &&
           ReadDialogTemplateItems(data, size, out.header, out.items);
}

bool FaceIsInstalled(const WCHAR* face)
{
    GpFontFamily* family = nullptr;
    const GpStatus status = GdipCreateFontFamilyFromName(face, nullptr, &family);
    if (family != nullptr)
        GdipDeleteFontFamily(family);
    return status != FontFamilyNotFound;
}

struct TemplateFont {
    int pointSize;
    int weight;
    int italic;
    WString faceName;
};

TemplateFont ReadTemplateFont(const DialogTemplateHeader& header)
{
    if (!header.hasFont)
        return TemplateFont{8, 400, 0, L"Tahoma"};
    // Both are asked, as GDI+ families made and deleted at once; only "not found" counts as missing.
    const bool faceFound = FaceIsInstalled(header.faceName.c_str());
    const bool arialFound = FaceIsInstalled(L"Arial");
    return TemplateFont{header.pointSize, header.weight, header.italic,
                        ChooseTemplateFace(header.faceName, faceFound, arialFound)};
}

void MeasureBaseUnits(HFONT font, HDC dc, double& baseX, double& baseY)
{
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    static const char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    SIZE extent = {};
    GetTextExtentPointA(dc, kAlphabet, 52, &extent);
    baseX = BaseUnitX(extent.cx);
    baseY = metrics.tmHeight;
    SelectObject(dc, previous);
}

// Pairs each template item with its control among the dialog's children, in template order, and
// calls `visit` for each pair. The walk ends at the first GetWindow that finds nothing.
template <typename Visit>
void PairItemsWithControls(HWND dialog, const std::vector<DialogTemplateItem>& items, Visit visit)
{
    HWND previous = nullptr;
    for (std::size_t i = 0; i < items.size(); ++i) {
        HWND window = i == 0 ? GetWindow(dialog, GW_CHILD) : GetWindow(previous, GW_HWNDNEXT);
        while (window != nullptr && static_cast<DWORD>(GetDlgCtrlID(window)) != items[i].id)
            window = GetWindow(window, GW_HWNDNEXT);
        if (window == nullptr)
            return;
        visit(window, items[i]);
        previous = window;
    }
}

}  // namespace

void CDialogFontScaler::Apply(HWND dialog, DWORD templateId, double pixelsPerInch, HINSTANCE module)
{
    if (m_hDialog != nullptr)
        Restore();
    m_templateId = templateId;
    m_hInstance = module;
    DialogTemplate dialogTemplate;
    if (!LoadDialogTemplate(module, templateId, dialogTemplate))
        return;
    const DialogTemplateHeader& header = dialogTemplate.header;
    m_hDialog = dialog;

    const TemplateFont font = ReadTemplateFont(header);
    const int pointSize = PointSizeMagnitude(font.pointSize);
    m_hFont = CreateFontW(DialogFontHeight(pointSize, pixelsPerInch), 0, 0, 0, font.weight, font.italic, 0, 0,
                          DEFAULT_CHARSET, 0, 0, 0, 0, font.faceName.c_str());
    m_hOldFont = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), 1);

    double baseX = 0, baseY = 0;
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    MeasureBaseUnits(m_hFont, dc, baseX, baseY);
    EndPaint(dialog, &paint);

    // The client area's top-left corner keeps its place on the screen.
    RECT rect;
    GetClientRect(dialog, &rect);
    rect.right = rect.left + DialogUnitsToPixelsX(header.cx, baseX);
    rect.bottom = rect.top + DialogUnitsToPixelsY(header.cy, baseY);
    ClientToScreen(dialog, reinterpret_cast<POINT*>(&rect.left));
    ClientToScreen(dialog, reinterpret_cast<POINT*>(&rect.right));
    AdjustWindowRectEx(&rect, header.style, header.hasMenu, header.exStyle);
    MoveWindow(dialog, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);

    PairItemsWithControls(dialog, dialogTemplate.items, [&](HWND control, const DialogTemplateItem& item) {
        MoveWindow(control, DialogUnitsToPixelsX(item.x, baseX), DialogUnitsToPixelsY(item.y, baseY),
                   DialogUnitsToPixelsX(item.cx, baseX), DialogUnitsToPixelsY(item.cy, baseY), TRUE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), 1);
    });
}

void CDialogFontScaler::Restore()
{
    if (m_hDialog == nullptr)
        return;
    SendMessageW(m_hDialog, WM_SETFONT, reinterpret_cast<WPARAM>(m_hOldFont), 1);
    DialogTemplate dialogTemplate;
    if (LoadDialogTemplate(m_hInstance, m_templateId, dialogTemplate)) {
        PairItemsWithControls(m_hDialog, dialogTemplate.items, [&](HWND control, const DialogTemplateItem&) {
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_hOldFont), 1);
        });
    }
    DeleteObject(m_hFont);
    m_hDialog = nullptr;
    m_hFont = nullptr;
    m_hOldFont = nullptr;
}

CDialogExt::CDialogExt(UINT templateId, CWnd* parent) : CDialog(templateId, parent), m_templateId(static_cast<int>(templateId)) {}

BOOL CDialogExt::OnInitDialog()
{
    if (!CDialog::OnInitDialog())
        return FALSE;
    m_fontScaler.Apply(m_hWnd, static_cast<DWORD>(m_templateId), 96.0, AfxGetResourceHandle());
    return TRUE;
}

BOOL CDialogExt::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_CREATE) {
        // The dialog has no controls yet: the font goes on the dialog, and the dialog gets its size.
        if (Default() == -1) {
            *result = -1;
            return TRUE;
        }
        m_fontScaler.Apply(m_hWnd, static_cast<DWORD>(m_templateId), 96.0, AfxGetResourceHandle());
        *result = 0;
        return TRUE;
    }
    return CDialog::OnWndMsg(message, wParam, lParam, result);
}
