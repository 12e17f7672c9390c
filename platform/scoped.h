// Scope objects for the handles the program acquires: one type per kind of handle, each releasing what
// it holds with the call that belongs to it. Move-only; release() hands the handle off explicitly.
// A release never changes the thread's last-error value, so GetLastError after a scope ends still
// tells about the call that set it.
#pragma once

#include <utility>

#include "platform/win32.h"

template <typename Traits>
class CUniqueResource {
public:
    using Type = typename Traits::Type;

    CUniqueResource() = default;
    explicit CUniqueResource(Type value) : m_value(value) {}
    ~CUniqueResource() { reset(); }

    CUniqueResource(CUniqueResource&& other) noexcept : m_value(other.release()) {}
    CUniqueResource& operator=(CUniqueResource&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    CUniqueResource(const CUniqueResource&) = delete;
    CUniqueResource& operator=(const CUniqueResource&) = delete;

    Type get() const { return m_value; }
    explicit operator bool() const { return m_value != Traits::Empty(); }

    Type release()
    {
        Type value = m_value;
        m_value = Traits::Empty();
        return value;
    }

    void reset(Type value = Traits::Empty())
    {
        if (m_value != Traits::Empty()) {
            const DWORD lastError = GetLastError();
            Traits::Close(m_value);
            SetLastError(lastError);
        }
        m_value = value;
    }

private:
    Type m_value = Traits::Empty();
};

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type Empty() { return nullptr; }
    static void Close(Type object) { DeleteObject(object); }
};

struct MemoryDCTraits {
    using Type = HDC;
    static Type Empty() { return nullptr; }
    static void Close(Type dc) { DeleteDC(dc); }
};

// A kernel handle that is empty when NULL (processes, mutexes, tokens).
struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Empty() { return nullptr; }
    static void Close(Type handle) { CloseHandle(handle); }
};

// A Toolhelp snapshot, which is INVALID_HANDLE_VALUE when it could not be taken.
struct SnapshotTraits {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Type handle) { CloseHandle(handle); }
};

using CScopedHandle = CUniqueResource<KernelHandleTraits>;
using CScopedSnapshot = CUniqueResource<SnapshotTraits>;
using CScopedBitmap = CUniqueResource<GdiObjectTraits<HBITMAP>>;
using CScopedMemoryDC = CUniqueResource<MemoryDCTraits>;

// A window's device context from GetDC, given back with ReleaseDC for the same window.
class CScopedWindowDC {
public:
    explicit CScopedWindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~CScopedWindowDC()
    {
        if (m_dc != nullptr) {
            const DWORD lastError = GetLastError();
            ReleaseDC(m_window, m_dc);
            SetLastError(lastError);
        }
    }
    CScopedWindowDC(const CScopedWindowDC&) = delete;
    CScopedWindowDC& operator=(const CScopedWindowDC&) = delete;

    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects an object into a device context and puts the previous one back at the end of the scope.
class CScopedSelectObject {
public:
    CScopedSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~CScopedSelectObject()
    {
        if (m_previous != nullptr) {
            const DWORD lastError = GetLastError();
            SelectObject(m_dc, m_previous);
            SetLastError(lastError);
        }
    }
    CScopedSelectObject(const CScopedSelectObject&) = delete;
    CScopedSelectObject& operator=(const CScopedSelectObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
