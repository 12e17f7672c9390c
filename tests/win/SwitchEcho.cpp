// Test helper: prints the switches that the framework collects from this program's command line, one
// line each, as hexadecimal UTF-16 code units (an empty switch is an empty line), then "end".
#include <fcntl.h>
#include <io.h>

#include <cstdio>

#include "app/CommandLineInfoEx.h"
#include "framework/WinApp.h"

int wmain()
{
    _setmode(_fileno(stdout), _O_BINARY);  // plain "\n" line ends
    CWinApp app;
    CCommandLineInfoEx info;
    app.ParseCommandLine(info);
    for (const WString& name : info.m_switches) {
        for (WCHAR c : name)
            std::printf("%04X ", static_cast<unsigned>(c));
        std::printf("\n");
    }
    std::printf("close=%d\nend\n", info.HasSwitch(kCloseSwitch));
    return 0;
}
