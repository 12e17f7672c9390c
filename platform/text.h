// Wide text for the portable code: one string type and the few helpers the logic needs.
//
// Windows' own case rules for these helpers are the C runtime's default locale, in which only the
// ASCII letters A to Z have lower-case forms; every other code unit stays as it is.
#pragma once

#include <cstddef>
#include <string>

#include "platform/win32.h"

using WString = std::basic_string<WCHAR>;

inline WCHAR AsciiToLower(WCHAR c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<WCHAR>(c - 'A' + 'a') : c;
}

inline WString AsciiLower(WString text)
{
    for (WCHAR& c : text)
        c = AsciiToLower(c);
    return text;
}

// Equal when they have the same length and each code unit is equal after AsciiToLower.
inline bool AsciiEqualsNoCase(const WString& a, const WString& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiToLower(a[i]) != AsciiToLower(b[i]))
            return false;
    return true;
}

// Copies as much of the zero-terminated `src` as fits into `dst` of `capacity` code units and always
// terminates it (when capacity is at least 1).
inline void CopyBounded(WCHAR* dst, std::size_t capacity, const WCHAR* src)
{
    if (capacity == 0)
        return;
    std::size_t i = 0;
    for (; i + 1 < capacity && src[i] != 0; ++i)
        dst[i] = src[i];
    dst[i] = 0;
}
