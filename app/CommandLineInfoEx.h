// CCommandLineInfoEx: collects the switches of the command line, so start-up can ask for one by name.
#pragma once

#include <vector>

#include "framework/CommandLineInfo.h"
#include "platform/text.h"

// The close switch: close the running instance's warning, then end.
constexpr const WCHAR* kCloseSwitch = TEXT("x");

class CCommandLineInfoEx : public CCommandLineInfo {
public:
    // Keeps each flag argument without its leading '-' or '/', lower-cased in ASCII, in command-line
    // order and with duplicates; drops every other argument. The framework's standard switches are
    // never interpreted.
    void ParseParam(const WCHAR* pszParam, BOOL bFlag, BOOL bLast) override;

    // TRUE when some collected switch equals `name` exactly. The switches are stored in lower case,
    // so `name` is given in lower case.
    BOOL HasSwitch(const WString& name) const;

    std::vector<WString> m_switches;
};
