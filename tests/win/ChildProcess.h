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
    bool showedWindow = false;  // a visible top-level window of the child was seen while it ran
    // Wine's debug traces of the child's main thread (as WINEDEBUG in `environment` asks), read from
    // the file named by VEXPROBE_WINE_STDERR: a GUI program writes them to the unix standard error
    // that it inherits from this test program, which scripts/wine-run.sh sends there.
    std::string wineTrace;
};

// A started child. The destructor terminates it if it still runs.
class CChildProcess {
public:
    CChildProcess() = default;
    ~CChildProcess();
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    bool Start(const ChildRun& run);
    // Waits until it has ended (terminating it after timeoutMs), watching for its windows, and reports.
    ChildResult Wait(DWORD timeoutMs);
    // Waits until it is idle in its message loop: for a stand-in, ready to be found.
    bool WaitUntilIdle(DWORD timeoutMs) const;

    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }

private:
    PROCESS_INFORMATION m_info = {};
    std::wstring m_outputPath;
    std::wstring m_tracePath;
    std::size_t m_traceStart = 0;
    LARGE_INTEGER m_start = {};
    ChildResult m_result;
};

// Starts the command, waits for it to end (terminating it after the time-out) and reports.
ChildResult RunChild(const ChildRun& run);

// The full path of a file in the folder of the running test program.
std::wstring BesideThisProgram(const std::wstring& fileName);

// The quoted path of the real VexprobeHLX.exe beside the test program, then `arguments`.
std::wstring ProgramCommandLine(const std::wstring& arguments = L"");

// The whole content of a file, or "" when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);

// A new empty file's path in the temporary folder.
std::wstring TempFileName();
