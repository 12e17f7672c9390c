#include "app/CommandLineInfoEx.h"

#include <algorithm>

void CCommandLineInfoEx::ParseParam(const WCHAR* pszParam, BOOL bFlag, BOOL)
{
    if (!bFlag)
        return;
    m_switches.push_back(AsciiLower(pszParam));
}

BOOL CCommandLineInfoEx::HasSwitch(const WString& name) const
{
    return std::find(m_switches.begin(), m_switches.end(), name) != m_switches.end() ? TRUE : FALSE;
}
