#include "app/ProcessLookup.h"

#include "platform/scoped.h"

int FindProcessesByName(std::vector<DWORD>& ids, const WString& imageName, DWORD sessionId)
{
    CScopedSnapshot snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    ids.clear();
    if (!snapshot)
        return 0;

    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    if (!Process32FirstW(snapshot.get(), &entry))
        return 0;
    do {
        if (!AsciiEqualsNoCase(entry.szExeFile, imageName))
            continue;
        if (sessionId != kAllSessions) {
            DWORD session = 0;
            if (!ProcessIdToSessionId(entry.th32ProcessID, &session) || session != sessionId)
                continue;
        }
        ids.push_back(entry.th32ProcessID);
    } while (Process32NextW(snapshot.get(), &entry));
    return static_cast<int>(ids.size());
}
