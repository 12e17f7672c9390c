#include "framework/CommandLineInfo.h"

void CCommandLineInfo::ParseParam(const WCHAR*, BOOL, BOOL) {}
