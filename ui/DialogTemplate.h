// Reading a dialog template resource (RT_DIALOG), in the extended form (DLGTEMPLATEEX with
// DLGITEMTEMPLATEEX items) and the classic form (DLGTEMPLATE with DLGITEMTEMPLATE items).
//
// The reader is given the resource's size and never reads past it: a template that ends early or
// has a malformed field is rejected as a whole.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text.h"
#include "platform/win32.h"

// The template style bit that says a font block follows the title.
constexpr DWORD kTemplateSetFont = 0x40;

struct DialogTemplateHeader {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    int itemCount = 0;
    int cx = 0;  // dialog units
    int cy = 0;
    bool hasMenu = false;
    bool hasFont = false;  // DS_SETFONT: the font block below is set
    int pointSize = 0;     // the 16-bit field read as unsigned
    int weight = 0;        // extended form only; 0 in the classic form
    int italic = 0;        // extended form only
    WString faceName;
    std::size_t firstItem = 0;  // offset of the first item
};

struct DialogTemplateItem {
    int x = 0;  // dialog units
    int y = 0;
    int cx = 0;
    int cy = 0;
    DWORD id = 0;
    std::size_t next = 0;  // offset of the item after this one
};

// Reads the header, the font block and where the first item starts. false when the template is too
// short or malformed.
bool ReadDialogTemplateHeader(const void* data, std::size_t size, DialogTemplateHeader& header);

// Reads the item at `offset` (header.firstItem for the first, then the previous item's `next`).
bool ReadDialogTemplateItem(const void* data, std::size_t size, bool extended, std::size_t offset,
                            DialogTemplateItem& item);

// Reads every item in order; false when any of them is too short or malformed.
bool ReadDialogTemplateItems(const void* data, std::size_t size, const DialogTemplateHeader& header,
                             std::vector<DialogTemplateItem>& items);

// The face the dialog font is made with: the template's when it is installed, else "Arial", else
// "MS Shell Dlg". Only "not installed" replaces the face.
inline WString ChooseTemplateFace(const WString& templateFace, bool templateFaceInstalled, bool arialInstalled)
{
    if (templateFaceInstalled)
        return templateFace;
    return arialInstalled ? WString(TEXT("Arial")) : WString(TEXT("MS Shell Dlg"));
}
