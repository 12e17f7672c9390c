// Dialog templates of the in-process Wine tests.
#pragma once

#define IDD_TOOL_LAYOUT 201     // the warning's own template, in the default dialog class
#define IDD_MISSING_FACE 202    // the same with a face that is not installed
#define IDD_NO_FONT 203         // no DS_SETFONT
#define IDC_MESSAGE 1000
#define IDD_CONTROLS 204        // a small dialog with the styled button and the text control
#define IDD_TRUNCATED 205       // a dialog resource that ends inside its header
#define IDD_CUSTOM_CLASS 206    // the warning's template with its own window class
