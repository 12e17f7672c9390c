// Runs another program of ours as a user would start it, and watches it from outside.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

struct ChildRun {
    std::wstring commandLine;
    // Set in the child's environment only.
    std::vector<std::pair<std::wstring, std::wstring>> environment;
    DWORD timeoutMs = 15000;
};

struct ChildResult {
    bool started = false;
    bool timedOut = false;
    DWORD exitCode = 0;
    double elapsedMs = 0;       // from CreateProcess until the process had ended
    std::string output;         // its standard output and error
    // Wine's debug traces of the child's main thread (as WINEDEBUG in `environment` asks), read from
    // the file named by VEXPROBE_WINE_STDERR: a GUI program writes them to the unix standard error
    // that it inherits from this test program, which scripts/wine-run.sh sends there.
    std::string wineTrace;
    bool showedWindow = false;  // a visible top-level window of the child was seen while it ran
};

// Starts the command, waits for it to end (terminating it after the time-out) and reports.
ChildResult RunChild(const ChildRun& run);

// The full path of a file in the folder of the running test program.
std::wstring BesideThisProgram(const std::wstring& fileName);
