#include "app/InstanceMutex.h"

CInstanceMutex::CInstanceMutex(const WString& name) : m_dwLastError(0), m_hMutex(nullptr), m_strName(name)
{
    m_hMutex = CreateMutexW(nullptr, FALSE, m_strName.c_str());
    m_dwLastError = GetLastError();
}

CInstanceMutex::~CInstanceMutex()
{
    if (m_hMutex != nullptr) {
        CloseHandle(m_hMutex);
        m_hMutex = nullptr;
    }
}
