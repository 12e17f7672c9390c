#include "capture/FrameCapture.h"

#include <cstring>

#include "platform/scoped.h"

BOOL IsFrameCaptureSlow()
{
    // Left zero when the mode cannot be read: the copy then covers nothing and is fast.
    DEVMODEW mode;
    std::memset(&mode, 0, sizeof(mode));
    mode.dmSize = sizeof(DEVMODEW);
    EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode);
    const int width = static_cast<int>(mode.dmPelsWidth);
    const int height = static_cast<int>(mode.dmPelsHeight);

    // Declared in acquisition order, so the scopes end in the order Windows needs: the bitmap is
    // selected out before it is deleted, and the memory DC goes before the screen DC it came from.
    CScopedWindowDC screen(GetDesktopWindow());
    CScopedMemoryDC memory(CreateCompatibleDC(screen.get()));
    CScopedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    CScopedSelectObject selected(memory.get(), bitmap.get());

    // Only the copy lies between the two readings. Unsigned subtraction keeps a wrap of the tick
    // counter during the copy from spoiling the difference.
    const DWORD start = GetTickCount();
    BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    const DWORD elapsed = GetTickCount() - start;

    return elapsed >= kSlowFrameCaptureMs ? TRUE : FALSE;
}
