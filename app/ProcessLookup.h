// Lists running processes by executable file name, in one session or in all of them.
#pragma once

#include <vector>

#include "platform/text.h"
#include "platform/win32.h"

// The session filter that means every session.
constexpr DWORD kAllSessions = 0xFFFFFFFF;

// Empties `ids`, then appends the id of every process whose bare file name equals `imageName` (ASCII
// letters compared without case) and, unless `sessionId` is kAllSessions, that runs in that session;
// a process whose session cannot be read is left out. The ids keep the order of the process snapshot.
// Returns how many were found; 0 as well when the process list cannot be read.
int FindProcessesByName(std::vector<DWORD>& ids, const WString& imageName, DWORD sessionId);
