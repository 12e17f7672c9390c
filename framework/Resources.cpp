#include "framework/Resources.h"

#include "framework/WinApp.h"

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE instance = AfxGetInstanceHandle();
    return instance != nullptr ? instance : GetModuleHandleW(nullptr);
}

HINSTANCE AfxFindStringResourceHandle(UINT id)
{
    // Strings are stored sixteen to a block, block n holding ids 16(n-1) to 16n-1.
    HINSTANCE module = AfxGetResourceHandle();
    return FindResourceW(module, MAKEINTRESOURCEW((id >> 4) + 1), reinterpret_cast<LPCWSTR>(RT_STRING)) != nullptr
               ? module
               : nullptr;
}

WString AfxLoadString(UINT id)
{
    HINSTANCE module = AfxFindStringResourceHandle(id);
    if (module == nullptr)
        return WString();
    // With a length of 0, LoadStringW hands out a read-only pointer to the string in the resource.
    const WCHAR* text = nullptr;
    const int length = LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? WString(text, static_cast<std::size_t>(length)) : WString();
}
