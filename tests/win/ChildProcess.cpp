#include "tests/win/ChildProcess.h"

#include <cstdio>
#include <cstring>

namespace {

struct WindowSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring TempFileName()
{
    WCHAR folder[MAX_PATH];
    WCHAR file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"vxp", 0, file);
    return file;
}

std::string ReadWholeFile(const std::wstring& path)
{
    std::string content;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return content;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return content;
}

namespace {

// The file that this program's unix standard error goes to, in Wine's view (drive Z: is the root).
std::wstring WineStderrFile()
{
    WCHAR unixPath[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"VEXPROBE_WINE_STDERR", unixPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return std::wstring();
    std::wstring path = L"Z:" + std::wstring(unixPath, length);
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

// The lines of `text` that Wine wrote for thread `threadId` ("01b8:trace:gdiplus:...").
std::string LinesOfThread(const std::string& text, DWORD threadId)
{
    char prefix[16];
    std::snprintf(prefix, sizeof(prefix), "%04lx:", static_cast<unsigned long>(threadId));
    std::string lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        if (text.compare(start, std::strlen(prefix), prefix) == 0)
            lines.append(text, start, end - start);
        start = end;
    }
    return lines;
}

}  // namespace

std::wstring BesideThisProgram(const std::wstring& fileName)
{
    WCHAR path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + fileName;
}

std::wstring ProgramCommandLine(const std::wstring& arguments)
{
    return L"\"" + BesideThisProgram(L"VexprobeHLX.exe") + L"\" " + arguments;
}

CChildProcess::~CChildProcess()
{
    if (m_info.hProcess != nullptr) {
        if (WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_info.hProcess, 0xDEAD);
            WaitForSingleObject(m_info.hProcess, 5000);
        }
        CloseHandle(m_info.hThread);
        CloseHandle(m_info.hProcess);
    }
    if (!m_outputPath.empty())
        DeleteFileW(m_outputPath.c_str());
}

bool CChildProcess::Start(const ChildRun& run)
{
    m_outputPath = TempFileName();
    SECURITY_ATTRIBUTES inheritable = {sizeof(inheritable), nullptr, TRUE};
    HANDLE output = CreateFileW(m_outputPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);

    // The child inherits this environment; put ours back once it has started.
    std::vector<std::pair<std::wstring, std::wstring>> saved;
    for (const auto& [name, value] : run.environment) {
        WCHAR old[1024];
        const DWORD length = GetEnvironmentVariableW(name.c_str(), old, 1024);
        saved.emplace_back(name, length > 0 && length < 1024 ? std::wstring(old, length) : std::wstring());
        SetEnvironmentVariableW(name.c_str(), value.c_str());
    }

    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    std::wstring commandLine = run.commandLine;

    m_tracePath = WineStderrFile();
    m_traceStart = ReadWholeFile(m_tracePath).size();
    QueryPerformanceCounter(&m_start);
    m_result.started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                                      &m_info) != FALSE;
    for (const auto& [name, value] : saved)
        SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
    CloseHandle(output);
    return m_result.started;
}

bool CChildProcess::WaitUntilIdle(DWORD timeoutMs) const
{
    return m_info.hProcess != nullptr && WaitForInputIdle(m_info.hProcess, timeoutMs) == 0;
}

ChildResult CChildProcess::Wait(DWORD timeoutMs)
{
    if (!m_result.started)
        return m_result;
    const DWORD deadline = GetTickCount() + timeoutMs;
    while (WaitForSingleObject(m_info.hProcess, 2) == WAIT_TIMEOUT) {
        WindowSearch search = {m_info.dwProcessId, false};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        m_result.showedWindow = m_result.showedWindow || search.found;
        if (static_cast<LONG>(GetTickCount() - deadline) > 0) {
            m_result.timedOut = true;
            TerminateProcess(m_info.hProcess, 0xDEAD);
            WaitForSingleObject(m_info.hProcess, INFINITE);
            break;
        }
    }
    LARGE_INTEGER frequency, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&end);
    m_result.elapsedMs = static_cast<double>(end.QuadPart - m_start.QuadPart) * 1000.0 / frequency.QuadPart;
    GetExitCodeProcess(m_info.hProcess, &m_result.exitCode);
    m_result.output = ReadWholeFile(m_outputPath);
    const std::string trace = ReadWholeFile(m_tracePath);
    if (trace.size() > m_traceStart)
        m_result.wineTrace = LinesOfThread(trace.substr(m_traceStart), m_info.dwThreadId);
    return m_result;
}

ChildResult RunChild(const ChildRun& run)
{
    CChildProcess child;
    child.Start(run);
    return child.Wait(run.timeoutMs);
}
