// One warning per user session: a second start finds the first by its window, a start with the close
// switch closes it, and copies that hold the instance mutex without ever showing a window are ended.
#pragma once

#include "app/CommandLineInfoEx.h"
#include "platform/win32.h"

// The warning dialog's window class: what a second start searches for.
constexpr const WCHAR* kDialogClassName = TEXT("KorvalinkRemoteDetectHLX");
// Processes of this image name in the session are stale copies once the mutex holder shows no window.
constexpr const WCHAR* kStaleImageName = TEXT("Vexprobe.exe");
constexpr DWORD kStaleExitCode = 2;
// A second start waits this often and this long for the first instance's window to appear.
constexpr int kFurtherWindowSearches = 10;
constexpr DWORD kSearchPauseMs = 200;
// The close switch stops asking after this many close requests (about 10 s) if the window stays.
constexpr int kMaxCloseRequests = 50;

// TRUE when start-up goes on: this is the first instance, or the mutex holder never showed a window
// (stale copies are then terminated). FALSE when it stops: another instance's window was brought to
// the front, or the close switch was given (after the running instance's window has gone).
BOOL EnsureSingleInstance(const CCommandLineInfoEx& cmdInfo);

// Registers kDialogClassName as the system dialog class "#32770" without CS_SAVEBITS. TRUE also when
// the class exists already.
BOOL RegisterDialogClass();
